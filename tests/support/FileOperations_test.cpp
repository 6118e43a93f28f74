// The file-operations object's shell operations, recycle bin, shredder, trim,
// tree delete and listings, each on files this test made in its own scratch
// folder, and its walks over links to folders: one back to the tree's top (a
// loop) and one out of it.
// ctest-lock: recycle-bin
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>

#include "Scratch.h"
#include "common/DialogWatch.h"
#include "common/WineUnix.h"
#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "support/FullPaths.h"
#include "support/cFileFunctions.h"

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
};

using Paths = std::vector<std::wstring>;

// A drive letter of its own for a scratch folder, made the current drive and
// folder: a delete that wrongly walks from the current drive's root or from
// the current folder reaches only scratch files. The letter is a link in the
// test prefix's dosdevices folder; without a prefix given there is no drive.
class ScratchDrive {
public:
    ScratchDrive(const std::wstring& folder, const std::wstring& current) {
        wchar_t prefix[MAX_PATH] = {};
        if (!GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH)) return;
        wchar_t letter = L'Y';
        while (letter > L'K' && (GetLogicalDrives() & (1u << (letter - L'A')))) --letter;
        link_ = rt::toAnsi(prefix) + "/dosdevices/" + char(letter - L'A' + 'a') + ":";
        drive = std::wstring(1, letter) + L":";
        linked_ = testenv::startUnix(L"/bin/ln", "-s \"" + testenv::unixPath(folder) + "\" \"" + link_ + "\"") &&
                  testenv::pumpUntil([&] { return reaches(folder); }, 10000);
        GetCurrentDirectoryW(MAX_PATH, before_);
        current_ = linked_ && SetCurrentDirectoryW((drive + L"\\" + current).c_str());
    }
    ~ScratchDrive() {
        SetCurrentDirectoryW(before_);
        if (linked_) testenv::startUnix(L"/bin/unlink", "\"" + link_ + "\"");
    }
    ScratchDrive(const ScratchDrive&) = delete;
    ScratchDrive& operator=(const ScratchDrive&) = delete;
    bool made() const { return current_; }
    std::wstring drive;  // "Y:"

private:
    // The drive's root is the folder: a file made in one shows in the other.
    bool reaches(const std::wstring& folder) const {
        testenv::writeFile(folder + L"\\mark", "");
        bool seen = GetFileAttributesW((drive + L"\\mark").c_str()) != INVALID_FILE_ATTRIBUTES;
        DeleteFileW((folder + L"\\mark").c_str());
        return seen;
    }
    std::string link_;
    bool linked_ = false, current_ = false;
    wchar_t before_[MAX_PATH] = {};
};

// A folder's tree, one line per entry: "f\" for a folder, "a.txt=a" for a file and its content.
std::set<std::wstring> treeOf(const std::wstring& folder, const std::wstring& prefix = L"") {
    std::set<std::wstring> lines;
    WIN32_FIND_DATAW found{};
    rt::unique_hfind search = rt::findHandle(FindFirstFileW((folder + L"\\*").c_str(), &found));
    for (bool more = bool(search); more; more = FindNextFileW(search.get(), &found)) {
        const std::wstring name = found.cFileName, path = folder + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            const std::string content = testenv::readFile(path);
            lines.insert(prefix + name + L"=" + std::wstring(content.begin(), content.end()));
        } else {
            lines.insert(prefix + name + L"\\");
            lines.merge(treeOf(path, prefix + name + L"\\"));
        }
    }
    return lines;
}

// The tree with changes: "+line" adds a line, "-a.txt" takes the file's line, "-f\" the folder's lines.
std::set<std::wstring> changed(std::set<std::wstring> lines, const std::vector<std::wstring>& changes) {
    for (const std::wstring& change : changes) {
        const std::wstring entry = change.substr(1), start = entry.back() == L'\\' ? entry : entry + L"=";
        if (change[0] == L'+') lines.insert(entry);
        std::erase_if(lines, [&](const std::wstring& line) { return change[0] == L'-' && line.rfind(start, 0) == 0; });
    }
    return lines;
}

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

TEST_F(FileOperations, ShellOperationsCopyMoveRenameAndDelete) {
    folders({L"sub", L"sub\\keep"});
    file(L"a.txt", "a");
    file(L"b.txt", "b");
    // Each call must go through without a question, or the test would hang.
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

// Each row starts from the same tree. Sources and destinations are names in
// it, several separated by "|" (a copy whose sources end in "||" takes one
// destination per source). The code page (1252) lacks "Ĉ" and would turn it
// into "C": the shell must never get that name.
TEST_F(FileOperations, CopyAndMoveNeverReplaceAndSayWhetherTheyWereDone) {
    const auto reset = [&] {
        testenv::removeTree(root.path);
        folders({L"", L"f", L"f\\in", L"t", L"d"});
        for (const auto& [name, content] : {std::pair{L"a.txt", "a"}, {L"b.txt", "b"}, {L"C.txt", "c"},
                                           {L"\u0108.txt", "hat"}, {L"f\\x.txt", "x"}, {L"t\\a.txt", "t"},
                                           {L"t\\C.txt", "tc"}, {L"d\\x", "x"}})
            file(name, content);
        testenv::writeFile(L"\\\\?\\" + at(L"d\\x."), "dot");  // made outside Windows: read as "x"
    };
    const auto names = [&](const std::wstring& list) {
        const auto full = [&](const std::wstring& name) { return name.empty() ? name : at(name); };
        std::wstring joined;
        size_t start = 0;
        for (size_t bar; (bar = list.find(L'|', start)) != std::wstring::npos; start = bar + 1)
            joined += full(list.substr(start, bar - start)) + L'\0';
        return joined + full(list.substr(start));
    };
    const struct {
        wchar_t op;  // copy, copy with bOverwrite, move, rename, delete
        std::wstring source, dest;
        bool result;
        std::vector<std::wstring> changes;
        size_t asks = 0;
        bool held = false;  // the source is open, shared with no one
    } rows[] = {
        {'m', L"a.txt", L"b.txt", true, {L"-a.txt", L"+b (2).txt=a"}},
        {'m', L"a.txt", L"t", true, {L"-a.txt", L"+t\\a (2).txt=a"}},
        {'m', L"f", L"b.txt", true, {L"-f\\", L"+b.txt (2)\\", L"+b.txt (2)\\in\\", L"+b.txt (2)\\x.txt=x"}},
        {'c', L"a.txt", L"b.txt", true, {L"+b (2).txt=a"}},
        {'r', L"a.txt", L"b.txt", true, {L"-a.txt", L"+b (2).txt=a"}},
        {'m', L"zz.txt", L"q.txt", false, {}},
        {'r', L"zz.txt", L"q.txt", false, {}},
        {'m', L"f", L"f\\in", false, {}},
        {'c', L"f", L"f\\in", false, {}},
        {'o', L"f", L"f\\in", false, {}},
        {'m', L"a.txt", L"b.txt\\", false, {}},
        {'m', L"a.txt", L".", false, {}},  // into its own folder: onto itself
        {'c', L"a.txt", L"n.txt", true, {L"+n.txt=a"}},
        {'m', L"a.txt", L"t\\n.txt", true, {L"-a.txt", L"+t\\n.txt=a"}},
        {'m', L"a.txt", L"n.txt", false, {}, 0, true},
        {'m', L"a.txt|b.txt", L"t", true, {L"-a.txt", L"-b.txt", L"+t\\a (2).txt=a", L"+t\\b.txt=b"}},
        {'c', L"a.txt|b.txt||", L"t\\a.txt|t\\y.txt", true, {L"+t\\a (2).txt=a", L"+t\\y.txt=b"}},
        {'c', L"a.txt|t\\a.txt", L"nf", true, {L"+nf\\", L"+nf\\a.txt=a", L"+nf\\a (2).txt=t"}},
        {'c', L"f\\*.*", L"nf", true, {L"+nf\\", L"+nf\\in\\", L"+nf\\x.txt=x"}},
        {'c', L"a.txt", L"nf\\", true, {L"+nf\\", L"+nf\\a.txt=a"}},
        {'r', L"a.txt|b.txt", L"n.txt", false, {}},
        {'c', L"\u0108.txt", L"n.txt", false, {}},
        {'r', L"\u0108.txt", L"n.txt", false, {}},
        {'c', L"a.txt", L"t\\\u0108.txt", false, {}},
        {'m', L"a.txt", L"t\\\u0108.txt", false, {}},
        {'c', L"a.txt", L"t\\*.txt", false, {}},
        {'c', L"d\\*", L"nf", false, {}},                     // "x." would reach the shell as "x"
        {'c', L"a.txt", std::wstring(300, L'n'), false, {}},  // longer than the shell takes
        {'c', L"a.txt", std::wstring(1000, L'n'), false, {}},
        {'m', L"a.txt", L"t\\" + std::wstring(32767, L'n'), false, {}},
        {'d', L"zz.txt", L"", false, {}},
        {'d', L"a.txt", L"", false, {}, 1},  // asks, and is told no
    };
    ASSERT_EQ(GetACP(), 1252u);
    reset();
    const std::set<std::wstring> before = treeOf(root.path);
    testenv::DialogWatch watch;
    for (const auto& row : rows) {
        reset();
        rt::unique_hfile held(row.held ? lock(row.source) : nullptr);
        const std::wstring from = names(row.source), to = names(row.dest);
        const std::wstring label = row.op + (L" " + row.source + L" -> " + row.dest);
        bool result = row.op == 'c'   ? ff.fileCopy(from, to)
                      : row.op == 'o' ? ff.fileCopy(from, to, true)
                      : row.op == 'm' ? ff.fileMove(from, to)
                      : row.op == 'r' ? ff.fileRename(from, to)
                                      : ff.fileDelete(from, false, false, row.asks == 0, true);
        EXPECT_EQ(result, row.result) << label;
        held.reset();
        EXPECT_EQ(treeOf(root.path), changed(before, row.changes)) << label;
        EXPECT_EQ(watch.asked(), row.asks) << label;
    }
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
        bool locked;
    } cases[] = {{32769, 0, false} /* a block and a rest */, {10, FILE_ATTRIBUTE_READONLY, false}, {10, 0, true}};
    for (const auto& c : cases) {
        const std::string zeros(c.size, '\0');
        file(L"s.bin", zeros);
        CreateHardLinkW(at(L"seen.bin").c_str(), at(L"s.bin").c_str(), nullptr);  // keeps the bytes after the delete
        SetFileAttributesW(at(L"s.bin").c_str(), c.attributes);
        HANDLE held = c.locked ? lock(L"s.bin") : nullptr;
        EXPECT_EQ(ff.fileShredder(at(L"s.bin"), 1), !c.locked) << c.size;
        EXPECT_EQ(exists(at(L"s.bin")), c.locked);
        if (held) CloseHandle(held);
        std::string seen = testenv::readFile(at(L"seen.bin"));
        ASSERT_EQ(seen.size(), c.size);
        // The last pass writes random bytes, never 0: no original byte is left, the rest's included.
        EXPECT_EQ(seen.find('\0') == std::string::npos, !c.locked) << c.size;
        DeleteFileW(at(L"s.bin").c_str());
        DeleteFileW(at(L"seen.bin").c_str());
    }
}

// On the suite's drive of 2 MiB the passes over a file of 4 MiB cannot all be
// written: the overwrite stops where the drive is full, and that is no success.
TEST_F(FileOperations, ShredderFailsWhenTheDriveIsFull) {
    const char* folder = std::getenv("TW_FULL_DRIVE");
    if (!folder) GTEST_SKIP() << "no small drive of the suite's own (TW_FULL_DRIVE) to fill";
    ScratchDrive small(testenv::windowsPath(rt::fromAnsi(folder)), L"");
    if (!small.made()) GTEST_SKIP() << "no test prefix to give a drive letter";
    const std::wstring file = small.drive + L"\\f.bin", seen = small.drive + L"\\seen.bin";
    constexpr int64_t gap = 4 << 20;
    ASSERT_TRUE(sparseFileAt(file, gap, "SECRET"));
    CreateHardLinkW(seen.c_str(), file.c_str(), nullptr);  // keeps the bytes after the delete
    EXPECT_FALSE(ff.fileShredder(file, 1));
    EXPECT_FALSE(exists(file));
    // The writes that fitted cover the start; the end was never reached.
    EXPECT_EQ(testenv::readFile(seen).substr(gap), "SECRET");
    for (const std::wstring& name : {file, seen}) DeleteFileW(name.c_str());
}

TEST_F(FileOperations, TrimCutsTheEndOrAllOfAShorterFile) {
    const std::tuple<int32_t, bool, std::string> cases[] = {
        {3, false, "0123456"}, {20, false, ""}, {3, true, "0123456789"}};
    for (const auto& [bytes, locked, left] : cases) {
        file(L"t.txt", "0123456789");
        HANDLE held = locked ? lock(L"t.txt") : nullptr;
        EXPECT_EQ(ff.fileTrim(at(L"t.txt"), bytes), !locked) << bytes;
        if (held) CloseHandle(held);
        EXPECT_EQ(testenv::readFile(at(L"t.txt")), left) << bytes;
    }
    file(L"t.txt", "0123456789");
    EXPECT_EQ(testenv::raisedError([&] { ff.fileTrim(at(L"t.txt"), -1000); }), rt::errInvalidCall);
    EXPECT_EQ(testenv::readFile(at(L"t.txt")), "0123456789");
    // A file another program has mapped cannot be cut: that is no success.
    rt::unique_hfile reader(CreateFileW(at(L"t.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    HANDLE mapping = CreateFileMappingW(reader.get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
    void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    EXPECT_FALSE(ff.fileTrim(at(L"t.txt"), 3));
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    reader.reset();
    EXPECT_EQ(testenv::readFile(at(L"t.txt")), "0123456789");
    // The new end of a file past 4 GiB needs all 64 bits of the position.
    constexpr int64_t gap = int64_t{1} << 32;
    if (!sparseFile(L"big.bin", gap, "0123456789")) GTEST_SKIP() << "no sparse files here";
    EXPECT_TRUE(ff.fileTrim(at(L"big.bin"), 3));
    EXPECT_EQ(fileSize(L"big.bin"), gap + 7);
}

TEST(FullPaths, OnlyAFullPathBelowARootIsNamedBelowIt) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"C:\\x", true},         {L"c:/x/", true},         {L"C:\\x\\..\\y", true},     {L"\\\\srv\\sh\\x", true},
        {L"\\\\?\\C:\\x", true},  {L"\\\\?\\unc\\s\\h\\x", true}, {L"", false},          {L"C:", false},
        {L"C:\\", false},        {L"C:x", false},          {L"\\x", false},             {L"x", false},
        {L"C:\\x\\..", false},   {L"C:\\. .\\", false},    {L"\\\\srv\\sh", false},       {L"\\\\srv\\sh\\", false},
        {L"\\\\srv", false},     {L"\\\\?\\C:\\", false},  {L"\\\\?\\UNC\\s\\h", false},
        // Code page 1252 (the test prefix's) holds "é"; it turns a full-width "\" and "." into "\" and ".", and a
        // letter it lacks into "?": such a path would reach the system as another one.
        {L"C:\\caf\u00E9 x\\", true}, {L"C:\\PROGRA~1\\x", true}, {L"C:\\x\uFF3C\uFF0E\uFF0E", false},
        {L"C:\\x\\\u65E5", false},
        // A name with wildcards stands for entries of the folder it is in.
        {L"C:\\x\\*.tmp", true},  {L"C:\\*.dat", false},    {L"C:/x/../?.dat", false}, {L"C:\\<.dat", false}, {L"C:\\*\\..\\x", true},
        // "\\.\" paths are judged as their "\\?\" twins, but ".." there can climb out of the drive.
        {L"\\\\.\\C:\\x", true},    {L"\\\\.\\UNC\\s\\h\\x", true},   {L"\\\\.\\UNC\\srv\\sh", false},
        {L"\\\\.\\C:\\x\\..\\..\\D:", false}, {L"\\\\.\\GLOBALROOT\\Device\\HarddiskVolume1\\", false},
        // Only the literal "\\?\" is verbatim; every other spelling is a device path as "\\.\" is.
        {L"//?/C:/x/../../D:", false},  {L"\\\\?/C:\\x\\..\\..\\D:", false}, {L"/\\?\\C:\\x\\..\\..\\D:", false},
        {L"//./C:/x/../../D:", false},  {L"\\\\./C:\\x\\..\\..\\D:", false}, {L"\\/?\\C:/x/../../D:/", false},
        {L"//?/C:/x/sub", true},        {L"/\\./C:\\x", true}};
    ASSERT_EQ(GetACP(), 1252u);
    for (const auto& [path, below] : cases) EXPECT_EQ(FullPaths::namesBelowRoot(path), below) << path;
}

// Refused before anything is touched, on a drive of the test's own, so that
// a walk that is not refused reaches only the canaries.
TEST_F(FileOperations, DeletesRefuseRootsAndPathsFromTheCurrentFolder) {
    folders({L"drive", L"drive\\work", L"drive\\work\\sub"});
    const std::wstring canaries[] = {L"drive\\c.txt", L"drive\\work\\c.txt", L"drive\\work\\sub\\c.txt"};
    for (const std::wstring& canary : canaries) file(canary);
    ScratchDrive scratch(at(L"drive"), L"work");
    if (!scratch.made()) GTEST_SKIP() << "no test prefix to give a drive letter";
    const std::wstring d = scratch.drive;
    // The last four: full-width look-alikes of "\..", a wildcard in the root, and the drive's volume, spelled as
    // "\\.\" and as "//?/".
    for (const std::wstring& target :
         {std::wstring(), d, d + L"\\", d + L"/", d + L"\\work\\..", std::wstring(L"\\work"), d + L"sub",
          std::wstring(L"sub"), std::wstring(L"c.txt"), d + L"\\work\uFF3C\uFF0E\uFF0E", d + L"\\*.txt",
          L"\\\\.\\" + d + L"\\work\\..\\..\\" + d, L"//?/" + d + L"/work/../../" + d + L"/"}) {
        EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(target); }), rt::errPathFileAccess) << target;
        EXPECT_EQ(testenv::raisedError([&] { ff.killFiles(target, true); }), rt::errPathFileAccess) << target;
        EXPECT_EQ(testenv::raisedError([&] { ff.fileShredder(target, 1); }), rt::errPathFileAccess) << target;
        EXPECT_EQ(testenv::raisedError([&] { ff.fileDelete(target, false, false, true, true); }),
                  rt::errPathFileAccess)
            << target;
        for (const std::wstring& canary : canaries) ASSERT_TRUE(exists(at(canary))) << target << L" took " << canary;
    }
}

TEST_F(FileOperations, FolderDeleteRemovesATreeOrStopsAtAReadOnlyFile) {
    // The tree named plainly, with a trailing "\", with "/", behind "\\?\", "\\.\" or "//?/", and by its 8.3 name;
    // its name holds a blank and a letter of code page 1252. Its neighbour stays.
    const std::wstring t = at(L"t \u00E9");
    std::wstring slashed = t, shortName(MAX_PATH, L'\0');
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    folders({L"t \u00E9"});
    file(L"t");
    shortName.resize(GetShortPathNameW(t.c_str(), shortName.data(), MAX_PATH));
    for (const std::wstring& form :
         {t, t + L"\\", slashed, L"\\\\?\\" + t, L"\\\\.\\" + t, L"//?/" + slashed, shortName}) {
        folders({L"t \u00E9", L"t \u00E9\\s1", L"t \u00E9\\empty"});
        file(L"t \u00E9\\s1\\b.txt");
        EXPECT_TRUE(ff.folderDelete(form)) << form;
        EXPECT_FALSE(exists(t)) << form;
        EXPECT_TRUE(exists(at(L"t"))) << form;
    }

    folders({L"r", L"r\\s"});
    file(L"r\\s\\r.txt", "x", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(testenv::raisedError([&] { ff.folderDelete(at(L"r")); }), rt::errPathFileAccess);
    EXPECT_TRUE(exists(at(L"r\\s\\r.txt")));
    SetFileAttributesW(at(L"r\\s\\r.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Folders come before the folders inside them.
TEST_F(FolderListings, FilesByMaskAndFoldersInTheFolderOrItsTree) {
    const std::tuple<std::wstring, std::wstring, bool, Paths> cases[] = {
        {tree, L"*.txt", false, under({L"a.txt", L"h.txt"})},
        {tree, L"*.txt;*.doc", false, under({L"a.txt", L"b.doc", L"h.txt"})},
        {tree, L"*.txt", true, under({L"a.txt", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"})},
        {in(L"none"), L"*.*", true, {}}};
    for (const auto& [folder, mask, deep, expected] : cases)
        EXPECT_EQ(sorted(ff.getFilesInFolder(folder, mask, deep)), expected) << testing::PrintToString(mask) << deep;
    EXPECT_EQ(ff.getFolders(tree, L"d*", true), under({L"sub\\deep"}));
}

// A folder past MAX_PATH is there, but the search cannot read it: its file stays, and that is no success.
TEST_F(FolderListings, KillFilesFailsWhenAFolderOfTheTreeCannotBeSearched) {
    const std::wstring deep = in(L"sub\\" + std::wstring(150, L'd')), deeper = deep + L"\\" + std::wstring(150, L'e');
    ASSERT_GT(deeper.size(), size_t{MAX_PATH});
    for (const std::wstring& folder : {deep, deeper}) CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
    ASSERT_TRUE(testenv::writeFile(L"\\\\?\\" + deeper + L"\\far.txt", "x"));
    SetFileAttributesW(in(L"h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(ff.killFiles(tree, true));
    EXPECT_EQ(ff.getFilesInFolder(tree, L"*.*", true), Paths{});  // the others went
    EXPECT_TRUE(exists(L"\\\\?\\" + deeper + L"\\far.txt"));
}

// Wine makes no junctions; a Unix symbolic link to a folder is what it shows
// as one (a folder with the reparse-point bit).
TEST_F(FolderListings, WalksDoNotFollowLinksToFolders) {
    const std::wstring outside = at(L"outside");
    folders({L"outside"});
    file(L"outside\\keep.txt", "keep");
    testenv::UnixLink loop(in(L"sub\\loop"), ".."), out(in(L"out"), "../outside");
    ASSERT_TRUE(loop.made() && out.made());
    ASSERT_NE(GetFileAttributesW(in(L"out").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

    EXPECT_EQ(sorted(ff.getFilesInFolder(tree, L"*.*", true)),
              under({L"a.txt", L"b.doc", L"noext", L"h.txt", L"sub\\c.txt", L"sub\\deep\\d.TXT"}));
    EXPECT_EQ(sorted(ff.getFolders(tree, L"*", true)), under({L"out", L"sub", L"sub\\deep", L"sub\\loop"}));
    SetFileAttributesW(in(L"h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(ff.killFiles(tree, true));
    EXPECT_EQ(ff.getFilesInFolder(tree, L"*.*", true), Paths{});
    EXPECT_TRUE(exists(in(L"sub\\deep")));  // folders stay
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");

    // A link given as the folder to delete is not walked either, with or without a trailing "\".
    for (const std::wstring& link : {in(L"out\\"), in(L"out/"), in(L"out")}) {
        int32_t linkRaised = testenv::raisedError([&] { ff.folderDelete(link); });
        EXPECT_EQ(linkRaised != 0, exists(in(L"out"))) << link;
        EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep") << link;
    }

    // The tree goes; a link goes only where the system can tell it is one (not
    // under Wine): then the folder holding it stays and the delete raises.
    int32_t raised = testenv::raisedError([&] { ff.folderDelete(tree); });
    EXPECT_EQ(raised != 0, GetFileAttributesW(tree.c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(exists(in(L"sub\\deep")));
    EXPECT_EQ(testenv::readFile(outside + L"\\keep.txt"), "keep");
}
