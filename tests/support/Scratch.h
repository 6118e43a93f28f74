#pragma once
// A test with a scratch folder of its own, and ways to fill it.
#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include <string>

#include "common/TestEnv.h"

struct Scratch : ::testing::Test {
    testenv::TempDir root{L"scratch"};
    std::wstring at(const std::wstring& name) const { return root.file(name); }
    void folders(std::initializer_list<std::wstring> names) const {
        for (const std::wstring& name : names) CreateDirectoryW(at(name).c_str(), nullptr);
    }
    void file(const std::wstring& name, const std::string& content = "x", DWORD attributes = 0) const {
        testenv::writeFile(at(name), content);
        SetFileAttributesW(at(name).c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    }
    // `gap` bytes that take no room on disk, then `tail`; false (and no file)
    // where the file system will not leave the gap out.
    bool sparseFile(const std::wstring& name, int64_t gap, const std::string& tail) const {
        return sparseFileAt(at(name), gap, tail);
    }
    // The same at any path, on any drive.
    static bool sparseFileAt(const std::wstring& path, int64_t gap, const std::string& tail) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        bool sparse = DeviceIoControl(h, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &n, nullptr) &&
                      SetFilePointerEx(h, LARGE_INTEGER{.QuadPart = gap}, nullptr, FILE_BEGIN) &&
                      WriteFile(h, tail.data(), DWORD(tail.size()), &n, nullptr);
        CloseHandle(h);
        if (!sparse) DeleteFileW(path.c_str());
        return sparse;
    }
    int64_t fileSize(const std::wstring& name) const {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(at(name).c_str(), GetFileExInfoStandard, &data);
        return int64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    }
    // An open handle that shares only `share`, as another program may hold one.
    HANDLE lock(const std::wstring& name, DWORD share = 0) const {
        return CreateFileW(at(name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    }
};
