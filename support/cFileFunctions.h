#pragma once
// File operations: the shell's copy, move, rename and delete, the recycle
// bin, the shredder, trimming a file, deleting a folder tree, and listings
// of a folder's files and folders. The object keeps nothing between calls.
// The walks never go into a junction or a symbolic link to a folder: such a
// link is listed as the folder it is, and a tree delete removes the link
// itself (when the system can tell it is one), never what it points to. A link
// given as the folder itself is the folder the caller named: the listings
// and killFiles take the files of the folder it leads to (folderDelete still
// removes only the link).
#include <cstdint>
#include <string>
#include <vector>

class cFileFunctions {
public:
    // Empties every recycle bin; each option left False leaves its UI out.
    bool emtyRecycleBin(bool bShowConfirmationDialog = false, bool bShowProgress = false, bool bSound = false);
    // The shell's operations. Several sources are given as names separated by
    // NUL characters; a name with wildcards stands for the entries it matches.
    // fileCopy without bOverwrite, fileMove and fileRename never replace
    // anything and never ask: an item whose name is taken gets the first free
    // numbered one ("b (2).txt", a folder "f (2)"). They are True only when
    // the work was done: every source was there, every destination holds its
    // item, and after a move or rename no source is left. A folder into its
    // own tree, a move onto itself, or a rename of more than one item does
    // nothing and is False. With bOverwrite the shell asks before it replaces.
    // fileDelete is True when the shell reports success and nothing was
    // cancelled (a question answered "no"); it raises 75 before the shell sees
    // any name when one of them is not a full path below a root.
    bool fileCopy(const std::wstring& sSource, const std::wstring& sDest, bool bOverwrite = false);
    bool fileDelete(const std::wstring& sSource, bool bNoSubDirs = false, bool bShowProgress = false,
                    bool bShowDialog = false, bool bShowConfirmationDialog = false, bool bDeleteToRecycleBin = false);
    bool fileMove(const std::wstring& sSource, const std::wstring& sDest);
    bool fileRename(const std::wstring& sSource, const std::wstring& sDest);
    // Overwrites the file lCount times with three fixed passes and then
    // lCount times with random bytes, and deletes it. A read-only file is
    // made writable first; False when the file cannot be opened alone, or
    // when a write fails or falls short (a full drive, say) or a pass cannot
    // go back to its start (the passes stop there and the file still goes); a
    // missing file raises 53, a name that is not a full path 75.
    bool fileShredder(const std::wstring& sFile, int32_t lCount);
    // Cuts lBytes off the end of the file (all of it when it is shorter), at
    // any size; False when it is missing or cannot be opened, or when the new
    // end cannot be reached or set (the file stays whole). A negative count raises 5
    // and leaves the file as it is.
    bool fileTrim(const std::wstring& sFile, int32_t lBytes);
    // Deletes the folder `sFolder` (no trailing "\") with its files and
    // subfolders, deepest first. Hidden and system entries and read-only files
    // are not deleted: the run-time error of the first failure is raised, and
    // what was deleted before stays deleted. A folder that is not given as a
    // full path below a root (FullPaths) raises 75 before anything goes.
    bool folderDelete(const std::wstring& sFolder);
    // Full paths of the files whose names match the mask (wildcards * and ?,
    // several masks separated by ";", case ignored; "" matches nothing), in
    // the folder or its whole tree. Hidden files are listed; folders whose
    // names begin with "." are not searched. An entry whose own name the
    // file calls cannot use (one the code page does not hold, or ending in a
    // dot or blank) is listed by its short (8.3) name, or left out.
    std::vector<std::wstring> getFilesInFolder(const std::wstring& sFolder, const std::wstring& sFileNameExt = L"",
                                               bool bSubFolders = false);
    // Full paths (no trailing "\") of the matching folders, each before the
    // folders inside it; without bSubFolders only the folder's own subfolders.
    std::vector<std::wstring> getFolders(const std::wstring& sFolder, const std::wstring& sFolderMask = L"",
                                         bool bSubFolders = false);
    // As cPathExt::killFile.
    bool killFile(const std::wstring& sFile, bool bWriteProtect = false, bool bHidden = false);
    // Deletes every file of the folder or its tree (folders stay); False when
    // any could not be deleted or named (see getFilesInFolder), or when a
    // folder of the walk could not be searched or named (its files stay; the
    // others still go). A folder that is not given as a full path below a
    // root raises 75 before anything goes.
    bool killFiles(const std::wstring& sFolder, bool bSubFolders = false, bool bWriteProtect = false,
                   bool bHidden = false);

private:
    // One search's settings and counts, handed through the whole walk.
    struct tFindInfo {
        bool bSubFolders = false;
        int32_t lMatch = -1;  // a name is taken when its match (-1) or mismatch (0) equals this
        int32_t lFound = 0;
        int32_t lScanned = 0;
        int32_t lUnreached = 0;  // folders that are there but could not be searched, entries no name reaches
        std::wstring sFileMask;
        std::wstring sFolderMask;
        std::wstring sStartFolder;
    };

    static bool fileExistsInternal(const std::wstring& sFile);
    static tFindInfo startSearch(const std::wstring& sFolder, bool bSubFolders);
    std::vector<std::wstring> findFiles(tFindInfo& info, const std::wstring& folder);
    std::vector<std::wstring> findFolders(tFindInfo& info, const std::wstring& folder);
    static bool matchesMask(const tFindInfo& info, const std::wstring& name, const std::wstring& mask);
};
