// The path object's members that ask the file system or the shell about
// paths, or change them.
#include <windows.h>
#include <imagehlp.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwctype>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "runtime/RuntimeError.h"
#include "support/FileStatements.h"
#include "support/PathBuffers.h"
#include "support/cPathExt.h"

namespace {

using namespace FileStatements;

// Whether any entry of the folder `sRoot` (ending in "\") passes `counts`.
template <typename Counts>
bool anyEntry(const std::wstring& sRoot, Counts counts) {
    WIN32_FIND_DATAA found{};
    rt::unique_hfind find = rt::findHandle(FindFirstFileA(rt::toAnsi(sRoot + L"*.*").c_str(), &found));
    if (!find) return false;
    do {
        if (counts(found)) return true;
    } while (FindNextFileA(find.get(), &found));
    return false;
}

bool isDirectory(const WIN32_FIND_DATAA& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

std::wstring upperCase(std::wstring s) {
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return std::towupper(c); });
    return s;
}

// Runs `statement`; false when it raised.
template <typename Statement>
bool succeeds(Statement statement) {
    try {
        statement();
        return true;
    } catch (const rt::RuntimeError&) {
        return false;
    }
}

}  // namespace

void cPathExt::addToRecentDocs(const std::wstring& sFile) const {
    std::string file = rt::toAnsi(sFile);
    SHAddToRecentDocs(SHARD_PATHA, file.c_str());
}

bool cPathExt::createFolderStructure(const std::wstring& sPath) const {
    return MakeSureDirectoryPathExists(rt::toAnsi(sPath).c_str()) != 0;
}

std::wstring cPathExt::createTempFile(const std::wstring& sPrefix) const {
    std::string folder = rt::toAnsi(findTempPath());
    if (folder.empty()) return L"";
    char name[MAX_PATH + 1] = {};
    if (!GetTempFileNameA(folder.c_str(), rt::toAnsi(sPrefix).c_str(), 0, name)) return L"";
    return rt::fromAnsiBuffer(name, sizeof name);
}

bool cPathExt::driveExists(const std::wstring& sDrive) const {
    DWORD n = GetLogicalDriveStringsA(0, nullptr);
    std::string roots(n + 1, '\0');
    if (n == 0 || GetLogicalDriveStringsA(static_cast<DWORD>(roots.size()), roots.data()) == 0) return false;
    return upperCase(rt::fromAnsi(roots)).find(upperCase(sDrive)) != std::wstring::npos;
}

bool cPathExt::driveReady(const std::wstring& sDrive) const {
    if (!driveExists(sDrive)) return false;
    return succeeds([&] { dir(sDrive.substr(0, 1) + L":\\*.*", 0); });
}

bool cPathExt::emptyRecentDocs() const {
    SHAddToRecentDocs(SHARD_PATHA, nullptr);
    return true;
}

bool cPathExt::fileFolderExists(const std::wstring& sPath) const {
    return PathFileExistsA(rt::toAnsi(sPath).c_str()) != 0;
}

std::wstring cPathExt::findTempPath() const {
    return rt::fromAnsi(
        PathBuffers::sizedByAnswer(MAX_PATH, [](char* buffer, DWORD room) { return GetTempPathA(room, buffer); }));
}

bool cPathExt::folderContainsFiles(const std::wstring& sRoot) const {
    return anyEntry(sRoot, [](const WIN32_FIND_DATAA& found) { return !isDirectory(found); });
}

bool cPathExt::folderContainsSubfolders(const std::wstring& sRoot) const {
    return anyEntry(sRoot,
                    [](const WIN32_FIND_DATAA& found) { return isDirectory(found) && found.cFileName[0] != '.'; });
}

bool cPathExt::folderExists(const std::wstring& sFolder) const {
    bool found = false;
    succeeds([&] { found = !dir(sFolder, attrHidden | attrSystem | attrDirectory).empty(); });
    return found;
}

rt::Variant cPathExt::getShortPathName(const std::wstring& Path) const {
    std::string path = rt::toAnsi(Path);
    return rt::fromAnsi(PathBuffers::sizedByAnswer(MAX_PATH, [&](char* buffer, DWORD room) {
        return GetShortPathNameA(path.c_str(), buffer, room);
    }));
}

bool cPathExt::isFolder(const std::wstring& sPath) const { return PathIsDirectoryA(rt::toAnsi(sPath).c_str()) != 0; }

bool cPathExt::isFolderEmpty(const std::wstring& sPath) const {
    return PathIsDirectoryEmptyA(rt::toAnsi(sPath).c_str()) != 0;
}

bool cPathExt::killFile(const std::wstring& sFile, bool bWriteProtect, bool bHidden) const {
    bool ok = true;
    if (bWriteProtect || bHidden) {
        uint32_t attributes = 0;
        if (succeeds([&] { attributes = getAttr(sFile); })) {
            if (bWriteProtect) attributes &= ~static_cast<uint32_t>(FILE_ATTRIBUTE_READONLY);
            if (bHidden) attributes &= ~static_cast<uint32_t>(FILE_ATTRIBUTE_HIDDEN);
            ok = succeeds([&] { setAttr(sFile, attributes); });
        } else {
            ok = false;
        }
    }
    return succeeds([&] { kill(sFile); }) && ok;
}
