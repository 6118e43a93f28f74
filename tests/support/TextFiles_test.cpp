#include <gtest/gtest.h>

#include <optional>

#include "Scratch.h"
#include "runtime/Ansi.h"
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

TEST_F(TextFiles, WriteLineKeepsTheAttributesOfTheFileItReplaces) {
    for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}) {
        prepare("a\r\nb\r\n");
        SetFileAttributesW(txt.c_str(), attributes);
        const DWORD before = GetFileAttributesW(txt.c_str());
        EXPECT_TRUE(tf.writeLine(txt, 1, L"X"));
        EXPECT_EQ(GetFileAttributesW(txt.c_str()), before);
        SetFileAttributesW(txt.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFile(txt), "X\r\nb\r\n");
    }
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
    // The share mode of a second handle held open on the original, its attributes, the error.
    const std::tuple<DWORD, DWORD, int32_t> cases[] = {
        {0, FILE_ATTRIBUTE_NORMAL, rt::errPermissionDenied},  // the original cannot be read
        {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_ATTRIBUTE_READONLY, rt::errPathFileAccess}};
    for (const auto& [share, attributes, error] : cases) {
        writeFile(txt, "keep\r\nme");
        SetFileAttributesW(txt.c_str(), attributes);
        HANDLE held = lock(L"t.txt", share);
        EXPECT_EQ(testenv::raisedError([&] { tf.writeLine(txt, 1, L"lost"); }), error) << share;
        CloseHandle(held);
        SetFileAttributesW(txt.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFile(txt), "keep\r\nme") << share;
        EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp"))) << share;  // a rewrite is staged beside the file
    }
    EXPECT_TRUE(tf.writeLine(txt, 2, L"changed"));
    EXPECT_FALSE(cPathExt().fileExists(at(L"txt*.tmp")));
}
