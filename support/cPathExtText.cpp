// The path object's members that compute on path texts, by its own text
// rules or through the platform's path-text calls; none asks the disk.
#include <windows.h>
#include <shlwapi.h>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/PathBuffers.h"
#include "support/cPathExt.h"

namespace {

constexpr int32_t errDeviceUnavailable = 68;
constexpr size_t kEditRoom = 100;  // the most an edited path may grow

std::wstring fromBuffer(const std::string& buffer) { return rt::fromAnsiBuffer(buffer.data(), buffer.size()); }

// `text` edited in place by `edit`, which may make it kEditRoom longer.
template <typename Edit>
std::wstring edited(const std::wstring& text, Edit edit) {
    std::string buffer = PathBuffers::editRoom(rt::toAnsi(text), kEditRoom);
    edit(buffer.data());
    return fromBuffer(buffer);
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

std::wstring cPathExt::addExtension(const std::wstring& sFilename, const std::wstring& sExtension) const {
    std::string extension = rt::toAnsi(!sExtension.empty() && sExtension[0] == L'.' ? sExtension : L"." + sExtension);
    return edited(sFilename, [&](char* buffer) { PathAddExtensionA(buffer, extension.c_str()); });
}

std::wstring cPathExt::appendFileName(const std::wstring& sPath, const std::wstring& sFilename) const {
    std::string name = rt::toAnsi(sFilename);
    return edited(sPath, [&](char* buffer) { PathAppendA(buffer, name.c_str()); });
}

rt::Variant cPathExt::compactPath(const std::wstring& sPath, int32_t lMaxChars) const {
    // The result is never longer than the path, whatever lMaxChars asks.
    std::string path = rt::toAnsi(sPath);
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

rt::Variant cPathExt::getLongPathName(const std::wstring& sPath) const { return fullPathName(rt::toAnsi(sPath)); }

std::wstring cPathExt::getParentFolder(const std::wstring& sPath) const {
    std::wstring s = withoutTrailingBackslash(sPath);
    size_t p = s.rfind(L'\\');
    return p == std::wstring::npos ? std::wstring() : s.substr(0, p);
}

std::wstring cPathExt::getParentFolderName(const std::wstring& sPath) const {
    return afterLastBackslash(getParentFolder(sPath));
}

std::wstring cPathExt::getRoot(const std::wstring& sPath) const {
    return edited(sPath, [](char* buffer) { PathStripToRootA(buffer); });
}

bool cPathExt::hasFileExtension(const std::wstring& sFile) const {
    size_t p = sFile.rfind(L'.');
    return p != std::wstring::npos && sFile.find(L'\\', p + 1) == std::wstring::npos;
}

bool cPathExt::hasPrefix(const std::wstring& sPath, const std::wstring& sPrefix) const {
    // The platform's common prefix of two paths ends before a "\" unless it
    // is a root, so a folder with its trailing "\" would never be a prefix.
    std::string prefix = rt::toAnsi(normalizePath(sPrefix));
    if (!prefix.empty() && !PathIsRootA(prefix.c_str())) prefix.pop_back();
    return PathIsPrefixA(prefix.c_str(), rt::toAnsi(sPath).c_str()) != 0;
}

bool cPathExt::isNetworkPath(const std::wstring& sPath) const { return PathIsUNCA(rt::toAnsi(sPath).c_str()) != 0; }

bool cPathExt::isRelative(const std::wstring& sPath) const {
    return PathIsRelativeA(rt::toAnsi(sPath).c_str()) != 0;
}

bool cPathExt::isRoot(const std::wstring& sPath) const { return PathIsRootA(rt::toAnsi(sPath).c_str()) != 0; }

bool cPathExt::isSameDrive(const std::wstring& sPath1, const std::wstring& sPath2) const {
    return PathIsSameRootA(rt::toAnsi(sPath1).c_str(), rt::toAnsi(sPath2).c_str()) != 0;
}

bool cPathExt::isURL(const std::wstring& sPath) const { return PathIsURLA(rt::toAnsi(sPath).c_str()) != 0; }

std::wstring cPathExt::parsePath(const std::wstring& sPath) const {
    std::string path = rt::toAnsi(sPath);
    // Canonical forms are no longer than the path, but for a "\" after a drive.
    return filled(path.size() + 1, [&](char* buffer) { PathCanonicalizeA(buffer, path.c_str()); });
}

std::wstring cPathExt::quote(const std::wstring& sPath) const {
    return edited(sPath, [](char* buffer) { PathQuoteSpacesA(buffer); });
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
    return edited(sPath, [](char* buffer) { PathUnquoteSpacesA(buffer); });
}

std::wstring cPathExt::pointerToString(const char* p) {
    std::string text(static_cast<size_t>(lstrlenA(p)), '\0');
    lstrcpyA(text.data(), p);
    return rt::fromAnsi(text);
}
