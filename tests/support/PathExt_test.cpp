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

TEST(PathExt, TextRulesSplitPathsWithoutAskingTheDisk) {
    const cPathExt p;
    const std::wstring unc = L"\\\\srv\\share\\f.tar.gz";
    const struct {
        TextRule rule;
        std::wstring in, out;
    } cases[] = {
        {&cPathExt::getDrive, L"C:\\Games\\x.exe", L"C:\\"},
        {&cPathExt::getDrive, L"ab:\\x", L""},
        {&cPathExt::getDrive, unc, L""},
        {&cPathExt::getFileName, L"C:\\Games\\empires2.exe", L"empires2"},
        {&cPathExt::getFileName, L"C:\\Games.old\\readme", L"readme"},
        {&cPathExt::getFileName, L"empires2.exe", L""},
        {&cPathExt::getFileName, unc, L"f.tar"},
        {&cPathExt::getFileExtension, L"C:\\Games\\empires2.exe", L".exe"},
        {&cPathExt::getFileExtension, L"C:\\Games.old\\readme", L""},
        {&cPathExt::getFileExtension, L"C:\\a\\c.", L"."},
        {&cPathExt::getFileExtension, L"x.txt", L""},
        {&cPathExt::getFileExtension, unc, L".gz"},
        {&cPathExt::getFolderName, L"C:\\a\\b", L"b"},
        {&cPathExt::getFolderName, L"C:\\a.d\\b.\\", L"b."},
        {&cPathExt::getFolderName, L"C:\\", L""},
        {&cPathExt::getFolderName, L"\\\\srv\\share", L"share"},
        {&cPathExt::getFolderPart, L"C:\\a\\b\\f.txt", L"\\a\\b\\f.txt\\"},
        {&cPathExt::getFolderPart, L"C:\\a\\b\\", L"\\a\\b\\"},
        {&cPathExt::getFolderPart, L"", L""},
        {&cPathExt::getParentFolder, L"C:\\a\\b\\", L"C:\\a"},
        {&cPathExt::getParentFolder, L"C:\\a", L"C:"},
        {&cPathExt::getParentFolder, L"C:\\", L""},
        {&cPathExt::getParentFolder, unc, L"\\\\srv\\share"},
        {&cPathExt::getParentFolderName, L"C:\\a\\b\\c.txt", L"b"},
        {&cPathExt::getParentFolderName, L"C:\\c.txt", L""},
    };
    for (const auto& c : cases) EXPECT_EQ((p.*c.rule)(c.in), c.out) << testing::PrintToString(c.in);
    const std::pair<const wchar_t*, bool> extensions[] = {
        {L"C:\\a.b\\c", false}, {L"c.", true}, {L"abc", false}, {L"C:\\a\\f.txt", true}};
    for (const auto& [in, has] : extensions) EXPECT_EQ(p.hasFileExtension(in), has) << testing::PrintToString(in);
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> replaced[] = {
        {L"C:\\a\\f.txt", L".bak", L"C:\\a\\f.bak"},
        {L"C:\\a\\f.txt", L"bak", L"C:\\a\\fbak"},
        {L"f.txt", L".bak", L".bak"}};
    for (const auto& [in, ext, out] : replaced) EXPECT_EQ(p.replaceFileExtension(in, ext), out);
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
        {p.addExtension(L"C:\\a\\f", L"txt"), L"C:\\a\\f.txt"},
        {p.addExtension(L"C:\\a\\f", L".txt"), L"C:\\a\\f.txt"},
        {p.addExtension(L"C:\\a\\f", L""), L"C:\\a\\f."},
        {p.appendFileName(L"C:\\a", L"b.txt"), L"C:\\a\\b.txt"},
        {p.appendFileName(L"C:\\a", n200), L"C:\\a\\" + n200},
        {p.getRoot(L"C:\\a\\b"), L"C:\\"},
        {p.getRoot(L"\\\\srv\\share\\x"), L"\\\\srv\\share"},
        {p.quote(L"C:\\a b"), L"\"C:\\a b\""},
        {p.unQuote(L"\"C:\\a b\""), L"C:\\a b"},
        {p.compactPath(L"C:\\folder\\subfolder\\file.txt", 15).toString(), L"C:...\\file.txt"},
        {p.getEqualPart(L"C:\\a\\b\\c", L"C:\\a\\bd"), L"C:\\a"},
        {p.getEqualPart(c280 + L"\\x", c280 + L"\\y"), c280},
        {p.getLongPathName(L"C:\\a\\..\\b").toString(), L"C:\\b"},
        {p.getLongPathName(full256).toString(), full256},
        {p.parsePath(L"C:\\a\\.\\b\\..\\c"), L"C:\\a\\c"},
        {p.getFilePart(L"C:\\a\\b\u00e9.txt"), L"b\u00e9.txt"},
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
}

TEST(PathExt, PredicatesAnswerThePlatformsPathRules) {
    const cPathExt p;
    const std::pair<bool, bool> cases[] = {
        {p.hasPrefix(L"C:\\a\\b", L"C:\\a"), true}, {p.hasPrefix(L"C:\\a\\b", L"C:\\a\\"), true},
        {p.hasPrefix(L"C:\\ab", L"C:\\a"), false},  {p.hasPrefix(L"C:\\a", L"C:"), true},
        {p.isNetworkPath(L"\\\\srv\\share"), true}, {p.isNetworkPath(L"C:\\a"), false},
        {p.isRelative(L"a\\b"), true},             {p.isRelative(L"C:\\a"), false},
        {p.isRoot(L"C:\\"), true},                 {p.isRoot(L"C:\\a"), false},
        {p.isSameDrive(L"C:\\a", L"c:\\b"), true},  {p.isSameDrive(L"C:\\a", L"D:\\a"), false},
        {p.isURL(L"http://example.org/"), true},  {p.isURL(L"C:\\a"), false},
    };
    int row = 0;
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected) << "row " << row++;
}
