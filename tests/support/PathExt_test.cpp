#include <gtest/gtest.h>

#include <windows.h>

#include "common/TestEnv.h"
#include "common/TestFiles.h"
#include "support/cPathExt.h"

namespace {

struct NormalizeCase {
    const wchar_t* in;
    const wchar_t* out;
};

TEST(PathExt, NormalizePathAddsExactlyOneBackslashWhereNoneEnds) {
    const NormalizeCase cases[] = {
        {L"", L""},
        {L"C:", L"C:\\"},
        {L"C:\\Games\\", L"C:\\Games\\"},
        {L"C:\\Games", L"C:\\Games\\"},
        {L"a/", L"a/\\"},
        {L"a\\\\", L"a\\\\"},
    };
    cPathExt p;
    for (const auto& c : cases) EXPECT_EQ(p.normalizePath(c.in), c.out) << c.in;
}

class PathExtFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testenv::makeTempDir(L"pathext") + L"\\Spiele \u00dcbersicht \u00e9t\u00e9";
        ASSERT_TRUE(testenv::isAnsiRepresentable(dir_));
        ASSERT_TRUE(CreateDirectoryW(dir_.c_str(), nullptr));
    }
    void TearDown() override {
        for (const auto& f : {L"\\hidden.ini", L"\\readonly.ini", L"\\system.ini"})
            SetFileAttributesW((dir_ + f).c_str(), FILE_ATTRIBUTE_NORMAL);
        testenv::removeTree(dir_.substr(0, dir_.rfind(L'\\')));
    }
    std::wstring dir_;
    cPathExt p_;
};

TEST_F(PathExtFiles, FileExistsForFilesOfEveryAttributeButNotForFolders) {
    struct Case {
        const wchar_t* name;
        DWORD attributes;
    } files[] = {
        {L"\\plain.exe", FILE_ATTRIBUTE_NORMAL},
        {L"\\hidden.ini", FILE_ATTRIBUTE_HIDDEN},
        {L"\\readonly.ini", FILE_ATTRIBUTE_READONLY},
        {L"\\system.ini", FILE_ATTRIBUTE_SYSTEM},
    };
    for (const auto& f : files) {
        ASSERT_TRUE(testenv::writeFile(dir_ + f.name, "x"));
        ASSERT_TRUE(SetFileAttributesW((dir_ + f.name).c_str(), f.attributes));
        EXPECT_TRUE(p_.fileExists(dir_ + f.name)) << f.name;
    }
    ASSERT_TRUE(CreateDirectoryW((dir_ + L"\\sub.exe").c_str(), nullptr));

    const struct {
        std::wstring path;
        bool expected;
    } queries[] = {
        {dir_ + L"\\sub.exe", false},
        {dir_, false},
        {dir_ + L"\\", false},
        {dir_ + L"\\*.ini", true},
        {dir_ + L"\\*.exe", true},  // a folder matches too, but the file counts
        {dir_ + L"\\*.dll", false},
        {dir_ + L"\\missing.exe", false},
        {dir_ + L"\\nowhere\\plain.exe", false},
        {L"Q:\\no such drive\\plain.exe", false},
        {dir_ + L"\\bad<|>name", false},
        {L"", false},
    };
    for (const auto& q : queries) EXPECT_EQ(p_.fileExists(q.path), q.expected) << testing::PrintToString(q.path);
}

TEST(PathExt, GetSpecialPathGivesTheApplicationDataFolderWithoutTrailingBackslash) {
    cPathExt p;
    std::wstring appData = p.getSpecialPath(26);
    ASSERT_FALSE(appData.empty());
    EXPECT_NE(appData.back(), L'\\');
    DWORD attributes = GetFileAttributesW(appData.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(p.getSpecialPath(0x7777), L"");
}

}  // namespace
