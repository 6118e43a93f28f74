#pragma once
// A test with a scratch folder of its own, and ways to fill it.
#include <gtest/gtest.h>

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
    // An open handle that shares only `share`, as another program may hold one.
    HANDLE lock(const std::wstring& name, DWORD share = 0) const {
        return CreateFileW(at(name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    }
};
