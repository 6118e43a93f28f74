#include "support/FileStatements.h"

#include <algorithm>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/PathLimits.h"
#include "support/FolderEntries.h"
#include "support/SearchPatterns.h"

namespace FileStatements {
namespace {

constexpr int32_t errDiskFull = 61, errTooManyFiles = 67, errDiskNotReady = 71;

bool matchesMask(DWORD attributes, uint32_t mask) {
    return (attributes & (attrHidden | attrSystem | attrDirectory) & ~mask) == 0;
}

// The folder part of a pattern, with its "\" (or the drive's ":").
std::wstring folderOf(const std::wstring& pattern) {
    size_t p = pattern.find_last_of(L"\\/:");
    return p == std::wstring::npos ? std::wstring() : pattern.substr(0, p + 1);
}

std::wstring searchPattern(const std::wstring& pattern) {
    if (!pattern.empty() && (pattern.back() == L'\\' || pattern.back() == L':')) return pattern + L"*.*";
    return pattern;
}

// The entries matching `pattern` whose bits are asked for in `mask`, those
// no name reaches included.
std::vector<FolderEntries::Entry> matchingEntries(const std::wstring& pattern, uint32_t mask) {
    FolderEntries::Found found = FolderEntries::find(searchPattern(pattern));
    if (found.error != ERROR_SUCCESS && !meansNoMatch(found.error)) raiseFileError(found.error);
    std::erase_if(found.entries,
                  [&](const FolderEntries::Entry& entry) { return !matchesMask(entry.attributes, mask); });
    return std::move(found.entries);
}

// The system's search also matches a name by its short form ("*.htm" finds
// "page.html" as PAGE~1.HTM): of a pattern with wildcards, only the entries
// whose own names match it.
void keepLongNameMatches(std::vector<FolderEntries::Entry>& entries, const std::wstring& pattern) {
    if (!hasWildcard(pattern)) return;
    std::erase_if(entries, [&](const FolderEntries::Entry& entry) {
        return !SearchPatterns::matches(entry.ownName, pattern);
    });
}

}  // namespace

bool meansNoMatch(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

void raiseFileError(DWORD win32Error) {
    switch (win32Error) {
        case ERROR_FILE_NOT_FOUND: rt::raiseStandard(rt::errFileNotFound);
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE: rt::raiseStandard(rt::errPathNotFound);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: rt::raiseStandard(rt::errPermissionDenied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: rt::raiseStandard(errDiskFull);
        case ERROR_TOO_MANY_OPEN_FILES: rt::raiseStandard(errTooManyFiles);
        case ERROR_NOT_READY: rt::raiseStandard(errDiskNotReady);
        default: rt::raiseStandard(rt::errPathFileAccess);
    }
}

std::string ansiFileName(const std::wstring& name, DWORD win32Error) {
    std::optional<std::string> ansi = rt::toAnsiName(name);
    if (!ansi) raiseFileError(win32Error);
    if (!PathLimits::fits(*ansi)) raiseFileError(ERROR_FILENAME_EXCED_RANGE);
    return *ansi;
}

bool hasWildcard(std::wstring_view name) { return name.find_first_of(L"*?<>\"") != std::wstring_view::npos; }

std::vector<std::wstring> dirEntries(const std::wstring& pattern, uint32_t mask) {
    std::vector<std::wstring> names;
    for (const FolderEntries::Entry& entry : matchingEntries(pattern, mask))
        if (entry.reachable()) names.push_back(entry.name);
    return names;
}

std::wstring dir(const std::wstring& pattern, uint32_t mask) {
    std::vector<std::wstring> names = dirEntries(pattern, mask);
    return names.empty() ? std::wstring() : names.front();
}

void kill(const std::wstring& pattern) {
    const std::wstring folder = folderOf(pattern);
    std::vector<FolderEntries::Entry> entries = matchingEntries(pattern, 0);
    keepLongNameMatches(entries, pattern.substr(folder.size()));
    if (entries.empty()) rt::raiseStandard(rt::errFileNotFound);
    bool left = false;
    for (const FolderEntries::Entry& entry : entries) {
        if (!entry.reachable())
            left = true;
        else if (!DeleteFileA(ansiFileName(folder + entry.name, ERROR_FILE_NOT_FOUND).c_str()))
            raiseFileError(GetLastError());
    }
    if (left) rt::raiseStandard(rt::errPathFileAccess);  // a file no name reaches is still there
}

void rmDir(const std::wstring& folder) {
    if (RemoveDirectoryA(ansiFileName(folder, ERROR_PATH_NOT_FOUND).c_str())) return;
    DWORD error = GetLastError();
    raiseFileError(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error);
}

int64_t fileLen(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const std::string name = ansiFileName(file, ERROR_FILE_NOT_FOUND);
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) raiseFileError(GetLastError());
    return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

uint32_t getAttr(const std::wstring& path) {
    DWORD attributes = GetFileAttributesA(ansiFileName(path, ERROR_FILE_NOT_FOUND).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) raiseFileError(GetLastError());
    return attributes;
}

void setAttr(const std::wstring& path, uint32_t attributes) {
    const std::string name = ansiFileName(path, ERROR_FILE_NOT_FOUND);
    if (!SetFileAttributesA(name.c_str(), attributes)) raiseFileError(GetLastError());
}

}  // namespace FileStatements
