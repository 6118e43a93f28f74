#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "runtime/Ansi.h"
#include "support/cPathExt.h"

TEST(PathExt, NormalizePathAddsOneBackslashOnlyWhereNoneEnds) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""}, {L"C:", L"C:\\"}, {L"C:\\Games\\", L"C:\\Games\\"}, {L"a/", L"a/\\"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(cPathExt().normalizePath(in), out) << in;
}

TEST(PathExt, FileExistsForFilesOfEveryAttributeButNotForFoldersOrBadPaths) {
    testenv::TempDir root(L"pathext");
    const std::wstring dir = root.file(L"Spiele \u00dcbersicht \u00e9t\u00e9");
    ASSERT_EQ(rt::fromAnsi(rt::toAnsi(dir)), dir);
    CreateDirectoryW(dir.c_str(), nullptr);
    CreateDirectoryW((dir + L"\\sub.exe").c_str(), nullptr);
    for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_SYSTEM}) {
        std::wstring file = dir + L"\\" + std::to_wstring(attributes) + L".ini";
        testenv::writeFile(file);
        SetFileAttributesW(file.c_str(), attributes);
        EXPECT_TRUE(cPathExt().fileExists(file)) << attributes;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    const std::pair<std::wstring, bool> cases[] = {
        {dir + L"\\*.ini", true},         {dir + L"\\sub.exe", false},      {dir + L"\\", false},
        {dir + L"\\none\\a.ini", false},  {dir + L"\\bad<|>name", false},   {L"", false},
    };
    for (const auto& [path, exists] : cases) EXPECT_EQ(cPathExt().fileExists(path), exists) << testing::PrintToString(path);
}

TEST(PathExt, GetSpecialPathGivesAnExistingFolderWithoutTrailingBackslash) {
    std::wstring appData = cPathExt().getSpecialPath(26);
    ASSERT_FALSE(appData.empty());
    EXPECT_NE(appData.back(), L'\\');
    EXPECT_TRUE(GetFileAttributesW(appData.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(cPathExt().getSpecialPath(0x7777), L"");
}
