// Folder listings and killFiles on a tree of the test's own, and the walks
// over links to folders: one back to the tree's top (a loop) and one out of it.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestEnv.h"
#include "common/WineUnix.h"
#include "support/cFileFunctions.h"

namespace {

using Paths = std::vector<std::wstring>;

struct FolderListings : ::testing::Test {
    testenv::TempDir scratch{L"listings"};
    const std::wstring root = scratch.file(L"tree");
    cFileFunctions ff;
    std::wstring at(const std::wstring& name) const { return root + L"\\" + name; }
    void SetUp() override {
        for (const wchar_t* folder : {L"", L"\\.hidden", L"\\sub", L"\\sub\\deep"})
            CreateDirectoryW((root + folder).c_str(), nullptr);
        for (const wchar_t* name : {L"a.txt", L"b.doc", L"noext", L"h.txt", L".hidden\\x.txt", L"sub\\c.txt",
                                    L"sub\\deep\\d.TXT"})
            testenv::writeFile(at(name), "x");
        SetFileAttributesW(at(L"h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    Paths sorted(Paths paths) {
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    Paths under(std::initializer_list<const wchar_t*> names) {
        Paths paths;
        for (const wchar_t* name : names) paths.push_back(at(name));
        return sorted(paths);
    }
};

}  // namespace

TEST_F(FolderListings, FilesByMaskInTheFolderOrItsTree) {
    const std::tuple<std::wstring, std::wstring, bool, Paths> cases[] = {
        {root, L"*.txt", false, under({L"a.txt", L"h.txt"})},
        {root + L"\\", L"*.txt", false, under({L"a.txt", L"h.txt"})},
        {root, L"", false, {}},
        {root, L"*.*", false, under({L"a.txt", L"b.doc", L"noext", L"h.txt"})},
        {root, L"*.txt;*.doc", false, under({L"a.txt", L"b.doc", L"h.txt"})},
        {root, L"*.txt", true, under({L"a.txt", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"})},
        {at(L"none"), L"*.*", true, {}},
    };
    for (const auto& [folder, mask, tree, expected] : cases)
        EXPECT_EQ(sorted(ff.getFilesInFolder(folder, mask, tree)), expected) << testing::PrintToString(mask) << tree;
}

TEST_F(FolderListings, FoldersComeBeforeTheFoldersInsideThem) {
    EXPECT_EQ(ff.getFolders(root, L"*", true), under({L"sub", L"sub\\deep"}));
    EXPECT_EQ(ff.getFolders(root, L"d*", true), under({L"sub\\deep"}));
    EXPECT_EQ(ff.getFolders(root, L"*", false), under({L"sub"}));
}

TEST_F(FolderListings, KillFilesLeavesReadOnlyFilesUnlessAskedAndKeepsFolders) {
    SetFileAttributesW(at(L"h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(at(L"sub\\c.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ff.killFiles(root, true));
    EXPECT_EQ(sorted(ff.getFilesInFolder(root, L"*.*", true)), under({L"sub\\c.txt"}));
    EXPECT_TRUE(ff.killFiles(root, true, true));
    EXPECT_EQ(ff.getFilesInFolder(root, L"*.*", true), Paths{});
    EXPECT_EQ(ff.getFolders(root, L"*", true).size(), 2u);
}

// Wine makes no junctions; a Unix symbolic link to a folder is what it shows
// as one (a folder with the reparse-point bit).
TEST_F(FolderListings, WalksDoNotFollowLinksToFolders) {
    const std::wstring outside = scratch.file(L"outside");
    CreateDirectoryW(outside.c_str(), nullptr);
    testenv::writeFile(outside + L"\\keep.txt", "keep");
    testenv::UnixLink loop(at(L"sub\\loop"), ".."), out(at(L"out"), "../outside");
    ASSERT_TRUE(loop.made() && out.made());
    ASSERT_NE(GetFileAttributesW(at(L"out").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

    const Paths files = under({L"a.txt", L"b.doc", L"noext", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"});
    EXPECT_EQ(sorted(ff.getFilesInFolder(root, L"*.*", true)), files);
    EXPECT_EQ(sorted(ff.getFolders(root, L"*", true)), under({L"out", L"sub", L"sub\\deep", L"sub\\loop"}));
    SetFileAttributesW(at(L"h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(ff.killFiles(root, true));
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");

    // The tree goes; a link goes only where the system can tell it is one (not
    // under Wine): then the folder holding it stays and the delete raises.
    int32_t raised = testenv::raisedError([&] { ff.folderDelete(root); });
    EXPECT_EQ(raised != 0, GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(GetFileAttributesW(at(L"sub\\deep").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");
}
