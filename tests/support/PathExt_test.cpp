// The path object: its path texts, which need no disk, and its questions to
// the file system, in a scratch folder of the test's own.
#include <gtest/gtest.h>

#include "Scratch.h"
#include "support/cPathExt.h"

namespace {

struct PathQueries : Scratch {
    const cPathExt p{};
};

using TextRule = std::wstring (cPathExt::*)(const std::wstring&) const;
using Cases = std::vector<std::pair<std::wstring, std::wstring>>;

}  // namespace

TEST(PathExt, GetSpecialPathGivesTheApplicationDataFolder) {
    wchar_t appData[MAX_PATH] = {};
    ASSERT_NE(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    DWORD attributes = GetFileAttributesW(appData);
    ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(cPathExt().getSpecialPath(26), appData);
    EXPECT_EQ(cPathExt().getSpecialPath(0x7777), L"");
}

TEST(PathExt, TextRulesSplitPathsWithoutAskingTheDisk) {
    const cPathExt p;
    const std::wstring unc = L"\\\\srv\\share\\f.tar.gz", c280 = L"C:\\" + std::wstring(280, L'c');
    const std::pair<TextRule, Cases> rules[] = {
        {&cPathExt::getDrive, {{L"C:\\Games\\x.exe", L"C:\\"}, {unc, L""}}},
        {&cPathExt::getFileName, {{L"C:\\Games.old\\readme", L"readme"}, {L"x.exe", L""}, {unc, L"f.tar"}}},
        {&cPathExt::getFileExtension, {{L"C:\\Games.old\\readme", L""}, {L"C:\\a\\c.", L"."}, {unc, L".gz"}}},
        {&cPathExt::getFolderName, {{L"C:\\a.d\\b.\\", L"b."}, {L"\\\\srv\\share", L"share"}}},
        {&cPathExt::getFolderPart, {{L"C:\\a\\b\\f.txt", L"\\a\\b\\f.txt\\"}}},
        {&cPathExt::getParentFolder, {{L"C:\\a\\b\\", L"C:\\a"}, {L"C:\\", L""}, {unc, L"\\\\srv\\share"}}},
        {&cPathExt::getParentFolderName, {{L"C:\\a\\b\\c.txt", L"b"}}},
        {&cPathExt::normalizePath, {{L"", L""}, {L"C:", L"C:\\"}, {L"C:\\Games\\", L"C:\\Games\\"}}},
    };
    for (const auto& [rule, cases] : rules)
        for (const auto& [in, out] : cases) EXPECT_EQ((p.*rule)(in), out) << testing::PrintToString(in);
    // hasPrefix takes the folder with or without its backslash.
    const std::pair<bool, bool> answers[] = {
        {p.hasFileExtension(L"C:\\a.b\\c"), false}, {p.hasFileExtension(L"c."), true},
        {p.hasPrefix(L"C:\\a\\b", L"C:\\a\\"), true}, {p.hasPrefix(L"C:\\ab", L"C:\\a"), false},
        {p.hasPrefix(L"C:\\a", L""), true} /* the platform: an empty prefix fits all */,
    };
    for (size_t row = 0; row < std::size(answers); ++row)
        EXPECT_EQ(answers[row].first, answers[row].second) << "row " << row;
    // The members that hand the text to the platform's path calls; the long
    // path needs a buffer sized from the platform's answer.
    const std::pair<std::wstring, std::wstring> results[] = {
        {p.replaceFileExtension(L"C:\\a\\f.txt", L".bak"), L"C:\\a\\f.bak"},
        {p.addExtension(L"C:\\a\\f", L"txt"), L"C:\\a\\f.txt"}, {p.appendFileName(L"C:\\a", L"f"), L"C:\\a\\f"},
        {p.compactPath(L"C:\\folder\\subfolder\\file.txt", 15).toString(), L"C:...\\file.txt"},
        {p.getEqualPart(c280 + L"\\x", c280 + L"\\y"), c280},
        {p.getFilePart(L"C:\\a\\b.txt"), L"b.txt"}, {p.quote(L"C:\\a b"), L"\"C:\\a b\""},
    };
    for (const auto& [got, expected] : results) EXPECT_EQ(got, expected);
}

TEST(PathExt, SplitPathFillsDriveFolderAndNameFromTheCurrentFolderWhenNeeded) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring cur = current, drive = cur.substr(0, 2), folder = cur.substr(2);
    const std::tuple<std::wstring, std::wstring, std::wstring, std::wstring> cases[] = {
        {L"C:\\a\\b\\f.txt", L"C:", L"\\a\\b", L"f.txt"},
        {L"f.txt", drive, folder, L"f.txt"},
    };
    for (const auto& [in, d, f, n] : cases) {
        std::wstring sDrive, sFolder, sName;
        cPathExt().splitPath(in, sDrive, sFolder, sName);
        EXPECT_EQ(std::tie(sDrive, sFolder, sName), std::tie(d, f, n)) << testing::PrintToString(in);
    }
    std::wstring sDrive, sFolder, sName;
    EXPECT_EQ(testenv::raisedError([&] { cPathExt().splitPath(L"Q:f.txt", sDrive, sFolder, sName); }), 68);
}

// fileExists answers for files of any attributes, not for folders.
TEST_F(PathQueries, ExistenceContentAndDrives) {
    folders({L"onlysub", L"onlysub\\sub", L"dotted", L"dotted\\.cache", L"hidden", L"u", L"u\\s.exe"});
    file(L"hidden\\h.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    file(L"f.txt");
    file(L"u\\a.ini", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    const std::pair<bool, bool> cases[] = {
        {p.fileExists(at(L"u\\a.ini")), true},          {p.fileExists(at(L"u\\s.exe")), false},
        {p.fileExists(at(L"u\\")), true} /* its a.ini */, {p.fileExists(at(L"onlysub\\")), false},
        {p.folderExists(at(L"f.txt")), true} /* any entry counts */, {p.folderExists(at(L"none")), false},
        {p.folderContainsFiles(at(L"onlysub\\")), false}, {p.folderContainsFiles(at(L"hidden\\")), true},
        {p.folderContainsSubfolders(at(L"onlysub\\")), true}, {p.folderContainsSubfolders(at(L"dotted\\")), false},
        {p.driveExists(L"c:"), true},                     {p.driveExists(L"Q:"), false},
        {p.driveReady(L"C:"), true},                      {p.driveReady(L"Q:"), false},
    };
    ASSERT_EQ(GetLogicalDrives() & (1u << (L'Q' - L'A')), 0u);
    for (size_t row = 0; row < std::size(cases); ++row)
        EXPECT_EQ(cases[row].first, cases[row].second) << "row " << row;
    SetFileAttributesW(at(L"u\\a.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PathQueries, TemporaryFilesAndFolderChains) {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::wstring made = p.createTempFile(L"tw");
    EXPECT_EQ(made.rfind(tmp + std::wstring(L"tw"), 0), 0u) << testing::PrintToString(made);
    EXPECT_EQ(GetFileAttributesW(made.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    DeleteFileW(made.c_str());

    EXPECT_TRUE(p.createFolderStructure(at(L"a\\b\\c\\")));
    EXPECT_TRUE(p.isFolder(at(L"a\\b\\c")));
    EXPECT_TRUE(p.createFolderStructure(at(L"x\\y")));  // up to the last "\"
    EXPECT_EQ(std::make_pair(p.isFolder(at(L"x")), p.fileFolderExists(at(L"x\\y"))), std::make_pair(true, false));
}

TEST_F(PathQueries, KillFileDeletesOnlyWhatItMayAndSaysSo) {
    const DWORD ro = FILE_ATTRIBUTE_READONLY, hidden = FILE_ATTRIBUTE_HIDDEN;  // 0: normal
    const std::tuple<DWORD, bool, bool, bool, bool> cases[] = {
        // attributes, bWriteProtect, bHidden, held open elsewhere, result
        {ro, false, false, false, false},   {ro, true, false, false, true}, {hidden, false, false, false, false},
        {hidden, false, true, false, true}, {0, false, false, true, false},
    };
    const std::wstring f = at(L"k.txt");
    for (const auto& [attributes, writeProtect, noHidden, locked, result] : cases) {
        file(L"k.txt", "x", attributes);
        HANDLE held = locked ? lock(L"k.txt") : nullptr;
        EXPECT_EQ(p.killFile(f, writeProtect, noHidden), result) << attributes;
        EXPECT_EQ(p.fileFolderExists(f), !result) << attributes;
        if (held) CloseHandle(held);
        SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(f.c_str());
    }
    EXPECT_FALSE(p.killFile(at(L"none.txt")));
    for (const wchar_t* name : {L"1.tmp", L"2.tmp", L"3.txt"}) file(name);
    EXPECT_TRUE(p.killFile(at(L"*.tmp")));
    EXPECT_EQ(std::make_pair(p.fileExists(at(L"*.tmp")), p.fileExists(at(L"3.txt"))), std::make_pair(false, true));
}
