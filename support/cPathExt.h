#pragma once
// Path texts and what the file system and the shell say about them.
// The class keeps nothing between calls; any number of instances behave
// alike. Members are kept in alphabetical order of their names, so the
// remaining ones slot in where they belong.
#include <cstdint>
#include <string>

class cPathExt {
public:
    // True when a file (not a folder) matches `sFile`; wildcards are allowed.
    // Never raises: a missing drive or folder or a malformed name is False.
    bool fileExists(const std::wstring& sFile) const;

    // The path of a shell special folder by its number (26 = the user's
    // application data), without a trailing "\"; "" when there is none.
    std::wstring getSpecialPath(int32_t lNum) const;

    // `sPath` with one "\" added when it does not end in one; "" stays "".
    std::wstring normalizePath(const std::wstring& sPath) const;
};
