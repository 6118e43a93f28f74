#pragma once
// The deleting walks take only a full path to something below a root. An
// empty text, a bare drive ("C:"), a drive or share root, or a path that
// depends on the current drive or folder ("sub", "\sub", "C:sub") would make
// them walk from wherever the process happens to stand, or from a root.
#include <string>

namespace FullPaths {

// True for "C:\x" and "\\server\share\x" (also behind "\\?\" and
// "\\?\UNC\", or "\\.\" and "\\.\UNC\"), "/" counting as "\", when "."
// and ".." leave something below the root. Only the literal "\\?\" keeps
// ".." from climbing over the drive or share; "//?/" and any other mix of
// separators is judged as "\\.\" is. A last name with wildcards counts
// as its folder ("C:\*.tmp" is the root). False for a path the ANSI code page
// does not hold exactly: the system would be given another one.
bool namesBelowRoot(const std::wstring& path);

// Raises 75 (path/file access error) unless namesBelowRoot(path).
void requireBelowRoot(const std::wstring& path);

}  // namespace FullPaths
