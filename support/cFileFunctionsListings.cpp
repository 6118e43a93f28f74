// The file-operations object's folder listings and killFiles.
#include <windows.h>
#include <shlwapi.h>

#include <iterator>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "support/FileStatements.h"
#include "support/FolderLinks.h"
#include "support/FullPaths.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"

namespace {

// Calls `visit`(name, attributes) for each entry of `folder` (ending in "\"
// or empty), "." and ".." included, in the order the platform gives them.
// False when the folder is there but cannot be searched (a path too long for
// the search, say).
template <typename Visit>
bool forEachEntry(const std::wstring& folder, Visit visit) {
    const std::optional<std::string> pattern = rt::toAnsiName(folder + L"*.*");
    if (!pattern) return true;  // names nothing
    WIN32_FIND_DATAA found{};
    rt::unique_hfind find = rt::findHandle(FindFirstFileA(pattern->c_str(), &found));
    if (!find) return FileStatements::meansNoMatch(GetLastError());
    do {
        visit(rt::fromAnsiBuffer(found.cFileName, sizeof found.cFileName), found.dwFileAttributes);
    } while (FindNextFileA(find.get(), &found));
    return true;
}

bool isFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A folder the walks go into: not ".", "..", a name beginning with ".", nor
// a link, which may lead outside the tree or back into it.
bool descends(const std::wstring& folder, const std::wstring& name, DWORD attributes) {
    return name[0] != L'.' && !FolderLinks::leadsElsewhere(folder + name, attributes);
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
    return ok && info.lUnread == 0;  // the files of a folder that could not be read are still there
}

std::vector<std::wstring> cFileFunctions::findFiles(tFindInfo& info, const std::wstring& folder) {
    std::vector<std::wstring> files;
    info.lUnread += !forEachEntry(folder, [&](const std::wstring& name, DWORD attributes) {
        ++info.lScanned;
        if (!isFolder(attributes)) {
            if (matchesMask(info, name, info.sFileMask)) {
                ++info.lFound;
                files.push_back(folder + name);
            }
        } else if (info.bSubFolders && descends(folder, name, attributes)) {
            append(files, findFiles(info, folder + name + L"\\"));
        }
    });
    return files;
}

std::vector<std::wstring> cFileFunctions::findFolders(tFindInfo& info, const std::wstring& folder) {
    std::vector<std::wstring> folders;
    info.lUnread += !forEachEntry(folder, [&](const std::wstring& name, DWORD attributes) {
        ++info.lScanned;
        if (!isFolder(attributes) || name[0] == L'.') return;
        if (matchesMask(info, name, info.sFolderMask)) {
            ++info.lFound;
            folders.push_back(folder + name);
        }
        if (info.bSubFolders && descends(folder, name, attributes))
            append(folders, findFolders(info, folder + name + L"\\"));
    });
    return folders;
}

bool cFileFunctions::matchesMask(const tFindInfo& info, const std::wstring& name, const std::wstring& mask) {
    return (PathMatchSpecW(name.c_str(), mask.c_str()) ? -1 : 0) == info.lMatch;
}
