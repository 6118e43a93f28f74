#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "runtime/Ansi.h"
#include "support/cPathExt.h"

TEST(PathExt, NormalizePathAddsOneBackslashOnlyWhereNoneEnds) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""}, {L"C:", L"C:\\"}, {L"C:\\Games\\", L"C:\\Games\\"}, {L"a/", L"a/\\"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(cPathExt().normalizePath(in), out) << in;
}

TEST(PathExt, FileExistsForFilesOfAnyAttributeButNotForFoldersOrBadPaths) {
    testenv::TempDir root(L"pathext");
    const std::wstring dir = root.file(L"Spiele \u00dcbersicht \u00e9t\u00e9");
    ASSERT_EQ(rt::fromAnsi(rt::toAnsi(dir)), dir);
    CreateDirectoryW(dir.c_str(), nullptr);
    CreateDirectoryW((dir + L"\\sub.exe").c_str(), nullptr);
    testenv::writeFile(dir + L"\\a.ini");
    SetFileAttributesW((dir + L"\\a.ini").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    const std::pair<std::wstring, bool> cases[] = {{dir + L"\\a.ini", true},
                                                   {dir + L"\\*.ini", true},
                                                   {dir + L"\\sub.exe", false},
                                                   {dir + L"\\", false},
                                                   {dir + L"\\none\\a.ini", false},
                                                   {dir + L"\\bad<|>name", false},
                                                   {L"", false}};
    for (const auto& [path, exists] : cases)
        EXPECT_EQ(cPathExt().fileExists(path), exists) << testing::PrintToString(path);
    SetFileAttributesW((dir + L"\\a.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(PathExt, GetSpecialPathGivesAnExistingFolderWithoutTrailingBackslash) {
    std::wstring appData = cPathExt().getSpecialPath(26);
    ASSERT_FALSE(appData.empty());
    EXPECT_NE(appData.back(), L'\\');
    EXPECT_TRUE(GetFileAttributesW(appData.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(cPathExt().getSpecialPath(0x7777), L"");
}
