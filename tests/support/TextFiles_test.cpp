#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "LongNames.h"
#include "Scratch.h"
#include "common/WineUnix.h"
#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "support/RewrittenFile.h"
#include "support/cPathExt.h"
#include "support/cTextFiles.h"

using testenv::readFile;
using testenv::writeFile;
using namespace std::string_literals;
using Content = std::optional<std::string>;  // nullopt: no file

namespace {

struct TextFiles : Scratch {
    cTextFiles tf;
    const std::wstring txt = at(L"t.txt");

    void prepare(const Content& content) {
        DeleteFileW(txt.c_str());
        if (content) writeFile(txt, *content);
    }
};

// Gives `folder` the Unix mode `mode`. Wine hands back no process to wait
// on: the shell marks chmod's end with a file.
bool chmodFolder(const std::wstring& folder, const std::string& mode) {
    const std::wstring done = folder + L".done";
    const std::string command =
        "chmod " + mode + " '" + testenv::unixPath(folder) + "' && touch '" + testenv::unixPath(done) + "'";
    return testenv::startUnix(L"/bin/sh", "-c \"" + command + "\"") &&
           testenv::pumpUntil([&] { return DeleteFileW(done.c_str()); }, 10000);
}

}  // namespace

// The launcher's own reads show lines ended by CR LF and lines past the end.
TEST_F(TextFiles, ReadLineEndsLinesAtCrOrCrLfOnly) {
    const std::tuple<Content, int32_t, std::string> cases[] = {
        {"a\nb\n", 1, "a\nb\n"}, {"a\rb", 2, "b"}, {"a\r\r\nb", 2, ""}, {std::nullopt, 1, ""}};
    for (const auto& [content, line, expected] : cases) {
        prepare(content);
        EXPECT_EQ(rt::toAnsi(tf.readLine(txt, line)), expected) << content.value_or("<none>") << " line " << line;
    }
}

TEST_F(TextFiles, CountLinesCountsLineFeedsAcrossChunks) {
    std::string block(65535, 'a');
    // "" has no line at all, as readLine sees it. Chunks of 65536 bytes: a
    // second chunk of one byte; LFs in both chunks.
    const std::pair<Content, int32_t> cases[] = {
        {std::nullopt, 0}, {"", 0}, {"a", 1}, {"a\rb", 1}, {block + "\n" + "b", 2}, {"\n" + block + "\n", 2}};
    for (const auto& [content, expected] : cases) {
        prepare(content);
        EXPECT_EQ(tf.countLines(txt), expected) << (content ? content->size() : 0) << " bytes";
    }
    EXPECT_EQ(tf.countLinesFromString(L"\n\r\n"), rt::Variant(2));
}

TEST_F(TextFiles, WriteLineRewritesEveryLineWithCrLf) {
    const std::tuple<Content, int32_t, std::string> cases[] = {{"a\r\nb\r\n", 4, "a\r\nb\r\n\r\nX\r\n"},
                                                               {"a\nb\rc", 2, "a\nb\r\nX\r\n"},
                                                               {"a\rb", 0, "a\r\nb\r\n"},
                                                               {std::nullopt, 2, "\r\nX\r\n"}};
    for (const auto& [before, line, after] : cases) {
        prepare(before);
        EXPECT_TRUE(tf.writeLine(txt, line, L"X"));
        EXPECT_EQ(readFile(txt), after) << before.value_or("<none>") << " line " << line;
    }
}

// Code page 1252 turns a "C" with a circumflex into "C": such a name is no file, and "C.txt" beside it stays as it
// was. The "e" with an acute accent is a name the code page holds.
TEST_F(TextFiles, ANameTheCodePageCannotHoldIsNoFile) {
    const std::wstring lookAlike = at(L"\u0108.txt"), held = at(L"\u00E9.txt");
    writeFile(at(L"C.txt"), "keep\r\n");
    const std::function<void()> writes[] = {[&] { tf.writeLine(lookAlike, 1, L"X"); },
                                            [&] { tf.writeFile(lookAlike, L"X"); },
                                            [&] { tf.appendLine(lookAlike, L"X"); }};
    for (size_t i = 0; i < std::size(writes); ++i) {
        EXPECT_EQ(testenv::raisedError(writes[i]), rt::errPathNotFound) << i;
        EXPECT_EQ(readFile(at(L"C.txt")), "keep\r\n") << i;
    }
    EXPECT_EQ(std::make_pair(tf.readLine(lookAlike, 1), tf.countLines(lookAlike)), std::make_pair(std::wstring(), 0));
    EXPECT_TRUE(tf.writeLine(held, 2, L"X"));
    EXPECT_EQ(readFile(held), "\r\nX\r\n");
    EXPECT_EQ(tf.readLine(held, 2), L"X");
}

// A rewritten file is a changed one: archive is set whatever the original had.
TEST_F(TextFiles, WriteLineKeepsHiddenAndSystemAndSetsArchive) {
    for (DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}) {
        prepare("a\r\nb\r\n");
        SetFileAttributesW(txt.c_str(), attributes);
        const DWORD before = GetFileAttributesW(txt.c_str());
        EXPECT_TRUE(tf.writeLine(txt, 1, L"X"));
        EXPECT_EQ(GetFileAttributesW(txt.c_str()), (before & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_ARCHIVE);
        SetFileAttributesW(txt.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFile(txt), "X\r\nb\r\n");
    }
    // Wine shows every file as archive, so the files above cannot tell: the
    // rule itself, on attribute words as Windows gives them.
    const std::pair<uint32_t, uint32_t> rule[] = {{0x80, 0x20}, {0x2, 0x22}, {0x5, 0x24}, {0x126, 0x126}};
    for (const auto& [original, rewritten] : rule) EXPECT_EQ(RewrittenFile::attributes(original), rewritten) << original;
}

// Two billion empty lines would make a file of 4 GB: refused at once as a
// full disk, with nothing written.
TEST_F(TextFiles, WriteLineFarBeyondTheEndIsAFileError) {
    for (const Content& before : {Content("a\r\n"), Content()}) {
        prepare(before);
        EXPECT_EQ(testenv::raisedError([&] { tf.writeLine(txt, INT32_MAX, L"X"); }), 61);
        EXPECT_EQ(cPathExt().fileExists(txt), before.has_value());
        EXPECT_EQ(readFile(txt), before.value_or(""));
        EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp")));
    }
}

// 4 GiB and 6 bytes, beyond the runtime's 32-bit positions: refused by each
// member that reads it, and kept; a line is still added at its real end.
TEST_F(TextFiles, AFileBeyond2GiBIsRefusedAsAFullDiskAndKept) {
    constexpr int64_t gap = int64_t{1} << 32;
    if (!sparseFile(L"t.txt", gap, "a\r\nb\r\n")) GTEST_SKIP() << "no sparse files here";
    const std::function<void()> members[] = {[&] { tf.countLines(txt); }, [&] { tf.readFile(txt); },
                                             [&] { tf.readLine(txt, 1); }, [&] { tf.writeLine(txt, 1, L"X"); }};
    for (size_t i = 0; i < std::size(members); ++i) EXPECT_EQ(testenv::raisedError(members[i]), 61) << i;
    EXPECT_EQ(fileSize(L"t.txt"), gap + 6);
    EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp")));
    tf.appendLine(txt, L"c");
    EXPECT_EQ(fileSize(L"t.txt"), gap + 9);
}

TEST_F(TextFiles, ReadFileAppendLineAndWriteFile) {
    EXPECT_EQ(tf.readFile(txt), L"");
    tf.appendLine(txt, L"one");
    tf.appendLine(txt, L"two");
    EXPECT_EQ(readFile(txt), "one\r\ntwo\r\n");
    EXPECT_TRUE(tf.writeFile(txt, L"new"));
    EXPECT_EQ(readFile(txt), "new\r\n");
    writeFile(txt, "a\r\nb\nc\rd\0e"s);
    EXPECT_EQ(rt::toAnsi(tf.readFile(txt)), "a\r\nb\nc\rd\0e"s);
}

// The original must survive a failed rewrite, and no temporary file may stay.
TEST_F(TextFiles, FailedWriteLineKeepsTheOriginal) {
    // The share mode of a second handle held open on the original (none: no
    // other handle), its attributes, the error.
    const std::tuple<std::optional<DWORD>, DWORD, int32_t> cases[] = {
        {0, FILE_ATTRIBUTE_NORMAL, rt::errPermissionDenied},  // the original cannot be read
        {std::nullopt, FILE_ATTRIBUTE_READONLY, rt::errPathFileAccess}};
    for (const auto& [share, attributes, error] : cases) {
        writeFile(txt, "keep\r\nme");
        SetFileAttributesW(txt.c_str(), attributes);
        HANDLE held = share ? lock(L"t.txt", *share) : INVALID_HANDLE_VALUE;
        EXPECT_EQ(testenv::raisedError([&] { tf.writeLine(txt, 1, L"lost"); }), error) << attributes;
        if (share) CloseHandle(held);
        SetFileAttributesW(txt.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFile(txt), "keep\r\nme") << attributes;
        EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp"))) << attributes;  // a rewrite is staged beside the file
    }
    EXPECT_TRUE(tf.writeLine(txt, 2, L"changed"));
    EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp")));
}

// A folder that can be entered but not listed (0333): the directory match
// misses the file in it, which must stay whole. Root lists it all the same;
// a test entry of its own runs this case without root's capabilities.
TEST_F(TextFiles, WriteLineNeverMakesAnewAFileItCannotSee) {
    folders({L"drop"});
    const std::wstring lines = at(L"drop\\lines.txt");
    writeFile(lines, "a\r\nb\r\nc\r\n");
    ASSERT_TRUE(chmodFolder(at(L"drop"), "333"));
    const bool listed = cPathExt().fileExists(lines);
    const int32_t error = listed ? 0 : testenv::raisedError([&] { tf.writeLine(lines, 3, L"X"); });
    ASSERT_TRUE(chmodFolder(at(L"drop"), "755"));  // listed again, for the cleanup
    if (listed) GTEST_SKIP() << "this process lists a folder without read permission (root)";
    EXPECT_EQ(error, 75);
    EXPECT_EQ(readFile(lines), "a\r\nb\r\nc\r\n");
}

// GetTempFileNameA takes a folder of at most 246 characters, its "\" counted; given a longer one it makes one file
// and reports another name, cut short (the neighbour "txt"). A folder of 245 characters is the longest that stages.
TEST_F(TextFiles, WriteLineInAFolderTooLongToStageInRaisesBeforeWriting) {
    for (size_t length = 245; length <= 260; ++length) {
        const wchar_t letter = static_cast<wchar_t>(L'a' + length % 26);  // a folder of its own
        const std::wstring folder = longnames::folderOfLength(root.path, length, letter);
        const std::wstring f = folder + L"\\f", sibling = longnames::extended(folder + L"\\txt");
        writeFile(longnames::extended(f), "a\r\nb\r\n");
        writeFile(sibling, "SIBLING DATA");
        const int32_t error = testenv::raisedError([&] { tf.writeLine(f, 2, L"NEW"); });
        EXPECT_EQ(error, length == 245 ? 0 : 75) << length;
        EXPECT_EQ(readFile(longnames::extended(f)), length == 245 ? "a\r\nNEW\r\n" : "a\r\nb\r\n") << length;
        EXPECT_EQ(readFile(sibling), "SIBLING DATA") << length;
        WIN32_FIND_DATAW found;
        EXPECT_FALSE(rt::findHandle(FindFirstFileW(longnames::extended(folder + L"\\txt*.tmp").c_str(), &found)));
    }
}

// Names of 259 characters are the longest the ANSI file calls take: a longer one is no file, and raises 75 where
// it would be written.
TEST_F(TextFiles, NamesBeyondWhatTheFileCallsTakeAreNoFiles) {
    using Ask = std::function<std::string(const std::wstring&)>;
    const auto error = [](const std::function<void()>& member) { return std::to_string(testenv::raisedError(member)); };
    // The member, its answer at 259 characters and beyond.
    const std::tuple<Ask, std::string, std::string> rows[] = {
        {[&](auto& f) { return rt::toAnsi(tf.readFile(f)); }, "a\r\nb\r\n", ""},
        {[&](auto& f) { return std::to_string(tf.countLines(f)); }, "2", "0"},
        {[&](auto& f) { return error([&] { tf.writeLine(f, 2, L"b"); }); }, "0", "75"},
        {[&](auto& f) { return error([&] { tf.writeFile(f, L"a\r\nb"); }); }, "0", "75"},
        {[&](auto& f) { return error([&] { tf.appendLine(f, L""); }); }, "0", "75"}};
    for (size_t length : {259, 260, 261, 1000, 32767}) {
        // A short folder where the name allows, so that writeLine can stage its copy beside the file.
        const std::wstring f = longnames::folderOfLength(root.path, length - 181) + L"\\" + std::wstring(180, L'f');
        for (size_t row = 0; row < std::size(rows); ++row) {
            // The system makes no path beyond its own limit (4 096 bytes under Wine): that file is not there.
            const bool made = writeFile(longnames::extended(f), "a\r\nb\r\n");
            const auto& [member, at259, beyond] = rows[row];
            EXPECT_EQ(member(f), length == 259 ? at259 : beyond) << row << ", " << length;
            if (made) {
                EXPECT_EQ(readFile(longnames::extended(f)).substr(0, 6), "a\r\nb\r\n") << row << ", " << length;
            }
        }
    }
}
