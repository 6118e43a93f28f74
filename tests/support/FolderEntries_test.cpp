// Names that come back from a search, made with the wide calls as another
// program (or another system) makes them. The ANSI search hands them back as
// other names ("．．＼v.txt" as "..\v.txt", "Ĉ.txt" as "C.txt", "日.log" as
// "?.log"), and the system reads "x." and "tb " as "x" and "tb".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Scratch.h"
#include "runtime/Handles.h"
#include "support/FolderEntries.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"

namespace {

using Paths = std::vector<std::wstring>;

const std::wstring kDotsBackslash = L"\uFF0E\uFF0E\uFF3C";  // "..\" in full width

struct HostileNames : Scratch {
    cFileFunctions ff;
    const cPathExt p{};
    std::wstring verbatim(const std::wstring& name) const { return L"\\\\?\\" + at(name); }  // keeps trailing dots
    void make(std::initializer_list<std::wstring> names, bool asFolders = false) const {
        for (const std::wstring& name : names)
            asFolders ? CreateDirectoryW(verbatim(name).c_str(), nullptr) : testenv::writeFile(verbatim(name), "x");
    }
    bool there(const std::wstring& name) const {
        return GetFileAttributesW(verbatim(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // The entry's short (8.3) name as the wide search gives it.
    std::wstring shortName(const std::wstring& name) const {
        WIN32_FIND_DATAW found{};
        rt::unique_hfind search = rt::findHandle(FindFirstFileW(verbatim(name).c_str(), &found));
        return found.cAlternateFileName;
    }
};

Paths sorted(Paths paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace

TEST(FolderEntries, AnEntryIsReachedByItsOwnNameItsShortNameOrNone) {
    const std::tuple<std::wstring, std::wstring, std::wstring> cases[] = {
        // own name, short name, the name that reaches it
        {L"page.html", L"PAGE~1.HTM", L"page.html"}, {L"\u00E9.txt", L"_~1.TXT", L"\u00E9.txt"},
        {L"\u0108.txt", L"_~1.TXT", L"_~1.TXT"},     {kDotsBackslash + L"v.txt", L"", L""},
        {L"x.", L"X_~1", L"X_~1"},                   {L"tb ", L"", L""},
        {L"..", L"", L".."},                         {L"\u65E5.log", L"\u65E5~1.LOG", L""}};
    ASSERT_EQ(GetACP(), 1252u);
    for (const auto& [own, shortName, reaching] : cases)
        EXPECT_EQ(FolderEntries::reachingName(own, shortName), reaching) << own;
}

// In o\a\t: "．．＼v.txt" (best fit: o\a\v.txt) and a folder "．．＼．．" (best fit: o).
TEST_F(HostileNames, WalksAndDeletesKeepToTheFolderTheyAreGiven) {
    const std::wstring t = L"o\\a\\t", v = t + L"\\" + kDotsBackslash + L"v.txt",
                       dots = t + L"\\" + kDotsBackslash + L"\uFF0E\uFF0E";
    const Paths names = {L"o\\keep.txt", L"o\\a\\v.txt", t + L"\\plain.txt", v, dots + L"\\in.txt", dots, t};
    auto build = [&] {
        make({L"o", L"o\\a", t, dots}, true);
        make({names[0], names[1], names[2], names[3], names[4]});
    };
    build();
    const std::wstring dotsShort = at(t + L"\\" + shortName(dots)), vShort = at(t + L"\\" + shortName(v));
    ASSERT_NE(vShort.find(L'~'), std::wstring::npos) << "no short names here";
    EXPECT_EQ(sorted(ff.getFilesInFolder(at(t), L"*.*", true)),
              sorted({dotsShort + L"\\in.txt", vShort, at(t + L"\\plain.txt")}));
    EXPECT_EQ(ff.getFolders(at(L"o\\a"), L"*", true), Paths({at(t), dotsShort}));

    const std::tuple<const char*, std::function<bool()>, Paths> cases[] = {
        // member, what is left of the names
        {"killFiles", [&] { return ff.killFiles(at(t)); }, {names[0], names[1], names[4], dots, t}},
        {"killFiles of the tree", [&] { return ff.killFiles(at(t), true); }, {names[0], names[1], dots, t}},
        {"killFile", [&] { return p.killFile(at(t + L"\\*.txt")); }, {names[0], names[1], names[4], dots, t}},
        {"folderDelete", [&] { return ff.folderDelete(at(t)); }, {names[0], names[1]}}};
    for (const auto& [member, call, left] : cases) {
        build();
        EXPECT_TRUE(call()) << member;
        Paths seen;
        std::copy_if(names.begin(), names.end(), std::back_inserter(seen), [&](auto& name) { return there(name); });
        EXPECT_EQ(seen, left) << member;
    }
}

// Each with the name the system would read in its place.
TEST_F(HostileNames, NamesTheSystemReadsAsOthersAreReachedByTheirShortNames) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"\u0108.txt", L"C.txt"}, {L"\u65E5.log", L"a.log"}, {L"x.", L"x"}, {L"tb ", L"tb"}};
    make({L"t"}, true);
    Paths listed;
    for (const auto& [name, twin] : cases) {
        make({L"t\\" + name, L"t\\" + twin});
        listed.insert(listed.end(), {at(L"t\\" + shortName(L"t\\" + name)), at(L"t\\" + twin)});
    }
    EXPECT_EQ(sorted(ff.getFilesInFolder(at(L"t"), L"*.*")), sorted(listed));
    for (const auto& [name, twin] : cases) {
        make({L"t\\" + name, L"t\\" + twin});
        EXPECT_TRUE(ff.killFile(at(L"t\\" + shortName(L"t\\" + name)))) << name;
        EXPECT_EQ(std::make_pair(there(L"t\\" + name), there(L"t\\" + twin)), std::make_pair(false, true)) << name;
    }
    make({L"f", L"f\\\uFF0Ex"}, true);  // its own name does not begin with "."
    EXPECT_TRUE(p.folderContainsSubfolders(at(L"f\\")));
}

// Searched as given, such a folder would be C, t (t\x\.. to best fit) or t
// (the part before the NUL), or the wide search would list Ĉ's entries under
// names that name nothing.
TEST_F(HostileNames, AFolderTheCodePageCannotHoldOrHoldingANulNamesNothing) {
    const std::wstring nul(1, L'\0'), victim = at(L"victim.txt") + nul + L"\\sub";
    make({L"C", L"C\\sub", L"\u0108", L"\u0108\\sub", L"t", L"t\\sub"}, true);
    make({L"C\\in.txt", L"\u0108\\in.txt", L"t\\in.txt", L"victim.txt"});
    for (const std::wstring& folder : {at(L"\u0108"), at(L"t\\x\uFF3C\uFF0E\uFF0E"), at(L"t") + nul}) {
        EXPECT_EQ(ff.getFilesInFolder(folder, L"*.*", true), Paths{}) << folder;
        EXPECT_EQ(ff.getFolders(folder, L"*", true), Paths{}) << folder;
    }
    EXPECT_EQ(ff.getFilesInFolder(at(L"t"), L"*.txt" + nul, true), Paths{});
    EXPECT_EQ(testenv::raisedError([&] { ff.killFiles(victim, true); }), rt::errPathFileAccess);
    EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(victim); }), rt::errPathFileAccess);
    for (const std::wstring& pattern : {victim, at(L"v*.txt") + nul})
        EXPECT_EQ(std::make_tuple(p.killFile(pattern), ff.killFile(pattern), p.fileExists(pattern)),
                  std::make_tuple(false, false, false))
            << pattern;
    EXPECT_TRUE(there(L"victim.txt") && there(L"t\\in.txt"));
}
