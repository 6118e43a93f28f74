// The file-operations object's folder listings and killFiles.
#include <windows.h>
#include <shlwapi.h>

#include <iterator>

#include "support/FileStatements.h"
#include "support/FolderEntries.h"
#include "support/FolderLinks.h"
#include "support/FullPaths.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"

namespace {

// Calls `visit`(entry) for each entry of `folder` (ending in "\" or empty),
// "." and ".." included, in the order the platform gives them. False when the
// folder is there but cannot be searched (a path too long for the search,
// say).
template <typename Visit>
bool forEachEntry(const std::wstring& folder, Visit visit) {
    const FolderEntries::Found found = FolderEntries::find(folder + L"*.*");
    for (const FolderEntries::Entry& entry : found.entries) visit(entry);
    return found.error == ERROR_SUCCESS || FileStatements::meansNoMatch(found.error);
}

// Whether a walk goes into the folder `entry`: not into ".", "..", a name
// beginning with ".", nor a link, which may lead outside the tree or back
// into it. One that no name reaches is counted in `unreached`.
bool descends(const std::wstring& folder, const FolderEntries::Entry& entry, int32_t& unreached) {
    if (entry.ownName[0] == L'.') return false;
    if (!entry.reachable()) {
        ++unreached;
        return false;
    }
    return !FolderLinks::leadsElsewhere(folder + entry.name, entry.attributes);
}

void append(std::vector<std::wstring>& to, std::vector<std::wstring>&& more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

}  // namespace

cFileFunctions::tFindInfo cFileFunctions::startSearch(const std::wstring& sFolder, bool bSubFolders) {
    tFindInfo info;
    info.bSubFolders = bSubFolders;
    info.sStartFolder = cPathExt().normalizePath(sFolder);
    return info;
}

std::vector<std::wstring> cFileFunctions::getFilesInFolder(const std::wstring& sFolder,
                                                           const std::wstring& sFileNameExt, bool bSubFolders) {
    tFindInfo info = startSearch(sFolder, bSubFolders);
    info.sFileMask = sFileNameExt;
    return findFiles(info, info.sStartFolder);
}

std::vector<std::wstring> cFileFunctions::getFolders(const std::wstring& sFolder, const std::wstring& sFolderMask,
                                                     bool bSubFolders) {
    tFindInfo info = startSearch(sFolder, bSubFolders);
    info.sFolderMask = sFolderMask;
    return findFolders(info, info.sStartFolder);
}

bool cFileFunctions::killFiles(const std::wstring& sFolder, bool bSubFolders, bool bWriteProtect, bool bHidden) {
    FullPaths::requireBelowRoot(sFolder);
    tFindInfo info = startSearch(sFolder, bSubFolders);
    info.sFileMask = L"*.*";
    bool ok = true;
    for (const std::wstring& file : findFiles(info, info.sStartFolder))
        if (!killFile(file, bWriteProtect, bHidden)) ok = false;
    return ok && info.lUnreached == 0;  // what the walk could not reach is still there
}

// An entry no name reaches is left out, and counted as unreached when it
// matches or the walk would go into it.
std::vector<std::wstring> cFileFunctions::findFiles(tFindInfo& info, const std::wstring& folder) {
    std::vector<std::wstring> files;
    info.lUnreached += !forEachEntry(folder, [&](const FolderEntries::Entry& entry) {
        ++info.lScanned;
        if (entry.isFolder()) {
            if (info.bSubFolders && descends(folder, entry, info.lUnreached))
                append(files, findFiles(info, folder + entry.name + L"\\"));
        } else if (matchesMask(info, entry.ownName, info.sFileMask)) {
            if (!entry.reachable()) {
                ++info.lUnreached;
                return;
            }
            ++info.lFound;
            files.push_back(folder + entry.name);
        }
    });
    return files;
}

std::vector<std::wstring> cFileFunctions::findFolders(tFindInfo& info, const std::wstring& folder) {
    std::vector<std::wstring> folders;
    info.lUnreached += !forEachEntry(folder, [&](const FolderEntries::Entry& entry) {
        ++info.lScanned;
        if (!entry.isFolder() || entry.ownName[0] == L'.') return;
        if (entry.reachable() && matchesMask(info, entry.ownName, info.sFolderMask)) {
            ++info.lFound;
            folders.push_back(folder + entry.name);
        }
        if (info.bSubFolders && descends(folder, entry, info.lUnreached))
            append(folders, findFolders(info, folder + entry.name + L"\\"));
    });
    return folders;
}

bool cFileFunctions::matchesMask(const tFindInfo& info, const std::wstring& name, const std::wstring& mask) {
    // A mask holding a NUL matches nothing: the call would read only the part before it.
    const bool match = mask.find(L'\0') == std::wstring::npos && PathMatchSpecW(name.c_str(), mask.c_str());
    return (match ? -1 : 0) == info.lMatch;
}
