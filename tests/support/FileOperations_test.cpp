// The file-operations object's shell operations, recycle bin, shredder, trim,
// tree delete and listings, each on files this test made in its own scratch
// folder, and its walks over links to folders: one back to the tree's top (a
// loop) and one out of it.
// ctest-lock: recycle-bin
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "Scratch.h"
#include "common/WineUnix.h"
#include "support/ShellFileOperation.h"
#include "support/cFileFunctions.h"

using namespace std::string_literals;

namespace {

// Wine keeps its recycle bin in the Unix user's trash ($XDG_DATA_HOME/Trash,
// else ~/.local/share/Trash): this program's goes to a scratch folder, set
// before anything uses the recycle bin.
class PrivateRecycleBin : public ::testing::Environment {
public:
    static inline std::unique_ptr<testenv::TempDir> folder;
    void SetUp() override {
        folder = std::make_unique<testenv::TempDir>(L"recycle-bin");
        SetEnvironmentVariableA("XDG_DATA_HOME", testenv::unixPath(folder->path).c_str());
    }
    void TearDown() override { folder.reset(); }
};
::testing::Environment* const recycleBin = ::testing::AddGlobalTestEnvironment(new PrivateRecycleBin);

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct FileOperations : Scratch {
    cFileFunctions ff;
    void release(const std::wstring& name) { SetFileAttributesW(at(name).c_str(), FILE_ATTRIBUTE_NORMAL); }
};

using Paths = std::vector<std::wstring>;

// A tree with a hidden file, a folder whose name begins with "." and names with and without extensions.
struct FolderListings : FileOperations {
    const std::wstring tree = at(L"tree");
    std::wstring in(const std::wstring& name) const { return tree + L"\\" + name; }
    void SetUp() override {
        folders({L"tree", L"tree\\.hidden", L"tree\\sub", L"tree\\sub\\deep"});
        for (const wchar_t* name :
             {L"a.txt", L"b.doc", L"noext", L"h.txt", L".hidden\\x.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"})
            file(std::wstring(L"tree\\") + name);
        SetFileAttributesW(in(L"h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    static Paths sorted(Paths paths) {
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    Paths under(std::initializer_list<const wchar_t*> names) const {
        Paths paths;
        for (const wchar_t* name : names) paths.push_back(in(name));
        return sorted(paths);
    }
};

}  // namespace

TEST(ShellFileOperation, RequestsCarryTheOperationAndTheFlagsOfTheirOptions) {
    using namespace ShellFileOperation;
    const std::tuple<Request, UINT, FILEOP_FLAGS> cases[] = {
        {copyRequest(L"a", L"b", false), FO_COPY, 0x8}, {copyRequest(L"a", L"b", true), FO_COPY, 0x0},
        {copyRequest(L"a\0b\0\0"s, L"x\0y"s, true), FO_COPY, 0x1},
        {deleteRequest(L"a", false, false, false, false, true), FO_DELETE, 0x40},
        {deleteRequest(L"a", true, true, true, true, true), FO_DELETE, 0x1D4},
        {deleteRequest(L"a", false, false, true, false, false), FO_DELETE, 0x10},
        {moveRequest(L"a", L"b"), FO_MOVE, 12}, {renameRequest(L"a", L"b"), FO_RENAME, 12},
    };
    for (const auto& [request, func, flags] : cases)
        EXPECT_EQ(std::make_pair(request.wFunc, request.fFlags), std::make_pair(func, flags));
    EXPECT_EQ(std::make_tuple(recycleBinFlags(false, false, false), recycleBinFlags(true, true, true),
                              recycleBinFlags(true, false, true)),
              std::make_tuple(7ul, 0ul, 2ul));
    const std::pair<std::wstring, std::wstring> nulls[] = {
        {L"", L"\0\0"s}, {L"a", L"a\0\0"s}, {L"a\0"s, L"a\0\0"s}, {L"a\0\0"s, L"a\0\0"s}};
    for (auto [in, out] : nulls) EXPECT_EQ(addDoubleNull(in), out);
}

TEST_F(FileOperations, ShellOperationsCopyMoveRenameAndDelete) {
    folders({L"sub", L"sub\\keep"});
    file(L"a.txt", "a");
    file(L"b.txt", "b");
    // (Wine's shell asks before it replaces a file whatever the flags: no copy onto a taken name here.)
    EXPECT_TRUE(ff.fileCopy(at(L"a.txt"), at(L"c.txt")));
    EXPECT_EQ(testenv::readFile(at(L"c.txt")), "a");
    EXPECT_TRUE(ff.fileMove(at(L"a.txt"), at(L"sub")));
    EXPECT_TRUE(ff.fileRename(at(L"c.txt"), at(L"d.txt")));
    EXPECT_TRUE(exists(at(L"sub\\a.txt")) && exists(at(L"d.txt")) && !exists(at(L"a.txt")) && !exists(at(L"c.txt")));
    EXPECT_TRUE(ff.fileDelete(at(L"sub\\*.*"), true, false, true, true));  // files only, no questions
    EXPECT_TRUE(!exists(at(L"sub\\a.txt")) && exists(at(L"sub\\keep")));
    EXPECT_TRUE(ff.fileDelete(at(L"b.txt") + L'\0' + at(L"d.txt"), false, false, true, true));
    EXPECT_FALSE(exists(at(L"b.txt")) || exists(at(L"d.txt")));
}

TEST_F(FileOperations, RecycleBinTakesDeletedFilesAndEmpties) {
    const std::wstring recycled = PrivateRecycleBin::folder->file(L"Trash\\files\\gone.txt");
    file(L"gone.txt");
    EXPECT_TRUE(ff.fileDelete(at(L"gone.txt"), false, false, true, true, true));
    EXPECT_FALSE(exists(at(L"gone.txt")));
    ASSERT_TRUE(exists(recycled)) << "not in this program's own recycle bin: nothing is emptied";
    EXPECT_TRUE(ff.emtyRecycleBin());
    EXPECT_FALSE(exists(recycled));
}

TEST_F(FileOperations, ShredderOverwritesBlockByBlockAndDeletes) {
    const struct { size_t size; DWORD attributes; int32_t count; bool locked, result; } cases[] = {
        {10, 0, 1, false, true},    {32768, 0, 1, false, true}, {32769, 0, 2, false, true},
        {10, FILE_ATTRIBUTE_READONLY, 1, false, true}, {10, 0, 0, false, true}, {10, 0, 1, true, false},
    };
    for (const auto& c : cases) {
        const std::string zeros(c.size, '\0');
        file(L"s.bin", zeros);
        CreateHardLinkW(at(L"seen.bin").c_str(), at(L"s.bin").c_str(), nullptr);  // keeps the bytes after the delete
        SetFileAttributesW(at(L"s.bin").c_str(), c.attributes);
        HANDLE held = c.locked ? lock(L"s.bin") : nullptr;
        EXPECT_EQ(ff.fileShredder(at(L"s.bin"), c.count), c.result) << c.size;
        EXPECT_EQ(exists(at(L"s.bin")), !c.result);
        if (held) CloseHandle(held);
        std::string seen = testenv::readFile(at(L"seen.bin"));
        ASSERT_EQ(seen.size(), c.size);
        if (c.count > 0 && c.result) {
            // The last pass is random: one value, never 0, for each block and one for the rest.
            EXPECT_EQ(seen.find('\0'), std::string::npos) << c.size;
            size_t uneven = 0;
            for (size_t i = 1; i < c.size && !uneven; ++i)
                if (i % 32768 && seen[i] != seen[i - 1]) uneven = i;
            EXPECT_EQ(uneven, 0u) << c.size;
        } else {
            EXPECT_EQ(seen, zeros);
        }
        release(L"s.bin");
        DeleteFileW(at(L"s.bin").c_str());
        DeleteFileW(at(L"seen.bin").c_str());
    }
    EXPECT_EQ(testenv::raisedError([&] { ff.fileShredder(at(L"none.bin"), 1); }), rt::errFileNotFound);
}

TEST_F(FileOperations, TrimCutsTheEndOrAllOfAShorterFile) {
    const std::tuple<int32_t, bool, bool, std::string> cases[] = {
        {3, false, true, "0123456"}, {0, false, true, "0123456789"}, {20, false, true, ""},
        {3, true, false, "0123456789"},
    };
    for (const auto& [bytes, locked, result, left] : cases) {
        file(L"t.txt", "0123456789");
        HANDLE held = locked ? lock(L"t.txt") : nullptr;
        EXPECT_EQ(ff.fileTrim(at(L"t.txt"), bytes), result) << bytes;
        if (held) CloseHandle(held);
        EXPECT_EQ(testenv::readFile(at(L"t.txt")), left) << bytes;
    }
    EXPECT_FALSE(ff.fileTrim(at(L"none.txt"), 1));
}

TEST_F(FileOperations, FolderDeleteRemovesATreeOrStopsAtWhatItMayNotDelete) {
    folders({L"t", L"t\\s1", L"t\\s1\\s2", L"t\\empty", L"r", L"r\\s", L"h"});
    for (const wchar_t* name : {L"t\\a.txt", L"t\\s1\\b.txt", L"t\\s1\\s2\\c"}) file(name);
    EXPECT_TRUE(ff.folderDelete(at(L"t")));
    EXPECT_FALSE(exists(at(L"t")));

    file(L"r\\s\\r.txt", "x", FILE_ATTRIBUTE_READONLY);
    file(L"h\\h.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(at(L"r")); }), rt::errPathFileAccess);
    EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(at(L"h")); }), rt::errPathFileAccess);
    EXPECT_TRUE(exists(at(L"r\\s\\r.txt")) && exists(at(L"h\\h.txt")));
    EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(at(L"none")); }), rt::errPathNotFound);
    release(L"r\\s\\r.txt");
}

// Folders come before the folders inside them.
TEST_F(FolderListings, FilesByMaskAndFoldersInTheFolderOrItsTree) {
    const std::tuple<std::wstring, std::wstring, bool, Paths> cases[] = {
        {tree, L"*.txt", false, under({L"a.txt", L"h.txt"})},
        {tree + L"\\", L"*.txt", false, under({L"a.txt", L"h.txt"})},
        {tree, L"", false, {}},
        {tree, L"*.*", false, under({L"a.txt", L"b.doc", L"noext", L"h.txt"})},
        {tree, L"*.txt;*.doc", false, under({L"a.txt", L"b.doc", L"h.txt"})},
        {tree, L"*.txt", true, under({L"a.txt", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"})},
        {in(L"none"), L"*.*", true, {}},
    };
    for (const auto& [folder, mask, deep, expected] : cases)
        EXPECT_EQ(sorted(ff.getFilesInFolder(folder, mask, deep)), expected) << testing::PrintToString(mask) << deep;
    EXPECT_EQ(ff.getFolders(tree, L"*", true), under({L"sub", L"sub\\deep"}));
    EXPECT_EQ(ff.getFolders(tree, L"d*", true), under({L"sub\\deep"}));
    EXPECT_EQ(ff.getFolders(tree, L"*", false), under({L"sub"}));
}

// Wine makes no junctions; a Unix symbolic link to a folder is what it shows
// as one (a folder with the reparse-point bit).
TEST_F(FolderListings, WalksDoNotFollowLinksToFoldersAndKillFilesSparesReadOnlyFilesUnlessAsked) {
    const std::wstring outside = at(L"outside");
    folders({L"outside"});
    file(L"outside\\keep.txt", "keep");
    testenv::UnixLink loop(in(L"sub\\loop"), ".."), out(in(L"out"), "../outside");
    ASSERT_TRUE(loop.made() && out.made());
    ASSERT_NE(GetFileAttributesW(in(L"out").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

    const Paths files = under({L"a.txt", L"b.doc", L"noext", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"});
    EXPECT_EQ(sorted(ff.getFilesInFolder(tree, L"*.*", true)), files);
    EXPECT_EQ(sorted(ff.getFolders(tree, L"*", true)), under({L"out", L"sub", L"sub\\deep", L"sub\\loop"}));
    SetFileAttributesW(in(L"h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(in(L"sub\\c.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ff.killFiles(tree, true));
    EXPECT_EQ(sorted(ff.getFilesInFolder(tree, L"*.*", true)), under({L"sub\\c.txt"}));
    EXPECT_TRUE(ff.killFiles(tree, true, true));
    EXPECT_EQ(ff.getFilesInFolder(tree, L"*.*", true), Paths{});
    EXPECT_TRUE(exists(in(L"sub\\deep")));  // folders stay
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");

    // The tree goes; a link goes only where the system can tell it is one (not
    // under Wine): then the folder holding it stays and the delete raises.
    int32_t raised = testenv::raisedError([&] { ff.folderDelete(tree); });
    EXPECT_EQ(raised != 0, GetFileAttributesW(tree.c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(exists(in(L"sub\\deep")));
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");
}
