// The path object's members that compute on path texts, by its own text
// rules or through the platform's path-text calls; none asks the disk.
#include <windows.h>
#include <shlwapi.h>

#include <cwctype>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/PathBuffers.h"
#include "support/PathLimits.h"
#include "support/cPathExt.h"

namespace {

using PathLimits::fits;

constexpr int32_t errDeviceUnavailable = 68;
constexpr size_t kEditRoom = 100;  // the most an edited path may grow

std::wstring fromBuffer(const std::string& buffer) { return rt::fromAnsiBuffer(buffer.data(), buffer.size()); }

// `text` edited in place by `edit`, which may make it kEditRoom longer;
// none when the text is longer than the path calls take.
template <typename Edit>
std::optional<std::wstring> edited(const std::wstring& text, Edit edit) {
    std::string ansi = rt::toAnsi(text);
    if (!fits(ansi)) return std::nullopt;
    std::string buffer = PathBuffers::editRoom(ansi, kEditRoom);
    edit(buffer.data());
    return fromBuffer(buffer);
}

// What the path call `ask` says about `path`; false for a path longer than
// it takes.
template <typename Ask>
bool asks(const std::wstring& path, Ask ask) {
    std::string ansi = rt::toAnsi(path);
    return fits(ansi) && ask(ansi.c_str());
}

bool isUnc(const std::wstring& path) { return path.rfind(L"\\\\", 0) == 0 && path.rfind(L"\\\\?", 0) != 0; }

// The common prefix of two paths by the platform's rule, for paths longer
// than its call takes: the whole components both begin with, letters
// compared without case; a UNC path shares nothing with another kind, and
// its leading "\\" is no boundary; a bare drive keeps its "\".
std::wstring commonPrefix(const std::wstring& a, const std::wstring& b) {
    const bool unc = isUnc(a);
    if (unc != isUnc(b)) return L"";
    size_t length = 0;
    for (size_t i = unc ? 2 : 0;; ++i) {
        const wchar_t x = i < a.size() ? a[i] : L'\0', y = i < b.size() ? b[i] : L'\0';
        if ((x == L'\0' || x == L'\\') && (y == L'\0' || y == L'\\')) length = i;
        if (x == L'\0' || std::towupper(x) != std::towupper(y)) break;
    }
    return a.substr(0, length == 2 ? 3 : length);
}

// What `fill` writes into an empty buffer with room for `longest` characters.
template <typename Fill>
std::wstring filled(size_t longest, Fill fill) {
    std::string buffer = PathBuffers::editRoom("", longest + 1);
    fill(buffer.data());
    return fromBuffer(buffer);
}

std::wstring fullPathName(const std::string& path) {
    return rt::fromAnsi(PathBuffers::sizedByAnswer(MAX_PATH, [&](char* buffer, DWORD room) {
        return GetFullPathNameA(path.c_str(), room, buffer, nullptr);
    }));
}

// The text after the last "\" of `s`, or "" when it holds none.
std::wstring afterLastBackslash(const std::wstring& s) {
    size_t p = s.rfind(L'\\');
    return p == std::wstring::npos ? std::wstring() : s.substr(p + 1);
}

std::wstring withoutTrailingBackslash(const std::wstring& s) {
    return !s.empty() && s.back() == L'\\' ? s.substr(0, s.size() - 1) : s;
}

// The current folder of drive `drive` ("D:" or "D"), read without making it
// current; a drive that does not exist raises.
std::wstring currentFolderOfDrive(const std::wstring& drive) {
    std::string root = rt::toAnsi(drive.substr(0, 1)) + ":";
    if (GetDriveTypeA((root + "\\").c_str()) == DRIVE_NO_ROOT_DIR) rt::raiseStandard(errDeviceUnavailable);
    return fullPathName(root + ".");
}

std::wstring currentFolder() {
    return rt::fromAnsi(PathBuffers::sizedByAnswer(MAX_PATH, [](char* buffer, DWORD room) {
        return GetCurrentDirectoryA(room, buffer);
    }));
}

}  // namespace

// The call leaves a path as it was when the result would not fit; so does
// this member for a path longer than the call takes.
std::wstring cPathExt::addExtension(const std::wstring& sFilename, const std::wstring& sExtension) const {
    std::string extension = rt::toAnsi(!sExtension.empty() && sExtension[0] == L'.' ? sExtension : L"." + sExtension);
    return edited(sFilename, [&](char* buffer) { PathAddExtensionA(buffer, extension.c_str()); }).value_or(sFilename);
}

// The call empties the path when the joined one would not fit.
std::wstring cPathExt::appendFileName(const std::wstring& sPath, const std::wstring& sFilename) const {
    std::string name = rt::toAnsi(sFilename);
    if (!fits(name)) return L"";
    return edited(sPath, [&](char* buffer) { PathAppendA(buffer, name.c_str()); }).value_or(L"");
}

rt::Variant cPathExt::compactPath(const std::wstring& sPath, int32_t lMaxChars) const {
    // The result is never longer than the path, whatever lMaxChars asks.
    std::string path = rt::toAnsi(sPath);
    if (!fits(path)) return std::wstring();
    return filled(path.size(), [&](char* buffer) {
        PathCompactPathExA(buffer, path.c_str(), static_cast<UINT>(lMaxChars), 0);
    });
}

std::wstring cPathExt::getDrive(const std::wstring& sFile) const {
    size_t p = sFile.find(L":\\");
    return p == 0 || p == 1 ? sFile.substr(0, p + 2) : std::wstring();
}

std::wstring cPathExt::getEqualPart(const std::wstring& sPath1, const std::wstring& sPath2) const {
    std::string a = rt::toAnsi(sPath1), b = rt::toAnsi(sPath2);
    if (!fits(a) || !fits(b)) return commonPrefix(sPath1, sPath2);
    return filled(std::max(a.size(), b.size()), [&](char* buffer) { PathCommonPrefixA(a.c_str(), b.c_str(), buffer); });
}

std::wstring cPathExt::getFileExtension(const std::wstring& sFile) const {
    if (sFile.find(L'\\') == std::wstring::npos) return L"";
    std::wstring name = afterLastBackslash(sFile);
    size_t q = name.rfind(L'.');
    return q == std::wstring::npos ? std::wstring() : name.substr(q);
}

std::wstring cPathExt::getFileName(const std::wstring& sFile) const {
    if (sFile.find(L'\\') == std::wstring::npos) return L"";
    std::wstring name = afterLastBackslash(sFile);
    return name.substr(0, name.rfind(L'.'));
}

std::wstring cPathExt::getFilePart(const std::wstring& sFile) const {
    std::string ansi = rt::toAnsi(sFile);
    if (!fits(ansi)) return L"";
    return pointerToString(PathFindFileNameA(ansi.c_str()));
}

std::wstring cPathExt::getFolderName(const std::wstring& sPath) const {
    return afterLastBackslash(withoutTrailingBackslash(normalizePath(sPath)));
}

std::wstring cPathExt::getFolderPart(const std::wstring& sPath) const {
    std::wstring s = normalizePath(sPath);
    size_t p = s.find(L'\\');
    return p == std::wstring::npos ? std::wstring() : s.substr(p);
}

rt::Variant cPathExt::getLongPathName(const std::wstring& sPath) const {
    std::string path = rt::toAnsi(sPath);
    return fits(path) ? fullPathName(path) : std::wstring();
}

std::wstring cPathExt::getParentFolder(const std::wstring& sPath) const {
    std::wstring s = withoutTrailingBackslash(sPath);
    size_t p = s.rfind(L'\\');
    return p == std::wstring::npos ? std::wstring() : s.substr(0, p);
}

std::wstring cPathExt::getParentFolderName(const std::wstring& sPath) const {
    return afterLastBackslash(getParentFolder(sPath));
}

std::wstring cPathExt::getRoot(const std::wstring& sPath) const {
    return edited(sPath, [](char* buffer) { PathStripToRootA(buffer); }).value_or(L"");
}

bool cPathExt::hasFileExtension(const std::wstring& sFile) const {
    size_t p = sFile.rfind(L'.');
    return p != std::wstring::npos && sFile.find(L'\\', p + 1) == std::wstring::npos;
}

// A path is within a prefix when their common prefix is the whole prefix.
bool cPathExt::hasPrefix(const std::wstring& sPath, const std::wstring& sPrefix) const {
    // The platform's common prefix of two paths ends before a "\" unless it
    // is a root, so a folder with its trailing "\" would never be a prefix.
    // A text longer than the calls take is no root.
    std::wstring prefix = normalizePath(sPrefix);
    if (!prefix.empty() && !isRoot(prefix)) prefix.pop_back();
    std::string ansiPrefix = rt::toAnsi(prefix), path = rt::toAnsi(sPath);
    if (!fits(ansiPrefix) || !fits(path)) return commonPrefix(sPath, prefix).size() == prefix.size();
    return PathIsPrefixA(ansiPrefix.c_str(), path.c_str()) != 0;
}

bool cPathExt::isNetworkPath(const std::wstring& sPath) const { return asks(sPath, PathIsUNCA); }

bool cPathExt::isRelative(const std::wstring& sPath) const { return asks(sPath, PathIsRelativeA); }

bool cPathExt::isRoot(const std::wstring& sPath) const { return asks(sPath, PathIsRootA); }

bool cPathExt::isSameDrive(const std::wstring& sPath1, const std::wstring& sPath2) const {
    std::string path1 = rt::toAnsi(sPath1), path2 = rt::toAnsi(sPath2);
    return fits(path1) && fits(path2) && PathIsSameRootA(path1.c_str(), path2.c_str());
}

bool cPathExt::isURL(const std::wstring& sPath) const { return asks(sPath, PathIsURLA); }

std::wstring cPathExt::parsePath(const std::wstring& sPath) const {
    std::string path = rt::toAnsi(sPath);
    if (!fits(path)) return L"";
    // Canonical forms are no longer than the path, but for a "\" after a drive.
    return filled(path.size() + 1, [&](char* buffer) { PathCanonicalizeA(buffer, path.c_str()); });
}

std::wstring cPathExt::quote(const std::wstring& sPath) const {
    // The call leaves a path as it was when the quoted one would not fit.
    return edited(sPath, [](char* buffer) { PathQuoteSpacesA(buffer); }).value_or(sPath);
}

std::wstring cPathExt::replaceFileExtension(const std::wstring& sFile, const std::wstring& sExtension) const {
    std::wstring folder = getParentFolder(sFile);
    if (!folder.empty()) folder = normalizePath(folder);
    return folder + getFileName(sFile) + sExtension;
}

void cPathExt::splitPath(const std::wstring& sFullPath, std::wstring& sDrive, std::wstring& sFolder,
                         std::wstring& sFilename) const {
    std::wstring rest = sFullPath;
    if (rest.size() >= 2 && rest[1] == L':') {
        sDrive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    size_t p = rest.rfind(L'\\');
    if (p != std::wstring::npos) {
        sFolder = p == 0 ? L"\\" : rest.substr(0, p);
        sFilename = rest.substr(p + 1);
        return;
    }
    sFilename = rest;
    std::wstring folder = sDrive.empty() ? currentFolder() : currentFolderOfDrive(sDrive);
    if (sDrive.empty()) sDrive = folder.substr(0, 2);
    sFolder = folder.size() > 2 ? folder.substr(2) : std::wstring();
}

std::wstring cPathExt::unQuote(const std::wstring& sPath) const {
    std::optional<std::wstring> unquoted = edited(sPath, [](char* buffer) { PathUnquoteSpacesA(buffer); });
    if (unquoted) return *unquoted;
    // Beyond the call's length, its rule: a path in quotes loses them.
    const bool quoted = sPath.size() >= 2 && sPath.front() == L'"' && sPath.back() == L'"';
    return quoted ? sPath.substr(1, sPath.size() - 2) : sPath;
}

std::wstring cPathExt::pointerToString(const char* p) {
    std::string text(static_cast<size_t>(lstrlenA(p)), '\0');
    lstrcpyA(text.data(), p);
    return rt::fromAnsi(text);
}
