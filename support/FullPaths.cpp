#include "support/FullPaths.h"

#include <cwctype>
#include <string_view>

#include "runtime/RuntimeError.h"

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

// The length of the path's root, 0 when the path is not a full one.
size_t rootLength(std::wstring_view path) {
    auto behind = [&](size_t prefix, size_t root) { return root ? prefix + root : 0; };
    if (startsWith(path, L"\\\\?\\UNC\\")) return behind(8, shareRoot(path.substr(8)));
    if (startsWith(path, L"\\\\?\\")) return behind(4, driveRoot(path.substr(4)));
    if (startsWith(path, L"\\\\")) return behind(2, shareRoot(path.substr(2)));
    return driveRoot(path);
}

// How deep below its root the rest of a path leads. The system drops the
// trailing dots and blanks of a name, so a name of nothing else goes nowhere.
int depthOf(std::wstring_view rest) {
    int depth = 0;
    for (size_t at = 0; at <= rest.size();) {
        size_t end = partEnd(rest, at);
        std::wstring_view name = rest.substr(at, end - at);
        if (name == L"..")
            depth = depth > 0 ? depth - 1 : 0;
        else if (name.find_last_not_of(L". ") != std::wstring_view::npos)
            ++depth;
        at = end + 1;
    }
    return depth;
}

}  // namespace

bool namesBelowRoot(const std::wstring& path) {
    size_t root = rootLength(path);
    return root && depthOf(std::wstring_view(path).substr(root)) > 0;
}

void requireBelowRoot(const std::wstring& path) {
    if (!namesBelowRoot(path)) rt::raiseStandard(rt::errPathFileAccess);
}

}  // namespace FullPaths
