// The path object's questions to the file system, in a scratch folder of the test's own.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdio>
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

// Nested folders with names of eight characters (their own short names)
// below `base`, until the whole is 256 to 259 characters long. They are
// removed here, deepest first: Wine's shell, asked to delete a tree this
// deep, deletes in the current folder instead.
class DeepFolder {
public:
    explicit DeepFolder(const std::wstring& base) : path(base) {
        while (path.size() + 9 <= 259) add(L"abcdefgh");
        if (path.size() < 256) add(std::wstring(std::max<size_t>(1, 255 - path.size()), L'x'));
    }
    ~DeepFolder() {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryW(it->c_str());
        if (!made_.empty() && GetFileAttributesW(made_.front().c_str()) != INVALID_FILE_ATTRIBUTES) {
            std::fputs("deep test folders left behind: stopping before any cleanup reaches them\n", stderr);
            std::abort();
        }
    }
    std::wstring path;

private:
    void add(const std::wstring& name) {
        path += L"\\" + name;
        made_.push_back(L"\\\\?\\" + path);
        CreateDirectoryW(made_.back().c_str(), nullptr);
    }
    std::vector<std::wstring> made_;
};

// Sets an environment variable for the scope.
struct EnvGuard {
    const wchar_t* name;
    std::wstring old;
    EnvGuard(const wchar_t* n, const std::wstring& value) : name(n), old(32767, L'\0') {
        old.resize(GetEnvironmentVariableW(name, old.data(), static_cast<DWORD>(old.size())));
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvGuard() { SetEnvironmentVariableW(name, old.c_str()); }
};

}  // namespace

TEST_F(PathQueries, ExistenceContentAndDrives) {
    folders({L"empty", L"onlysub", L"onlysub\\sub", L"dotted", L"dotted\\.cache", L"hidden"});
    file(L"hidden\\h.txt", FILE_ATTRIBUTE_HIDDEN);
    file(L"f.txt");
    const std::pair<bool, bool> cases[] = {
        {p.fileFolderExists(at(L"f.txt")), true},
        {p.fileFolderExists(at(L"empty")), true},
        {p.fileFolderExists(at(L"none")), false},
        {p.isFolder(at(L"empty")), true},
        {p.isFolder(at(L"f.txt")), false},
        {p.isFolderEmpty(at(L"empty")), true},
        {p.isFolderEmpty(at(L"hidden")), false},
        {p.folderExists(at(L"f.txt")), true},  // any entry counts
        {p.folderExists(at(L"hidden")), true},
        {p.folderExists(at(L"none")), false},
        {p.folderExists(at(L"bad<|>")), false},
        {p.folderContainsFiles(at(L"onlysub\\")), false},
        {p.folderContainsFiles(at(L"hidden\\")), true},
        {p.folderContainsFiles(at(L"f")), true},  // the pattern runs into the name: f*.*
        {p.folderContainsSubfolders(at(L"onlysub\\")), true},
        {p.folderContainsSubfolders(at(L"dotted\\")), false},
        {p.driveExists(L"c:"), true},
        {p.driveExists(L"C"), true},
        {p.driveExists(L"c:\\"), true},
        {p.driveExists(L"Q:"), false},
        {p.driveExists(L""), true},
        {p.driveReady(L"C:"), true},
        {p.driveReady(L"Q:"), false},
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
    EnvGuard tmpVariable(L"TMP", longTemp);
    EXPECT_EQ(p.findTempPath(), longTemp);
    EXPECT_EQ(p.createTempFile(L"tw"), L"");
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
    const struct {
        DWORD attributes;
        bool writeProtect, hidden, locked, result;
    } cases[] = {
        {FILE_ATTRIBUTE_READONLY, false, false, false, false}, {FILE_ATTRIBUTE_READONLY, true, false, false, true},
        {FILE_ATTRIBUTE_HIDDEN, false, false, false, false},   {FILE_ATTRIBUTE_HIDDEN, false, true, false, true},
        {FILE_ATTRIBUTE_NORMAL, false, false, true, false},    {FILE_ATTRIBUTE_NORMAL, true, true, false, true},
    };
    const std::wstring f = at(L"k.txt");
    for (const auto& c : cases) {
        file(L"k.txt", c.attributes);
        HANDLE lock = c.locked ? CreateFileW(f.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        EXPECT_EQ(p.killFile(f, c.writeProtect, c.hidden), c.result) << c.attributes;
        EXPECT_EQ(p.fileFolderExists(f), !c.result) << c.attributes;
        if (lock) CloseHandle(lock);
        SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(f.c_str());
    }
    EXPECT_FALSE(p.killFile(at(L"none.txt")));
    file(L"1.tmp");
    file(L"2.tmp");
    file(L"3.txt");
    EXPECT_TRUE(p.killFile(at(L"*.tmp")));
    EXPECT_EQ(std::make_pair(p.fileExists(at(L"*.tmp")), p.fileExists(at(L"3.txt"))), std::make_pair(false, true));
}

TEST_F(PathQueries, AddToRecentDocsPutsALinkInTheRecentFolder) {
    file(L"recent-\u00e9.txt");
    p.addToRecentDocs(at(L"recent-\u00e9.txt"));
    const std::wstring link = p.getSpecialPath(CSIDL_RECENT) + L"\\recent-\u00e9.txt.lnk";
    EXPECT_TRUE(p.fileExists(link));
    DeleteFileW(link.c_str());
}
