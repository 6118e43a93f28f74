// The path object's members that ask the file system or the shell about
// paths, or change them.
#include <windows.h>
#include <imagehlp.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwctype>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "runtime/RuntimeError.h"
#include "support/FileStatements.h"
#include "support/FolderEntries.h"
#include "support/PathBuffers.h"
#include "support/PathLimits.h"
#include "support/cPathExt.h"

namespace {

using namespace FileStatements;

using PathLimits::callName;

// What the ANSI path call `ask` says about `name`; false for a name it
// cannot be asked about.
template <typename Ask>
bool askAbout(const std::wstring& name, Ask ask) {
    const std::optional<std::string> ansi = callName(name);
    return ansi && ask(ansi->c_str());
}

// The part of a prefix that GetTempFileNameA puts in its names: their
// first three characters. One that holds a "\", "/" or ":" would put
// the file in another folder, or name a stream of another file.
bool isPlainTempPrefix(const std::wstring& prefix) {
    return prefix.substr(0, 3).find_first_of(L"\\/:") == std::wstring::npos;
}

// Whether any entry of the folder `sRoot` (ending in "\") passes `counts`.
// An entry counts by its own name, whether or not a name reaches it: it is
// there.
template <typename Counts>
bool anyEntry(const std::wstring& sRoot, Counts counts) {
    const FolderEntries::Found found = FolderEntries::find(sRoot + L"*.*");
    return std::any_of(found.entries.begin(), found.entries.end(), counts);
}

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
    const std::optional<std::string> file = callName(sFile);
    if (file) SHAddToRecentDocs(SHARD_PATHA, file->c_str());
}

bool cPathExt::createFolderStructure(const std::wstring& sPath) const {
    return askAbout(sPath, MakeSureDirectoryPathExists);
}

// The call makes the file itself: folder and prefix are checked first, so
// that the name it makes is the one it reports, in the temporary folder.
std::wstring cPathExt::createTempFile(const std::wstring& sPrefix) const {
    const std::optional<std::string> folder = callName(findTempPath(), PathLimits::kTempFolder);
    const std::optional<std::string> prefix = rt::toAnsiName(sPrefix);
    if (!folder || folder->empty() || !prefix || !isPlainTempPrefix(sPrefix)) return L"";
    char name[MAX_PATH + 1] = {};
    if (!GetTempFileNameA(folder->c_str(), prefix->c_str(), 0, name)) return L"";
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
    return askAbout(sPath, PathFileExistsA);
}

std::wstring cPathExt::findTempPath() const {
    return rt::fromAnsi(
        PathBuffers::sizedByAnswer(MAX_PATH, [](char* buffer, DWORD room) { return GetTempPathA(room, buffer); }));
}

bool cPathExt::folderContainsFiles(const std::wstring& sRoot) const {
    return anyEntry(sRoot, [](const FolderEntries::Entry& entry) { return !entry.isFolder(); });
}

bool cPathExt::folderContainsSubfolders(const std::wstring& sRoot) const {
    return anyEntry(sRoot,
                    [](const FolderEntries::Entry& entry) { return entry.isFolder() && entry.ownName[0] != L'.'; });
}

bool cPathExt::folderExists(const std::wstring& sFolder) const {
    bool found = false;
    succeeds([&] { found = !dir(sFolder, attrHidden | attrSystem | attrDirectory).empty(); });
    return found;
}

rt::Variant cPathExt::getShortPathName(const std::wstring& Path) const {
    const std::optional<std::string> path = callName(Path);
    if (!path) return std::wstring();
    return rt::fromAnsi(PathBuffers::sizedByAnswer(MAX_PATH, [&](char* buffer, DWORD room) {
        return GetShortPathNameA(path->c_str(), buffer, room);
    }));
}

bool cPathExt::isFolder(const std::wstring& sPath) const { return askAbout(sPath, PathIsDirectoryA); }

bool cPathExt::isFolderEmpty(const std::wstring& sPath) const {
    return askAbout(sPath, PathIsDirectoryEmptyA);
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
