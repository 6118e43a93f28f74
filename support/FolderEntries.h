#pragma once
// The entries a search of the file system finds, each with a name that truly
// names it for the ANSI file calls. The ANSI search hands names back after
// best fit ("．．＼v.txt" as "..\v.txt", "Ĉ.txt" as "C.txt", a letter the code
// page lacks as "?"), and the system reads a name ending in dots or blanks
// (made outside Windows) as another one. So the search is made with the wide
// calls, and such an entry is reached by its short (8.3) name, or by none.
// Every walk, listing and delete takes its names from here.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace FolderEntries {

struct Entry {
    std::wstring ownName;  // as the file system holds it
    std::wstring name;     // the name that reaches it; "" when none does
    uint32_t attributes = 0;
    bool reachable() const { return !name.empty(); }
    bool isFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};

struct Found {
    std::vector<Entry> entries;  // in the order the system gives them
    DWORD error = ERROR_SUCCESS;  // when none: why (no match, no folder, or a search that could not run)
};

// The entries matching `pattern`, searched as the ANSI search would search
// it. A pattern the code page does not hold exactly (or holding a NUL) names
// nothing: no entries, ERROR_FILE_NOT_FOUND. One longer than the search takes
// gives ERROR_FILENAME_EXCED_RANGE.
Found find(const std::wstring& pattern);

// The name that reaches an entry: its own name when the code page holds it
// exactly and it does not end in a dot or blank ("." and ".." aside), else
// its short name under the same rule, else "".
std::wstring reachingName(const std::wstring& ownName, const std::wstring& shortName);

}  // namespace FolderEntries
