#pragma once
// Folders with paths longer than the ANSI calls take, made with the wide
// calls, which take them in the "\\?\" form.
#include <windows.h>

#include <string>

namespace longnames {

inline std::wstring extended(const std::wstring& path) { return L"\\\\?\\" + path; }

inline bool exists(const std::wstring& path) {
    return GetFileAttributesW(extended(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A folder inside `root` whose path has exactly `length` characters, made
// with the folders above it, each named by `letter` repeated.
inline std::wstring folderOfLength(const std::wstring& root, size_t length, wchar_t letter = L'd') {
    std::wstring path = root;
    while (path.size() < length) {
        const size_t left = length - path.size() - 1;
        path += L"\\" + std::wstring(left > 201 ? 200 : left, letter);
        CreateDirectoryW(extended(path).c_str(), nullptr);
    }
    return path;
}

}  // namespace longnames
