#include "support/FullPaths.h"

#include <cwctype>
#include <string_view>
#include <vector>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/FileStatements.h"

namespace FullPaths {
namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool startsWith(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::towupper(text[i]) != prefix[i] && !(isSeparator(text[i]) && isSeparator(prefix[i]))) return false;
    return true;
}

// The end of the part from `at` up to the next separator (or the end).
size_t partEnd(std::wstring_view path, size_t at) {
    while (at < path.size() && !isSeparator(path[at])) ++at;
    return at;
}

// The length of "C:\"; 0 when the path does not start so.
size_t driveRoot(std::wstring_view path) {
    bool drive = path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && isSeparator(path[2]);
    return drive ? 3 : 0;
}

// The length of "server\share" and the separator after it; 0 when either is missing.
size_t shareRoot(std::wstring_view path) {
    size_t serverEnd = partEnd(path, 0);
    if (serverEnd == 0 || serverEnd == path.size()) return 0;
    size_t shareEnd = partEnd(path, serverEnd + 1);
    if (shareEnd == serverEnd + 1) return 0;
    return shareEnd < path.size() ? shareEnd + 1 : shareEnd;
}

// Only these four characters, exactly so, hand the rest to the system
// unresolved.
bool isVerbatim(std::wstring_view path) { return path.substr(0, 4) == L"\\\\?\\"; }

// Every other spelling of them or of "\\.\" ("//?/", "\\?/", "/\.\", ...)
// is a device path, whose ".." the system resolves as it does for "\\.\".
bool isDevicePath(std::wstring_view path) {
    return path.size() >= 4 && isSeparator(path[0]) && isSeparator(path[1]) && (path[2] == L'.' || path[2] == L'?') &&
           isSeparator(path[3]) && !isVerbatim(path);
}

// The length of the path's root, 0 when the path is not a full one.
size_t rootLength(std::wstring_view path) {
    auto behind = [&](size_t prefix, size_t root) { return root ? prefix + root : 0; };
    if (isVerbatim(path) && startsWith(path.substr(4), L"UNC\\")) return behind(8, shareRoot(path.substr(8)));
    if (isVerbatim(path)) return behind(4, driveRoot(path.substr(4)));
    if (startsWith(path, L"\\\\")) return behind(2, shareRoot(path.substr(2)));
    return driveRoot(path);
}

// The names a path leaves below its root once "." and ".." are resolved,
// ".." stopping at the root. The system drops the trailing dots and blanks of
// a name, so a name of nothing else goes nowhere.
std::vector<std::wstring_view> namesLeft(std::wstring_view rest) {
    std::vector<std::wstring_view> names;
    for (size_t at = 0; at <= rest.size();) {
        size_t end = partEnd(rest, at);
        std::wstring_view name = rest.substr(at, end - at);
        if (name == L"..") {
            if (!names.empty()) names.pop_back();
        } else if (name.find_last_not_of(L". ") != std::wstring_view::npos) {
            names.push_back(name);
        }
        at = end + 1;
    }
    return names;
}

// The system resolves the ".." of a device path against "\\.\" alone, so
// they can climb out of a drive or share: the path so resolved, as its
// "\\?\" twin.
std::wstring verbatimTwin(std::wstring_view deviceRest) {
    std::wstring twin = L"\\\\?";
    for (std::wstring_view name : namesLeft(deviceRest)) twin.append(1, L'\\').append(name);
    return twin;
}

}  // namespace

bool namesBelowRoot(const std::wstring& path) {
    if (!rt::toAnsiName(path)) return false;  // the system would be given another path
    if (isDevicePath(path)) return namesBelowRoot(verbatimTwin(std::wstring_view(path).substr(4)));
    size_t root = rootLength(path);
    if (!root) return false;
    std::vector<std::wstring_view> names = namesLeft(std::wstring_view(path).substr(root));
    // A name with wildcards stands for entries of the folder it is in.
    size_t folderNames = !names.empty() && FileStatements::hasWildcard(names.back()) ? names.size() - 1 : names.size();
    return folderNames > 0;
}

void requireBelowRoot(const std::wstring& path) {
    if (!namesBelowRoot(path)) rt::raiseStandard(rt::errPathFileAccess);
}

}  // namespace FullPaths
