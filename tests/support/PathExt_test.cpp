// The path object: its path texts, which need no disk, and its questions to
// the file system, in a scratch folder of the test's own.
#include <gtest/gtest.h>

#include <functional>

#include "Scratch.h"
#include "support/cFileFunctions.h"
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
        {&cPathExt::normalizePath, {{L"", L""}, {L"C:", L"C:\\"}, {L"C:\\Games\\", L"C:\\Games\\"}}}};
    for (const auto& [rule, cases] : rules)
        for (const auto& [in, out] : cases) EXPECT_EQ((p.*rule)(in), out) << testing::PrintToString(in);
    EXPECT_FALSE(p.hasFileExtension(L"C:\\a.b\\c"));
    EXPECT_TRUE(p.hasFileExtension(L"c."));
    EXPECT_TRUE(p.hasPrefix(L"C:\\a\\b", L"C:\\a\\"));  // the folder with or without its backslash
    EXPECT_FALSE(p.hasPrefix(L"C:\\ab", L"C:\\a"));
    EXPECT_TRUE(p.hasPrefix(L"C:\\a", L""));  // the platform: an empty prefix fits all
    EXPECT_EQ(p.replaceFileExtension(L"C:\\a\\f.txt", L".bak"), L"C:\\a\\f.bak");
    // Longer than any fixed path buffer: the answer's room comes from the paths.
    EXPECT_EQ(p.getEqualPart(c280 + L"\\x", c280 + L"\\y"), c280);
}

TEST(PathExt, SplitPathFillsDriveFolderAndNameFromTheCurrentFolderWhenNeeded) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    std::wstring sDrive, sFolder, sName;
    cPathExt().splitPath(L"C:\\a\\b\\f.txt", sDrive, sFolder, sName);
    EXPECT_EQ(std::tie(sDrive, sFolder, sName), std::make_tuple(L"C:", L"\\a\\b", L"f.txt"));
    std::wstring rDrive, rFolder, rName;
    cPathExt().splitPath(L"f.txt", rDrive, rFolder, rName);
    EXPECT_EQ(std::tie(rDrive, rFolder, rName), std::make_tuple(std::wstring(current, 2), current + 2, L"f.txt"));
    EXPECT_EQ(testenv::raisedError([&] { cPathExt().splitPath(L"Q:f.txt", sDrive, sFolder, sName); }), 68);
}

TEST_F(PathQueries, ExistenceContentAndDrives) {
    folders({L"onlysub", L"onlysub\\sub", L"dotted", L"dotted\\.cache", L"hidden", L"u", L"u\\s.exe"});
    file(L"hidden\\h.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    file(L"f.txt");
    file(L"u\\a.ini", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(p.fileExists(at(L"u\\a.ini")));   // whatever its attributes
    EXPECT_FALSE(p.fileExists(at(L"u\\s.exe")));  // a folder
    EXPECT_TRUE(p.fileExists(at(L"u\\")));        // its a.ini
    EXPECT_TRUE(p.folderExists(at(L"f.txt")));    // any entry counts
    EXPECT_FALSE(p.folderContainsFiles(at(L"onlysub\\")));
    EXPECT_TRUE(p.folderContainsFiles(at(L"hidden\\")));
    EXPECT_TRUE(p.folderContainsSubfolders(at(L"onlysub\\")));
    EXPECT_FALSE(p.folderContainsSubfolders(at(L"dotted\\")));
    ASSERT_EQ(GetLogicalDrives() & (1u << (L'Q' - L'A')), 0u);
    EXPECT_EQ(std::make_tuple(p.driveExists(L"c:"), p.driveExists(L"Q:"), p.driveReady(L"C:"), p.driveReady(L"Q:")),
              std::make_tuple(true, false, true, false));
    SetFileAttributesW(at(L"u\\a.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PathQueries, TemporaryFilesAndFolderChains) {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::wstring made = p.createTempFile(L"tw");
    EXPECT_EQ(made.rfind(tmp + std::wstring(L"tw"), 0), 0u) << testing::PrintToString(made);
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
        {ro, false, false, false, false},
        {ro, true, false, false, true},
        {hidden, false, false, false, false},
        {hidden, false, true, false, true},
        {0, false, false, true, false}};
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

// The system's search matches short (8.3) names too, and the code page's best fit turns names it cannot hold into
// others: a full-width "\" into "\", a "C" with a circumflex into "C", a letter it lacks into the wildcard "?".
// A pattern takes long names as the system matches them: "abc.*" takes "abc", "*." names without a dot, ";" is no
// separator.
TEST_F(PathQueries, KillFileDeletesOnlyTheFilesItNames) {
    const std::wstring files[] = {L"m\\page.html", L"m\\keep.htm", L"abc.txt",     L"C.txt",
                                  L"x\\w.txt",     L"sub\\4.tmp",   L"\u00E9.txt",  L"\u0108.txt",
                                  L"p\\abc",       L"p\\abc.txt",   L"p\\abd.txt", L"p\\a;b1.txt"};
    folders({L"m", L"x", L"sub", L"p"});
    auto shortName = [&](const std::wstring& name) {
        file(name);
        std::wstring shortPath(MAX_PATH, L'\0');
        shortPath.resize(GetShortPathNameW(at(name).c_str(), shortPath.data(), MAX_PATH));
        return shortPath;
    };
    const std::wstring pageShort = shortName(L"m\\page.html"), accentShort = shortName(L"\u0108.txt");
    for (const std::wstring& name : {pageShort, accentShort})
        ASSERT_NE(name.find(L'~'), std::wstring::npos) << "no short name to match";
    const std::vector<std::wstring> inP = {L"p\\abc", L"p\\abc.txt", L"p\\abd.txt", L"p\\a;b1.txt"};
    // The pattern and the files it deletes; no file deleted is a False.
    const std::pair<std::wstring, std::vector<std::wstring>> cases[] = {
        {at(L"\u65E5\u65E5\u65E5.txt"), {}},  {at(L"\u0108.txt"), {}},
        {at(L"x\\\u65E5.txt"), {}},           {at(L"sub\uFF3C4.tmp"), {}},
        {at(L"m\\*.htm"), {L"m\\keep.htm"}},  {at(L"m\\*.html"), {L"m\\page.html"}},
        {pageShort, {L"m\\page.html"}},       {at(L"\u00E9.txt"), {L"\u00E9.txt"}},
        {accentShort, {L"\u0108.txt"}},        {at(L"p\\a*.*"), inP},
        {at(L"p\\*.*"), inP},                 {at(L"p\\abc.*"), {L"p\\abc", L"p\\abc.txt"}},
        {at(L"p\\*."), {L"p\\abc"}},          {at(L"p\\a;b*.txt"), {L"p\\a;b1.txt"}}};
    for (const auto& [pattern, gone] : cases) {
        for (const auto& kill : {std::function([&] { return p.killFile(pattern); }),
                                 std::function([&] { return cFileFunctions().killFile(pattern); })}) {
            for (const std::wstring& name : files) file(name);
            EXPECT_EQ(kill(), !gone.empty()) << pattern;
            for (const std::wstring& name : files)
                EXPECT_EQ(GetFileAttributesW(at(name).c_str()) != INVALID_FILE_ATTRIBUTES,
                          std::count(gone.begin(), gone.end(), name) == 0)
                    << pattern << L": " << name;
        }
    }
}
