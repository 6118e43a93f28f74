// The file-operations object's shell operations, recycle bin, shredder, trim
// and tree delete, each on files this test made in its own scratch folder.
// ctest-lock: recycle-bin
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "common/TestEnv.h"
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

std::vector<std::wstring> names(const std::wstring& folder) {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
        if (data.cFileName != L"."s && data.cFileName != L".."s) found.push_back(data.cFileName);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    std::sort(found.begin(), found.end());
    return found;
}

struct FileOperations : ::testing::Test {
    testenv::TempDir root{L"fileops"};
    cFileFunctions ff;
    std::wstring at(const std::wstring& name) const { return root.file(name); }
    void file(const std::wstring& name, const std::string& content = "x", DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        testenv::writeFile(at(name), content);
        SetFileAttributesW(at(name).c_str(), attributes);
    }
    void folders(std::initializer_list<const wchar_t*> list) {
        for (const wchar_t* name : list) CreateDirectoryW(at(name).c_str(), nullptr);
    }
    // An open handle that shares nothing, as another program may hold one.
    HANDLE lock(const std::wstring& name) {
        return CreateFileW(at(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    void release(const std::wstring& name) { SetFileAttributesW(at(name).c_str(), FILE_ATTRIBUTE_NORMAL); }
};

}  // namespace

TEST(ShellFileOperation, RequestsCarryTheOperationAndTheFlagsOfTheirOptions) {
    using namespace ShellFileOperation;
    const std::tuple<Request, UINT, FILEOP_FLAGS> cases[] = {
        {copyRequest(L"a", L"b", false), FO_COPY, 0x8},
        {copyRequest(L"a", L"b", true), FO_COPY, 0x0},
        {copyRequest(L"a\0b\0\0"s, L"x\0y"s, true), FO_COPY, 0x1},
        {deleteRequest(L"a", false, false, false, false, true), FO_DELETE, 0x40},
        {deleteRequest(L"a", true, true, true, true, true), FO_DELETE, 0x1D4},
        {deleteRequest(L"a", false, false, true, false, false), FO_DELETE, 0x10},
        {moveRequest(L"a", L"b"), FO_MOVE, 12},
        {renameRequest(L"a", L"b"), FO_RENAME, 12},
    };
    for (const auto& [request, func, flags] : cases)
        EXPECT_EQ(std::make_pair(request.wFunc, request.fFlags), std::make_pair(func, flags));
    EXPECT_EQ(recycleBinFlags(false, false, false), 7u);
    EXPECT_EQ(recycleBinFlags(true, true, true), 0u);
    EXPECT_EQ(recycleBinFlags(true, false, true), 2u);
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
    EXPECT_EQ(names(at(L"sub")), (std::vector<std::wstring>{L"a.txt", L"keep"}));
    EXPECT_TRUE(exists(at(L"d.txt")) && !exists(at(L"c.txt")));
    EXPECT_TRUE(ff.fileDelete(at(L"sub\\*.*"), true, false, true, true));  // files only, no questions
    EXPECT_EQ(names(at(L"sub")), std::vector<std::wstring>{L"keep"});
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
    const struct {
        size_t size;
        DWORD attributes;
        int32_t count;
        bool locked, result;
    } cases[] = {
        {10, FILE_ATTRIBUTE_NORMAL, 1, false, true},   {32768, FILE_ATTRIBUTE_NORMAL, 1, false, true},
        {32769, FILE_ATTRIBUTE_NORMAL, 2, false, true}, {10, FILE_ATTRIBUTE_READONLY, 1, false, true},
        {10, FILE_ATTRIBUTE_NORMAL, 0, false, true},   {10, FILE_ATTRIBUTE_NORMAL, 1, true, false},
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
        {3, false, true, "0123456"},
        {0, false, true, "0123456789"},
        {20, false, true, ""},
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
    file(L"t\\a.txt");
    file(L"t\\s1\\b.txt");
    file(L"t\\s1\\s2\\c");
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
