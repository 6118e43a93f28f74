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

TEST(PathExt, GetSpecialPathGivesTheApplicationDataFolder) {
    wchar_t appData[MAX_PATH] = {};
    ASSERT_NE(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    DWORD attributes = GetFileAttributesW(appData);
    ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(cPathExt().getSpecialPath(26), appData);
    EXPECT_EQ(cPathExt().getSpecialPath(0x7777), L"");
}

using TextRule = std::wstring (cPathExt::*)(const std::wstring&) const;
using Cases = std::vector<std::pair<std::wstring, std::wstring>>;

TEST(PathExt, TextRulesSplitPathsWithoutAskingTheDisk) {
    const cPathExt p;
    const std::wstring unc = L"\\\\srv\\share\\f.tar.gz";
    const std::pair<TextRule, Cases> rules[] = {
        {&cPathExt::getDrive, {{L"C:\\Games\\x.exe", L"C:\\"}, {L"ab:\\x", L""}, {unc, L""}}},
        {&cPathExt::getFileName,
         {{L"C:\\Games\\empires2.exe", L"empires2"}, {L"C:\\Games.old\\readme", L"readme"}, {L"x.exe", L""},
          {unc, L"f.tar"}}},
        {&cPathExt::getFileExtension,
         {{L"C:\\Games\\x.exe", L".exe"}, {L"C:\\Games.old\\readme", L""}, {L"C:\\a\\c.", L"."}, {L"x.txt", L""},
          {unc, L".gz"}}},
        {&cPathExt::getFolderName,
         {{L"C:\\a\\b", L"b"}, {L"C:\\a.d\\b.\\", L"b."}, {L"C:\\", L""}, {L"\\\\srv\\share", L"share"}}},
        {&cPathExt::getFolderPart,
         {{L"C:\\a\\b\\f.txt", L"\\a\\b\\f.txt\\"}, {L"C:\\a\\b\\", L"\\a\\b\\"}, {L"", L""}}},
        {&cPathExt::getParentFolder,
         {{L"C:\\a\\b\\", L"C:\\a"}, {L"C:\\a", L"C:"}, {L"C:\\", L""}, {unc, L"\\\\srv\\share"}}},
        {&cPathExt::getParentFolderName, {{L"C:\\a\\b\\c.txt", L"b"}, {L"C:\\c.txt", L""}}},
    };
    for (const auto& [rule, cases] : rules)
        for (const auto& [in, out] : cases) EXPECT_EQ((p.*rule)(in), out) << testing::PrintToString(in);
    const std::pair<const wchar_t*, bool> extensions[] = {
        {L"C:\\a.b\\c", false}, {L"c.", true}, {L"abc", false}, {L"C:\\a\\f.txt", true}};
    for (const auto& [in, has] : extensions) EXPECT_EQ(p.hasFileExtension(in), has) << testing::PrintToString(in);
    EXPECT_EQ(p.replaceFileExtension(L"C:\\a\\f.txt", L".bak"), L"C:\\a\\f.bak");
    EXPECT_EQ(p.replaceFileExtension(L"C:\\a\\f.txt", L"bak"), L"C:\\a\\fbak");
    EXPECT_EQ(p.replaceFileExtension(L"f.txt", L".bak"), L".bak");
}

TEST(PathExt, SplitPathFillsDriveFolderAndNameFromTheCurrentFolderWhenNeeded) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring cur = current, drive = cur.substr(0, 2), folder = cur.substr(2);
    const std::tuple<std::wstring, std::wstring, std::wstring, std::wstring> cases[] = {
        {L"C:\\a\\b\\f.txt", L"C:", L"\\a\\b", L"f.txt"},
        {L"C:\\f.txt", L"C:", L"\\", L"f.txt"},
        {L"f.txt", drive, folder, L"f.txt"},
        {drive + L"f.txt", drive, folder, L"f.txt"},
    };
    for (const auto& [in, d, f, n] : cases) {
        std::wstring sDrive, sFolder, sName;
        cPathExt().splitPath(in, sDrive, sFolder, sName);
        EXPECT_EQ(std::tie(sDrive, sFolder, sName), std::tie(d, f, n)) << testing::PrintToString(in);
    }
    std::wstring sDrive, sFolder, sName;
    EXPECT_EQ(testenv::raisedError([&] { cPathExt().splitPath(L"Q:f.txt", sDrive, sFolder, sName); }), 68);
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(current, cur);  // the current folder stays
}

TEST(PathExt, PathCallsGetRoomForLongAnswers) {
    const cPathExt p;
    const std::wstring n200(200, L'n'), c280 = L"C:\\" + std::wstring(280, L'c');
    const std::wstring full256 = L"C:\\" + std::wstring(253, L'a');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {p.addExtension(L"C:\\a\\f", L"txt"), L"C:\\a\\f.txt"}, {p.addExtension(L"C:\\a\\f", L".txt"), L"C:\\a\\f.txt"},
        {p.addExtension(L"C:\\a\\f", L""), L"C:\\a\\f."},       {p.appendFileName(L"C:\\a", L"b"), L"C:\\a\\b"},
        {p.appendFileName(L"C:\\a", n200), L"C:\\a\\" + n200},  {p.quote(L"C:\\a b"), L"\"C:\\a b\""},
        {p.compactPath(L"C:\\folder\\subfolder\\file.txt", 15).toString(), L"C:...\\file.txt"},
        {p.getEqualPart(L"C:\\a\\b\\c", L"C:\\a\\bd"), L"C:\\a"}, {p.getEqualPart(c280 + L"\\x", c280 + L"\\y"), c280},
        {p.getLongPathName(L"C:\\a\\..\\b").toString(), L"C:\\b"}, {p.getLongPathName(full256).toString(), full256},
        {p.getFilePart(L"C:\\a\\b\u00e9.txt"), L"b\u00e9.txt"},
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
}

TEST(PathExt, HasPrefixTakesTheFolderWithOrWithoutItsBackslash) {
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {
        {L"C:\\a\\b", L"C:\\a", true}, {L"C:\\a\\b", L"C:\\a\\", true}, {L"C:\\ab", L"C:\\a", false},
        {L"C:\\a", L"C:", true}};
    for (const auto& [path, prefix, has] : cases)
        EXPECT_EQ(cPathExt().hasPrefix(path, prefix), has) << testing::PrintToString(path) << prefix;
}
