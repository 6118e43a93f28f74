#pragma once
// Path texts and what the file system and the shell say about them.
// The class keeps nothing between calls; any number of instances behave
// alike. Members are in alphabetical order of their names. Positions and
// searches in path texts are exact (case-sensitive); only "\" separates.
// Buffers handed to the platform's path calls are sized for the longest
// answer the call can give, whatever the text's length. A text longer than a
// call takes (MAX_PATH bytes in the code page, its NUL counted) is never
// handed to it: the member answers as for a bad path (False, or "") unless
// its note says otherwise.
#include <cstdint>
#include <string>

#include "runtime/Variant.h"

class cPathExt {
public:
    // `sFilename` with the extension added (a "." put in front when it lacks
    // one) by PathAddExtensionA; unchanged when the result would be too long.
    std::wstring addExtension(const std::wstring& sFilename, const std::wstring& sExtension) const;
    // Adds the file to the shell's list of recent documents.
    void addToRecentDocs(const std::wstring& sFile) const;
    // `sPath` and `sFilename` joined by PathAppendA; "" when too long.
    std::wstring appendFileName(const std::wstring& sPath, const std::wstring& sFilename) const;
    // `sPath` shortened with "..." to at most lMaxChars characters, the
    // terminating zero counted (PathCompactPathExA); a text.
    rt::Variant compactPath(const std::wstring& sPath, int32_t lMaxChars) const;
    // Creates every folder up to the last "\" of `sPath`.
    bool createFolderStructure(const std::wstring& sPath) const;
    // A new empty file in the temporary folder, named with the prefix; its
    // full path, or "" when none can be made there: also when the folder is
    // longer than MAX_PATH - 14 characters, or the prefix's first three
    // characters hold "\", "/" or ":".
    std::wstring createTempFile(const std::wstring& sPrefix = L"") const;
    // True when `sDrive` occurs in the list of drive roots, case ignored
    // ("c", "C:" and "c:\" all find drive C; "" is found too).
    bool driveExists(const std::wstring& sDrive) const;
    // True when the drive exists and its root can be searched.
    bool driveReady(const std::wstring& sDrive) const;
    // Clears the shell's list of recent documents.
    bool emptyRecentDocs() const;
    // True when a file (not a folder) matches `sFile`; wildcards are allowed.
    // Never raises: a missing drive or folder or a malformed name is False.
    bool fileExists(const std::wstring& sFile) const;
    // True when a file or folder of that name exists (PathFileExistsA).
    bool fileFolderExists(const std::wstring& sPath) const;
    // The temporary folder, ending in "\" as the platform gives it.
    std::wstring findTempPath() const;
    // Whether the folder `sRoot` (ending in "\") holds a file, or a subfolder
    // whose name does not begin with ".".
    bool folderContainsFiles(const std::wstring& sRoot) const;
    bool folderContainsSubfolders(const std::wstring& sRoot) const;
    // True when anything (a folder or a file) matches `sFolder`; never raises.
    bool folderExists(const std::wstring& sFolder) const;
    // "C:\" when ":\" starts at position 1 or 2, else "".
    std::wstring getDrive(const std::wstring& sFile) const;
    // The common prefix of two paths (PathCommonPrefixA; for paths longer
    // than it takes, the same rule without it).
    std::wstring getEqualPart(const std::wstring& sPath1, const std::wstring& sPath2) const;
    // The last component's extension with its dot, or "": a dot in a folder
    // name is never taken, and a name without any "\" has none.
    std::wstring getFileExtension(const std::wstring& sFile) const;
    // The last component without its extension; "" for a name without "\".
    std::wstring getFileName(const std::wstring& sFile) const;
    // The text from where PathFindFileNameA puts the file name.
    std::wstring getFilePart(const std::wstring& sFile) const;
    // The last component of `sPath` taken as a folder ("b" of C:\a\b\).
    std::wstring getFolderName(const std::wstring& sPath) const;
    // `sPath` from its first "\" on, as a folder ending in "\".
    std::wstring getFolderPart(const std::wstring& sPath) const;
    // The full path of `sPath` (GetFullPathNameA); a text.
    rt::Variant getLongPathName(const std::wstring& sPath) const;
    // The path without its last component and trailing "\" (C:\a of C:\a\b\).
    std::wstring getParentFolder(const std::wstring& sPath) const;
    // The name of the folder holding the last component (b of C:\a\b\c.txt).
    std::wstring getParentFolderName(const std::wstring& sPath) const;
    // The root of `sPath` (PathStripToRootA).
    std::wstring getRoot(const std::wstring& sPath) const;
    // The short (8.3) form of an existing path, or ""; a text.
    rt::Variant getShortPathName(const std::wstring& Path) const;
    // The path of a shell special folder by its number (26 = the user's
    // application data), without a trailing "\"; "" when there is none.
    std::wstring getSpecialPath(int32_t lNum) const;
    // True when the last "." comes after the last "\" ("c." has one).
    bool hasFileExtension(const std::wstring& sFile) const;
    // True when `sPath` lies in the folder `sPrefix`, given with or without
    // its trailing "\" (PathIsPrefixA; for longer texts, its rule).
    bool hasPrefix(const std::wstring& sPath, const std::wstring& sPrefix) const;
    bool isFolder(const std::wstring& sPath) const;
    bool isFolderEmpty(const std::wstring& sPath) const;
    bool isNetworkPath(const std::wstring& sPath) const;
    bool isRelative(const std::wstring& sPath) const;
    bool isRoot(const std::wstring& sPath) const;
    bool isSameDrive(const std::wstring& sPath1, const std::wstring& sPath2) const;
    bool isURL(const std::wstring& sPath) const;
    // Deletes the file or every plain file matching a pattern, first clearing
    // its read-only and hidden bits when asked; False on any failure.
    bool killFile(const std::wstring& sFile, bool bWriteProtect = false, bool bHidden = false) const;
    // `sPath` with one "\" added when it does not end in one; "" stays "".
    std::wstring normalizePath(const std::wstring& sPath) const;
    // The canonical form of `sPath` (PathCanonicalizeA), or "".
    std::wstring parsePath(const std::wstring& sPath) const;
    // `sPath` in double quotes when it holds a blank (PathQuoteSpacesA);
    // unchanged when the quoted path would be too long.
    std::wstring quote(const std::wstring& sPath) const;
    // The parent folder with "\", the file name without its extension, then
    // `sExtension` as given (with its dot).
    std::wstring replaceFileExtension(const std::wstring& sFile, const std::wstring& sExtension) const;
    // Splits into drive ("C:"), folder and file name. A name without a folder
    // gets the current folder of its drive (or of the current drive, which
    // then fills `sDrive`); a drive that does not exist raises 68.
    void splitPath(const std::wstring& sFullPath, std::wstring& sDrive, std::wstring& sFolder,
                   std::wstring& sFilename) const;
    // `sPath` without its surrounding double quotes (PathUnquoteSpacesA, or
    // its rule for longer paths).
    std::wstring unQuote(const std::wstring& sPath) const;

private:
    // The zero-terminated ANSI text at `p`, as program text.
    static std::wstring pointerToString(const char* p);
};
