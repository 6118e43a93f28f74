// The path object's questions to the file system, in a scratch folder of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/TestEnv.h"
#include "support/cPathExt.h"

namespace {

struct PathQueries : ::testing::Test {
    testenv::TempDir root{L"pathqueries"};
    const cPathExt p{};
    std::wstring at(const std::wstring& name) const { return root.file(name); }
    void folders(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names) CreateDirectoryW(at(name).c_str(), nullptr);
    }
    void file(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        testenv::writeFile(at(name), "x");
        SetFileAttributesW(at(name).c_str(), attributes);
    }
};

// Nested folders named with eight characters (their own short names) below
// `base`, 256 to 259 characters in all, removed here deepest first: Wine's
// shell, asked to delete a tree this deep, deletes in the current folder.
struct DeepFolder {
    std::wstring path;
    std::vector<std::wstring> made;
    explicit DeepFolder(const std::wstring& base) : path(base) {
        while (path.size() < 256) {
            path += L"\\" + std::wstring(path.size() + 9 <= 259 ? 8 : std::max<size_t>(1, 255 - path.size()), L'd');
            made.push_back(L"\\\\?\\" + path);
            CreateDirectoryW(made.back().c_str(), nullptr);
        }
    }
    ~DeepFolder() {
        for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
        if (!made.empty() && GetFileAttributesW(made.front().c_str()) != INVALID_FILE_ATTRIBUTES) std::abort();
    }
};

}  // namespace

TEST_F(PathQueries, ExistenceContentAndDrives) {
    folders({L"onlysub", L"onlysub\\sub", L"dotted", L"dotted\\.cache", L"hidden"});
    file(L"hidden\\h.txt", FILE_ATTRIBUTE_HIDDEN);
    file(L"f.txt");
    const std::pair<bool, bool> cases[] = {
        {p.folderExists(at(L"f.txt")), true} /* any entry counts */, {p.folderExists(at(L"none")), false},
        {p.folderExists(at(L"bad<|>")), false},           {p.folderContainsFiles(at(L"onlysub\\")), false},
        {p.folderContainsFiles(at(L"hidden\\")), true},   {p.folderContainsFiles(at(L"f")), true} /* f*.* */,
        {p.folderContainsSubfolders(at(L"onlysub\\")), true}, {p.folderContainsSubfolders(at(L"dotted\\")), false},
        {p.driveExists(L"c:"), true},                     {p.driveExists(L"c:\\"), true},
        {p.driveExists(L"Q:"), false},                    {p.driveExists(L""), true},
        {p.driveReady(L"C:"), true},                      {p.driveReady(L"Q:"), false},
    };
    ASSERT_EQ(GetLogicalDrives() & (1u << (L'Q' - L'A')), 0u);
    int row = 0;
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected) << "row " << row++;
}

TEST_F(PathQueries, TemporaryFolderAndFilesFollowThePlatformLongFoldersIncluded) {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    EXPECT_EQ(p.findTempPath(), tmp);
    std::wstring made = p.createTempFile(L"tw");
    EXPECT_EQ(made.rfind(tmp + std::wstring(L"tw"), 0), 0u) << testing::PrintToString(made);
    EXPECT_EQ(GetFileAttributesW(made.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(testenv::readFile(made), "");
    DeleteFileW(made.c_str());

    // A temporary folder too long to hold a new name within MAX_PATH.
    const std::wstring longTemp = root.path + L"\\" + std::wstring(250 - root.path.size(), L't') + L"\\";
    SetEnvironmentVariableW(L"TMP", longTemp.c_str());
    EXPECT_EQ(p.findTempPath(), longTemp);
    EXPECT_EQ(p.createTempFile(L"tw"), L"");
    SetEnvironmentVariableW(L"TMP", tmp);
}

TEST_F(PathQueries, ShortPathNamesAndFolderChains) {
    wchar_t shortRoot[MAX_PATH];
    ASSERT_NE(GetShortPathNameW(root.path.c_str(), shortRoot, MAX_PATH), 0u);
    const DeepFolder deep(shortRoot);
    EXPECT_EQ(p.getShortPathName(deep.path).toString(), deep.path);  // longer than 255 characters
    EXPECT_EQ(p.getShortPathName(at(L"none")).toString(), L"");

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
        {hidden, false, true, false, true}, {0, false, false, true, false}, {0, true, true, false, true},
    };
    const std::wstring f = at(L"k.txt");
    for (const auto& [attributes, writeProtect, noHidden, locked, result] : cases) {
        file(L"k.txt", attributes);
        HANDLE lock = locked ? CreateFileW(f.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        EXPECT_EQ(p.killFile(f, writeProtect, noHidden), result) << attributes;
        EXPECT_EQ(p.fileFolderExists(f), !result) << attributes;
        if (lock) CloseHandle(lock);
        SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(f.c_str());
    }
    EXPECT_FALSE(p.killFile(at(L"none.txt")));
    for (const wchar_t* name : {L"1.tmp", L"2.tmp", L"3.txt"}) file(name);
    EXPECT_TRUE(p.killFile(at(L"*.tmp")));
    EXPECT_EQ(std::make_pair(p.fileExists(at(L"*.tmp")), p.fileExists(at(L"3.txt"))), std::make_pair(false, true));
}
