#pragma once
// The runtime's file statements that the support classes rest on: the
// directory match, deleting files by name or pattern, removing a folder,
// a file's length and attributes. Failures raise the runtime's file errors
// (53 file not found, 70 permission denied, 75 path/file access, 76 path not
// found, ...). Names go through the ANSI file calls; a name the code page
// does not hold exactly names nothing there (rt::toAnsiName): it matches
// nothing, and a statement reports it as a missing file or folder. The
// names a search finds come from FolderEntries, which checks them the same way.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace FileStatements {

// Attribute bits a directory match can ask for; plain entries (read-only
// and archive included) always match.
constexpr uint32_t attrHidden = 2, attrSystem = 4, attrDirectory = 16;

// Raises the runtime's file error for a failed Win32 file call.
[[noreturn]] void raiseFileError(DWORD win32Error);

// `name` for the ANSI file calls; a name the code page does not hold raises
// the file error of `win32Error`, the one the call gives for such a name,
// and one longer than the calls take (MAX_PATH) raises 75.
std::string ansiFileName(const std::wstring& name, DWORD win32Error);

// The names of the entries matching `pattern` whose hidden, system and folder
// bits are all asked for in `mask`, each a name that truly names its entry
// (FolderEntries); an entry no name reaches is left out. A pattern ending in
// "\" or ":" searches the folder's content. No match and a missing folder
// give none; a name that cannot be searched (a drive not ready, a malformed
// name) raises.
std::vector<std::wstring> dirEntries(const std::wstring& pattern, uint32_t mask);
// The first such name, or "".
std::wstring dir(const std::wstring& pattern, uint32_t mask);

// True for the errors of a search that found nothing (no match, no such
// folder), as against one that could not search.
bool meansNoMatch(DWORD win32Error);

// True when the name holds "*" or "?", or "<", ">" or '"', which the
// system's search also takes as wildcards.
bool hasWildcard(std::wstring_view name);

// Deletes every plain file (not hidden, system or a folder) matching
// `pattern`; none matching raises 53, a file that cannot go raises. A
// pattern with wildcards takes only the files whose own names match it by the
// system's rules (SearchPatterns), not by their short (8.3) names; a name
// without any is the file it names. A matching file that no name reaches
// stays, and once the others are gone that raises 75.
void kill(const std::wstring& pattern);
// Removes an empty folder.
void rmDir(const std::wstring& folder);

int64_t fileLen(const std::wstring& file);
uint32_t getAttr(const std::wstring& path);
void setAttr(const std::wstring& path, uint32_t attributes);

}  // namespace FileStatements
