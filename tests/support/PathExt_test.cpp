// The path object: its path texts, which need no disk, and its questions to
// the file system, in a scratch folder of the test's own.
#include <gtest/gtest.h>

#include <functional>

#include "LongNames.h"
#include "Scratch.h"
#include "runtime/Handles.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"

namespace {

struct PathQueries : Scratch {
    const cPathExt p{};
};

using TextRule = std::wstring (cPathExt::*)(const std::wstring&) const;
using Cases = std::vector<std::pair<std::wstring, std::wstring>>;

// 259 characters and the NUL: the longest path the ANSI path calls take.
constexpr size_t kLengths[] = {259, 260, 261, 1000, 32767};

std::wstring yes(bool b) { return b ? L"True" : L"False"; }

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

// Each member fed texts of every length in kLengths: its start is given, letters fill it. The answer at 259
// characters comes from the platform's call, the one beyond from the member alone ("=": the text itself).
TEST(PathExt, TextsBeyondWhatThePathCallsTakeGetFixedAnswers) {
    const cPathExt p;
    using Ask = std::function<std::wstring(const std::wstring&)>;
    const std::tuple<std::wstring, Ask, std::wstring, std::wstring> rows[] = {
        {L"C:\\", [&](auto& t) { return p.addExtension(t, L"txt"); }, L"=", L"="},
        {L"C:\\", [&](auto& t) { return p.appendFileName(t, L"b"); }, L"", L""},
        {L"C:\\", [&](auto& t) { return p.compactPath(t, 40).toString(); }, L"...\\" + std::wstring(32, L'a') + L"...",
         L""},
        {L"C:\\x\\", [&](auto& t) { return p.getEqualPart(t, L"c:\\X" + t.substr(4, t.size() - 5) + L"B"); }, L"C:\\x",
         L"C:\\x"},
        {L"C:\\x\\", [&](auto& t) { return p.getFilePart(t); }, std::wstring(254, L'a'), L""},
        {L"C:\\", [&](auto& t) { return yes(p.driveExists(t) || p.driveReady(t)); }, L"False", L"False"},
        {L"C:\\", [&](auto& t) { return p.getLongPathName(t).toString(); }, L"=", L""},
        {L"C:\\x\\", [&](auto& t) { return p.getParentFolder(t); }, L"C:\\x", L"C:\\x"},
        {L"C:\\", [&](auto& t) { return p.getRoot(t); }, L"C:\\", L""},
        {L"C:\\x\\", [&](auto& t) { return yes(p.hasPrefix(t, L"c:\\X\\")); }, L"True", L"True"},
        {L"\\\\s\\", [&](auto& t) { return yes(p.isNetworkPath(t)); }, L"True", L"False"},
        {L"a", [&](auto& t) { return yes(p.isRelative(t)); }, L"True", L"False"},
        {L"\\\\s\\", [&](auto& t) { return yes(p.isRoot(t)); }, L"True", L"False"},
        {L"C:\\", [&](auto& t) { return yes(p.isSameDrive(t, t)); }, L"True", L"False"},
        {L"http://", [&](auto& t) { return yes(p.isURL(t)); }, L"True", L"False"},
        {L"C:\\", [&](auto& t) { return p.parsePath(t); }, L"=", L""},
        {L"C:\\a b", [&](auto& t) { return p.quote(t); }, L"=", L"="},
        // The text in quotes loses them.
        {L"\"C:\\",
         [&](auto& t) { return yes(p.unQuote(t.substr(0, t.size() - 1) + L'"') == t.substr(1, t.size() - 2)); },
         L"True", L"True"}};
    for (size_t row = 0; row < std::size(rows); ++row) {
        const auto& [start, ask, at259, beyond] = rows[row];
        for (size_t length : kLengths) {
            const std::wstring text = start + std::wstring(length - start.size(), L'a');
            const std::wstring& expected = length == 259 ? at259 : beyond;
            EXPECT_EQ(ask(text), expected == L"=" ? text : expected) << "row " << row << ", " << length;
        }
    }
}

// Folders of every length in kLengths, made with the wide calls; those beyond 259 characters are never asked about.
TEST_F(PathQueries, PathsBeyondWhatThePathCallsTakeAreNotAskedAbout) {
    // Each member given an empty folder, and its answer at 259 characters: the platform's. PathIsDirectoryEmptyA
    // needs room to add "\*" to the folder.
    const std::pair<std::function<bool(const std::wstring&)>, bool> members[] = {
        {[&](auto& f) { return p.fileFolderExists(f); }, true},
        {[&](auto& f) { return p.isFolder(f); }, true},
        {[&](auto& f) { return p.isFolderEmpty(f); }, false},
        {[&](auto& f) { return p.folderExists(f); }, true},
        {[&](auto& f) { return !p.getShortPathName(f).toString().empty(); }, true}};
    for (size_t length : kLengths) {
        const std::wstring folder = longnames::folderOfLength(root.path, length);
        for (size_t i = 0; i < std::size(members); ++i)
            EXPECT_EQ(members[i].first(folder), length == 259 && members[i].second) << i << ", " << length;
        p.addToRecentDocs(folder);
        const std::wstring file = longnames::folderOfLength(root.path, length - 2, L'f') + L"\\f";
        testenv::writeFile(longnames::extended(file));
        EXPECT_EQ(p.fileExists(file), length == 259) << length;
        // The file calls are not handed a longer name either: the shredder refuses it with 75.
        const bool made = longnames::exists(file);  // not at 32 767: beyond what Wine's Unix side takes
        EXPECT_EQ(testenv::raisedError([&] { cFileFunctions().fileShredder(file, 1); }), length == 259 ? 0 : 75);
        EXPECT_EQ(longnames::exists(file), made && length != 259) << length;
        // One level more, made only where the whole path fits.
        const std::wstring parent = longnames::folderOfLength(root.path, length - 3, L'e');
        EXPECT_EQ(p.createFolderStructure(parent + L"\\b\\"), length == 259) << length;
        EXPECT_EQ(longnames::exists(parent + L"\\b"), length == 259) << length;
    }
}

// GetTempFileNameA takes a folder of at most 246 characters, its "\" counted, and puts the prefix's first three
// characters into the name it makes: a file is to be made in the folder only where the row says so, and none in the
// scratch folder holding it.
TEST_F(PathQueries, CreateTempFileMakesOnlyNamesItChecked) {
    const auto madeIn = [](const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        return bool(rt::findHandle(FindFirstFileW(longnames::extended(folder + L"\\*.tmp").c_str(), &found)));
    };
    wchar_t saved[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TMP", saved, MAX_PATH);
    folders({L"t"});
    const std::tuple<std::wstring, std::wstring, bool> cases[] = {
        {longnames::folderOfLength(root.path, 245), L"tw", true},
        {longnames::folderOfLength(root.path, 246), L"tw", false},
        {at(L"t"), std::wstring(1000, L'w'), true},
        {at(L"t"), L"..\\", false},
        {at(L"t"), L"a:b", false}};
    for (const auto& [folder, prefix, made] : cases) {
        SetEnvironmentVariableW(L"TMP", folder.c_str());
        const std::wstring name = p.createTempFile(prefix);
        EXPECT_EQ(name.rfind(folder + L"\\" + prefix.substr(0, 3), 0) == 0, made) << name;
        EXPECT_EQ(std::make_pair(madeIn(folder), madeIn(root.path)), std::make_pair(made, false)) << prefix;
        DeleteFileW(longnames::extended(name).c_str());
    }
    SetEnvironmentVariableW(L"TMP", saved);
}

// Code page 1252 turns a "C" with a circumflex into "C": such a name has no short form, though "C.txt" beside it has.
TEST_F(PathQueries, GetShortPathNameOfANameTheCodePageCannotHoldIsEmpty) {
    for (const wchar_t* name : {L"C.txt", L"\u0108.txt", L"\u00E9.txt"}) file(name);
    wchar_t held[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameW(at(L"\u00E9.txt").c_str(), held, MAX_PATH), 0u);
    EXPECT_EQ(p.getShortPathName(at(L"\u00E9.txt")).toString(), held);
    EXPECT_EQ(p.getShortPathName(at(L"\u0108.txt")).toString(), L"");
}
