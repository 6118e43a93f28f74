// Every member of the support library that takes a path, a pattern or a
// registry name, fed names that reach the system as other names (a NUL inside,
// look-alikes best fit turns into "..\" or "C", a letter that becomes the
// wildcard "?", trailing dots and blanks) and names longer than the calls
// take. Each hostile name is made so that, misread, it names something in an
// "out" folder or key beside the member's own "in": every member must return
// or raise a run-time error, and leave "out" as it was.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <map>
#include <tuple>

#include "common/DialogWatch.h"
#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"
#include "support/cRegistry.h"
#include "support/cTextFiles.h"
#include "support/mShellExecute.h"

using namespace std::string_literals;

namespace {

using Snapshot = std::map<std::wstring, std::string>;

// "member(input)", the input cut short: a row's name in the messages.
template <typename Input>
std::string rowName(const std::string& member, const Input& input) {
    std::string row = member;
    return row.append("(").append(testing::PrintToString(input).substr(0, 200)).append(")");
}

// Every entry below `folder`, by its own (wide) name: attributes and content.
void snapshotFiles(const std::wstring& folder, const std::wstring& shown, Snapshot& into) {
    WIN32_FIND_DATAW fd;
    rt::unique_hfind find = rt::findHandle(FindFirstFileW((L"\\\\?\\" + folder + L"\\*").c_str(), &fd));
    for (bool more = bool(find); more; more = FindNextFileW(find.get(), &fd)) {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        into[shown + name] = std::to_string(fd.dwFileAttributes & ~FILE_ATTRIBUTE_ARCHIVE);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            snapshotFiles(path, shown + name + L"\\", into);
        else
            into[shown + name] += ":" + std::to_string(std::hash<std::string>()(testenv::readFile(L"\\\\?\\" + path)));
    }
}

// What `after` adds (+), lacks (-) or holds otherwise (~) against `before`.
std::vector<std::wstring> differences(const Snapshot& before, const Snapshot& after) {
    std::vector<std::wstring> found;
    for (const auto& [name, what] : after)
        if (!before.count(name))
            found.push_back(L"+" + name);
        else if (before.at(name) != what)
            found.push_back(L"~" + name);
    for (const auto& [name, what] : before)
        if (!after.count(name)) found.push_back(L"-" + name);
    return found;
}

// Every subkey and value below `key`, by their own (wide) names.
void snapshotKeys(HKEY root, const std::wstring& key, const std::wstring& shown, Snapshot& into) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return;
    rt::unique_hkey owned(h);
    wchar_t name[16384];
    for (DWORD i = 0, size = 16384; RegEnumKeyExW(h, i, name, &size, nullptr, nullptr, nullptr, nullptr) == 0;
         ++i, size = 16384) {
        into[shown + name + L"\\"] = "";
        snapshotKeys(root, key + L"\\" + name, shown + name + L"\\", into);
    }
    BYTE data[4096];
    for (DWORD i = 0, size = 16384, type = 0, bytes = sizeof data;
         RegEnumValueW(h, i, name, &size, nullptr, &type, data, &bytes) == 0;
         ++i, size = 16384, bytes = sizeof data)
        into[shown + L"=" + name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), bytes);
}

struct HostileNames : ::testing::Test {
    testenv::TempDir scratch{L"hostile"};
    const std::wstring in = scratch.file(L"in"), out = scratch.file(L"out");
    const std::wstring walk = in + L"\\walk";
    // Names look-alikes would turn into "..\..\out\" from inside `walk`.
    const std::wstring upUp = L"\uFF0E\uFF0E\uFF3C\uFF0E\uFF0E\uFF3Cout";
    wchar_t current[MAX_PATH] = {};

    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, current);
        fillOut();
        fillIn();
        SetCurrentDirectoryW(in.c_str());  // relative names land in "in"
    }
    void TearDown() override { SetCurrentDirectoryW(current); }

    // "out" with the files a misread name would reach, some of them programs that report their start.
    void fillOut() const {
        testenv::removeTree(out);
        CreateDirectoryW(out.c_str(), nullptr);
        CreateDirectoryW((out + L"\\sub").c_str(), nullptr);
        for (const wchar_t* name : {L"victim.txt", L"C.txt", L"v.txt", L"x", L"sub\\s.txt"})
            testenv::writeFile(out + L"\\" + name, "KEEP");
        for (const wchar_t* name : {L"victim.exe", L"C.exe"}) testenv::installFakeGame(out + L"\\" + name);
    }

    // "in" with a plain file and a folder of entries with hostile names, made with the wide calls.
    void fillIn() const {
        CreateDirectoryW(in.c_str(), nullptr);  // emptied, not removed: it is the current folder
        WIN32_FIND_DATAW fd;
        rt::unique_hfind find = rt::findHandle(FindFirstFileW((in + L"\\*").c_str(), &fd));
        for (bool more = bool(find); more; more = FindNextFileW(find.get(), &fd))
            if (fd.cFileName != L"."s && fd.cFileName != L".."s) testenv::removeTree(in + L"\\" + fd.cFileName);
        testenv::writeFile(in + L"\\t.txt", "T");
        CreateDirectoryW(walk.c_str(), nullptr);
        CreateDirectoryW((L"\\\\?\\" + walk + L"\\" + upUp).c_str(), nullptr);
        testenv::writeFile(L"\\\\?\\" + walk + L"\\" + upUp + L"\\victim.txt", "W");
        for (const std::wstring& name : {upUp + L"\uFF3Cvictim.txt", L"\u0108.txt"s, L"\u65E5.log"s, L"x."s, L"y "s})
            testenv::writeFile(L"\\\\?\\" + walk + L"\\" + name, "W");
    }

    Snapshot outside() const {
        Snapshot s;
        snapshotFiles(out, L"", s);
        WIN32_FIND_DATAW fd;
        rt::unique_hfind find = rt::findHandle(FindFirstFileW((scratch.path + L"\\*").c_str(), &fd));
        for (bool more = bool(find); more; more = FindNextFileW(find.get(), &fd))
            if (fd.cFileName != L"."s && fd.cFileName != L".."s) s[L"..\\" + std::wstring(fd.cFileName)];
        return s;
    }

    // A name the length of `n` characters in "in".
    std::wstring longName(size_t n) const { return in + L"\\" + std::wstring(n - in.size() - 1, L'a'); }

    // Paths that, misread, name out\victim or out\C (or match them), and long ones.
    std::vector<std::wstring> misread(const std::wstring& ext) const {
        std::vector<std::wstring> p = {
            out + L"\\victim" + ext + L'\0' + L"\\sub",   // read up to the NUL: out's file
            out + L"\\victim" + ext + L'\0',              //
            in + L"\\\uFF0E\uFF0E\uFF3Cout\\victim" + ext,  // best fit: in\..\out\victim
            out + L"\\\u0108" + ext,                      // best fit: out\C
            out + L"\\\u65E5ictim" + ext};                // best fit: out\?ictim, a pattern
        for (size_t n : {259, 260, 261, 1000, 32767}) p.push_back(longName(n));
        p.push_back(longName(300) + L"\\");
        return p;
    }
    // Those, names the system reads without their trailing dots and blanks,
    // and the folder of hostile entries as a folder and as patterns.
    std::vector<std::wstring> paths() const {
        std::vector<std::wstring> p = misread(L".txt");
        p.insert(p.end(), {in + L"\\t.txt.", in + L"\\t.txt ", walk, walk + L"\\", walk + L"\\*.*",
                           walk + L"\\*.txt", in + L"\\*"});
        return p;
    }
};

using PathMember = std::function<void(const std::wstring&)>;

}  // namespace

TEST_F(HostileNames, PathMembersLeaveWhatTheyDoNotNameAsItWas) {
    cPathExt p;
    cFileFunctions ff;
    cTextFiles tf;
    std::wstring d, f, n;
    const std::wstring t = in + L"\\t.txt", dest = in + L"\\dest.txt";
    const std::pair<const char*, PathMember> members[] = {
        {"addExtension", [&](auto& s) { p.addExtension(s, L".x"); }},
        {"addToRecentDocs", [&](auto& s) { p.addToRecentDocs(s); }},
        {"appendFileName(path)", [&](auto& s) { p.appendFileName(s, L"x"); }},
        {"appendFileName(name)", [&](auto& s) { p.appendFileName(in, s); }},
        {"compactPath", [&](auto& s) { p.compactPath(s, 40); }},
        {"createFolderStructure", [&](auto& s) { p.createFolderStructure(s); }},
        {"createTempFile", [&](auto& s) { DeleteFileW(p.createTempFile(s).c_str()); }},
        {"driveExists", [&](auto& s) { p.driveExists(s); }},
        {"driveReady", [&](auto& s) { p.driveReady(s); }},
        {"fileExists", [&](auto& s) { p.fileExists(s); }},
        {"fileFolderExists", [&](auto& s) { p.fileFolderExists(s); }},
        {"folderContainsFiles", [&](auto& s) { p.folderContainsFiles(s); }},
        {"folderContainsSubfolders", [&](auto& s) { p.folderContainsSubfolders(s); }},
        {"folderExists", [&](auto& s) { p.folderExists(s); }},
        {"getDrive", [&](auto& s) { p.getDrive(s); }},
        {"getEqualPart", [&](auto& s) { p.getEqualPart(s, s + L"x"); }},
        {"getFileExtension", [&](auto& s) { p.getFileExtension(s); }},
        {"getFileName", [&](auto& s) { p.getFileName(s); }},
        {"getFilePart", [&](auto& s) { p.getFilePart(s); }},
        {"getFolderName", [&](auto& s) { p.getFolderName(s); }},
        {"getFolderPart", [&](auto& s) { p.getFolderPart(s); }},
        {"getLongPathName", [&](auto& s) { p.getLongPathName(s); }},
        {"getParentFolder", [&](auto& s) { p.getParentFolder(s); }},
        {"getParentFolderName", [&](auto& s) { p.getParentFolderName(s); }},
        {"getRoot", [&](auto& s) { p.getRoot(s); }},
        {"getShortPathName", [&](auto& s) { p.getShortPathName(s); }},
        {"hasFileExtension", [&](auto& s) { p.hasFileExtension(s); }},
        {"hasPrefix", [&](auto& s) { p.hasPrefix(s, s); }},
        {"isFolder", [&](auto& s) { p.isFolder(s); }},
        {"isFolderEmpty", [&](auto& s) { p.isFolderEmpty(s); }},
        {"isNetworkPath", [&](auto& s) { p.isNetworkPath(s); }},
        {"isRelative", [&](auto& s) { p.isRelative(s); }},
        {"isRoot", [&](auto& s) { p.isRoot(s); }},
        {"isSameDrive", [&](auto& s) { p.isSameDrive(s, s); }},
        {"isURL", [&](auto& s) { p.isURL(s); }},
        {"killFile", [&](auto& s) { p.killFile(s, true, true); }},
        {"normalizePath", [&](auto& s) { p.normalizePath(s); }},
        {"parsePath", [&](auto& s) { p.parsePath(s); }},
        {"quote", [&](auto& s) { p.quote(s); }},
        {"replaceFileExtension", [&](auto& s) { p.replaceFileExtension(s, L".bak"); }},
        {"splitPath", [&](auto& s) { p.splitPath(s, d, f, n); }},
        {"unQuote", [&](auto& s) { p.unQuote(s); }},
        {"fileShredder", [&](auto& s) { ff.fileShredder(s, 1); }},
        {"fileTrim", [&](auto& s) { ff.fileTrim(s, 1); }},
        {"folderDelete", [&](auto& s) { ff.folderDelete(s); }},
        {"getFilesInFolder", [&](auto& s) { ff.getFilesInFolder(s, L"*.*", true); }},
        {"getFilesInFolder(mask)", [&](auto& s) { ff.getFilesInFolder(walk, s, true); }},
        {"getFolders", [&](auto& s) { ff.getFolders(s, L"*", true); }},
        {"getFolders(mask)", [&](auto& s) { ff.getFolders(walk, s, true); }},
        {"killFile (files)", [&](auto& s) { ff.killFile(s); }},
        {"killFiles", [&](auto& s) { ff.killFiles(s, true, true, true); }},
        {"appendLine", [&](auto& s) { tf.appendLine(s, L"x"); }},
        {"countLines", [&](auto& s) { tf.countLines(s); }},
        {"readFile", [&](auto& s) { tf.readFile(s); }},
        {"readLine", [&](auto& s) { tf.readLine(s, 1); }},
        {"writeFile", [&](auto& s) { tf.writeFile(s, L"x"); }},
        {"writeLine", [&](auto& s) { tf.writeLine(s, 2, L"x"); }}};
    // The shell's operations take lists of names separated by NULs: a NUL there separates, it is no name's.
    const std::pair<const char*, PathMember> listMembers[] = {
        {"fileCopy(from)", [&](auto& s) { ff.fileCopy(s, dest); }},
        {"fileCopy(to)", [&](auto& s) { ff.fileCopy(t, s); }},
        {"fileDelete", [&](auto& s) { ff.fileDelete(s, false, false, true, true); }},
        {"fileMove(from)", [&](auto& s) { ff.fileMove(s, dest); }},
        {"fileMove(to)", [&](auto& s) { ff.fileMove(t, s); }},
        {"fileRename(from)", [&](auto& s) { ff.fileRename(s, dest); }},
        {"fileRename(to)", [&](auto& s) { ff.fileRename(t, s); }}};

    testenv::DialogWatch dialogs;
    const Snapshot before = outside();
    auto sweep = [&](const char* member, const PathMember& call, const std::wstring& name) {
        const std::string row = rowName(member, name);
        fprintf(stderr, "%s\n", row.c_str());  // the last row shown is the one that crashed
        try {
            call(name);
        } catch (const rt::RuntimeError&) {
        }
        const std::vector<std::wstring> changed = differences(before, outside());
        EXPECT_EQ(changed, std::vector<std::wstring>{}) << row;
        EXPECT_EQ(dialogs.asked(), 0u) << row;
        if (!changed.empty()) fillOut();
        fillIn();
    };
    for (const auto& [member, call] : members)
        for (const std::wstring& name : paths()) sweep(member, call, name);
    for (const auto& [member, call] : listMembers)
        for (const std::wstring& name : paths())
            if (name.find(L'\0') == std::wstring::npos) sweep(member, call, name);
    for (const std::wstring& name : misread(L".exe"))  // only the programs in out: others would open windows
        sweep("shellExecute", [](auto& s) { mShellExecute::shellExecute(s, 10, L"x", L"", L"open", 0); }, name);
    testenv::pumpUntil([] { return false; }, 1500);  // a game started by a misread name reports late
    EXPECT_EQ(differences(before, outside()), std::vector<std::wstring>{}) << "a program in out started";
}

namespace {

// The registry's twin of the folders: a key "out" with a subkey "victim"
// holding the values "keep" and "C", and a subkey "C"; the members point into "in".
struct HostileRegistryNames : ::testing::Test {
    const std::wstring key = L"Software\\tarnwicket-hostile-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring in = key + L"\\in", out = key + L"\\out", victim = out + L"\\victim";
    // Class names and extensions for the file associations; "<prefix>" and "<prefix>C" are canaries.
    const std::wstring prefix = L"twhostile" + std::to_wstring(GetCurrentProcessId());

    void SetUp() override {
        TearDown();
        for (const std::wstring& name : {L"keep"s, L"C"s}) store(HKEY_CURRENT_USER, victim, name);
        store(HKEY_CURRENT_USER, out + L"\\C", L"");
        store(HKEY_CURRENT_USER, in + L"\\walk\\\u0108", L"\u0108");
        store(HKEY_CURRENT_USER, in + L"\\walk\\x.", L"y ");
        for (const std::wstring& cls : canaries()) store(HKEY_CLASSES_ROOT, cls, L"");
    }
    void TearDown() override {
        SHDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
        for (const std::wstring& cls : classes()) {
            SHDeleteKeyW(HKEY_CLASSES_ROOT, cls.c_str());
            SHDeleteKeyW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + cls).c_str());
        }
    }
    static void store(HKEY root, const std::wstring& at, const std::wstring& name) {
        SHSetValueW(root, at.c_str(), name.c_str(), REG_SZ, "KEEP", 5);
    }
    // Classes and extensions a misread name would reach, and the verbs of a class of this test.
    std::vector<std::wstring> canaries() const {
        return {prefix, prefix + L"C", L"." + prefix, L"." + prefix + L"C", prefix + L"V\\shell\\verb",
                prefix + L"V\\shell\\verbC"};
    }
    // This test's classes and extensions.
    std::vector<std::wstring> classes() const {
        std::vector<std::wstring> found;
        wchar_t name[256];
        for (DWORD i = 0, size = 256; RegEnumKeyExW(HKEY_CLASSES_ROOT, i, name, &size, nullptr, nullptr, nullptr,
                                                    nullptr) != ERROR_NO_MORE_ITEMS;
             ++i, size = 256)
            if (std::wstring(name).find(prefix) <= 1) found.push_back(name);
        return found;
    }
    Snapshot outside() const {
        Snapshot s;
        snapshotKeys(HKEY_CURRENT_USER, out, L"", s);
        for (const std::wstring& cls : canaries()) {
            snapshotKeys(HKEY_CLASSES_ROOT, cls, cls + L"\\", s);
            snapshotKeys(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + cls, L"HKLM\\" + cls + L"\\", s);
        }
        return s;
    }
};

// A key path and a value name.
using Location = std::pair<std::wstring, std::wstring>;
using RegistryMember = std::function<void(const Location&)>;

}  // namespace

TEST_F(HostileRegistryNames, RegistryMembersLeaveWhatTheyDoNotNameAsItWas) {
    auto at = [](const Location& l, int32_t type = 1) {
        cRegistry r;
        r.ClassKey(HKEY_CURRENT_USER_ID);
        r.DefaultClassKey(HKEY_CURRENT_USER_ID);
        r.SectionKey(l.first);
        r.DefaultSectionKey(l.first);
        r.ValueKey(l.second);
        r.ValueType(type);
        return r;
    };
    std::vector<std::wstring> names;
    int32_t count = 0;
    // Each member, and whether it takes the value name (the others act on the key alone).
    const std::tuple<const char*, bool, RegistryMember> members[] = {
        {"Value (read)", true, [&](auto& l) { at(l).Value(); }},
        {"Value (write text)", true, [&](auto& l) { at(l).Value(rt::Variant(L"x")); }},
        {"Value (write bytes)", true, [&](auto& l) { at(l, 3).Value(rt::ByteArray{0, {1, 2}}); }},
        {"Value (write number)", true, [&](auto& l) { at(l, 4).Value(rt::Variant(int32_t(7))); }},
        {"KeyExists", false, [&](auto& l) { at(l).KeyExists(); }},
        {"CreateKey", false, [&](auto& l) { at(l).CreateKey(); }},
        {"DeleteKey", false, [&](auto& l) { at(l).DeleteKey(); }},
        {"DeleteValue", true, [&](auto& l) { at(l).DeleteValue(); }},
        {"EnumerateSections", false, [&](auto& l) { at(l).EnumerateSections(names, count); }},
        {"EnumerateValues", false, [&](auto& l) { at(l).EnumerateValues(names, count); }},
        {"readKey", true, [&](auto& l) { at(l).readKey(l.second, 1); }},
        {"writeKey", true, [&](auto& l) { at(l).writeKey(l.second, L"x", 1); }}};
    // Misread, each names out\victim, or its value "keep" or "C" when victim itself is given.
    std::vector<Location> locations = {
        {victim + L'\0' + L"\\tmp", L"keep"}, {victim + L'\0', L"keep"}, {out + L"\\\u0108", L""},
        {victim, L"keep\0other"s},            {victim, L"\u0108"},      {in + L"\\walk", L""},
        {in + L"\\x.", L"y "}};
    for (size_t n : {259, 260, 261, 1000, 32767}) {
        locations.push_back({in + L"\\" + std::wstring(n - in.size() - 1, L'a'), L""});
        locations.push_back({in, std::wstring(n, L'a')});
    }

    const Snapshot before = outside();
    auto sweep = [&](const std::string& row, const std::function<void()>& call) {
        fprintf(stderr, "%s\n", row.c_str());  // the last row shown is the one that crashed
        try {
            call();
        } catch (const rt::RuntimeError&) {
        }
        const std::vector<std::wstring> changed = differences(before, outside());
        EXPECT_EQ(changed, std::vector<std::wstring>{}) << row;
        if (!changed.empty()) SetUp();
    };
    for (const auto& [member, takesValueName, call] : members)
        for (const Location& l : locations)
            if (takesValueName || l.first != victim) sweep(rowName(member, l), [&] { call(l); });

    // File associations write under the class root: a class or extension name that, misread, is a canary.
    const std::wstring suffixes[] = {L"\0x"s, L"\u0108", L".", L" ", std::wstring(300, L'a')};
    for (const std::wstring& suffix : suffixes) {
        const std::wstring cls = prefix + suffix;
        sweep(rowName("CreateEXEAssociation", cls), [&] {
            cRegistry().CreateEXEAssociation(L"C:\\x.exe", cls, L"d", cls, L"&Open", true, L"&Print", true, L"&New",
                                             true, L"&Install", 0);
        });
        sweep(rowName("CreateAdditionalEXEAssociations", cls), [&] {
            cRegistry r;
            r.ClassKey(HKEY_CLASSES_ROOT_ID);
            r.CreateAdditionalEXEAssociations(cls, {rt::Variant(L"verb"), rt::Variant(L"V"), rt::Variant(L"x.exe")});
        });
        sweep(rowName("CreateAdditionalEXEAssociations verb", suffix), [&] {
            cRegistry r;
            r.ClassKey(HKEY_CLASSES_ROOT_ID);
            r.CreateAdditionalEXEAssociations(prefix + L"V", {rt::Variant(L"verb" + suffix), rt::Variant(L"V"),
                                                       rt::Variant(L"x.exe")});
        });
    }
}
