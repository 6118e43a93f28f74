#include "support/FileStatements.h"

#include <shlwapi.h>

#include <algorithm>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "runtime/RuntimeError.h"

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

std::optional<std::string> searchPattern(const std::wstring& pattern) {
    if (!pattern.empty() && (pattern.back() == L'\\' || pattern.back() == L':'))
        return rt::toAnsiName(pattern + L"*.*");
    return rt::toAnsiName(pattern);
}

// The system's search also matches a name by its short form ("*.htm" finds
// "page.html" as PAGE~1.HTM): of a pattern with wildcards, only the names that
// match it themselves.
void keepLongNameMatches(std::vector<std::wstring>& names, const std::wstring& mask) {
    if (!hasWildcard(mask)) return;
    std::erase_if(names, [&](const std::wstring& name) { return !PathMatchSpecW(name.c_str(), mask.c_str()); });
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
    return *ansi;
}

bool hasWildcard(std::wstring_view name) { return name.find_first_of(L"*?<>\"") != std::wstring_view::npos; }

std::vector<std::wstring> dirEntries(const std::wstring& pattern, uint32_t mask) {
    std::vector<std::wstring> names;
    const std::optional<std::string> searched = searchPattern(pattern);
    if (!searched) return names;
    WIN32_FIND_DATAA found{};
    rt::unique_hfind find = rt::findHandle(FindFirstFileA(searched->c_str(), &found));
    if (!find) {
        DWORD error = GetLastError();
        if (meansNoMatch(error)) return names;
        raiseFileError(error);
    }
    do {
        if (matchesMask(found.dwFileAttributes, mask))
            names.push_back(rt::fromAnsiBuffer(found.cFileName, sizeof found.cFileName));
    } while (FindNextFileA(find.get(), &found));
    return names;
}

std::wstring dir(const std::wstring& pattern, uint32_t mask) {
    std::vector<std::wstring> names = dirEntries(pattern, mask);
    return names.empty() ? std::wstring() : names.front();
}

void kill(const std::wstring& pattern) {
    std::vector<std::wstring> names = dirEntries(pattern, 0);
    std::wstring folder = folderOf(pattern);
    keepLongNameMatches(names, pattern.substr(folder.size()));
    if (names.empty()) rt::raiseStandard(rt::errFileNotFound);
    for (const std::wstring& name : names)
        if (!DeleteFileA(ansiFileName(folder + name, ERROR_FILE_NOT_FOUND).c_str())) raiseFileError(GetLastError());
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
