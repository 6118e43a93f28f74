#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "common/RaisedError.h"
#include "common/ScratchFolder.h"
#include "common/TestFiles.h"
#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/cTextFiles.h"

using testenv::readFile;
using testenv::writeFile;
using namespace std::string_literals;

namespace {

const std::optional<std::string> kMissing;

struct TextFilesTest : ::testing::Test {
    testenv::ScratchFolder folder{L"textfiles"};
    cTextFiles tf;
    std::wstring file = folder.file(L"t.txt");

    void prepare(const std::optional<std::string>& content) {
        if (content) writeFile(file, *content);
    }
};

std::wstring tempPattern() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    return std::wstring(tmp) + L"txt*.tmp";
}

}  // namespace

TEST_F(TextFilesTest, ReadLineEndsLinesAtCrOrCrLfOnly) {
    struct Case {
        std::optional<std::string> content;
        int32_t line;
        std::string expected;
    } cases[] = {
        {"a\r\nb\r\n", 2, "b"},
        {"a\r\nb\r\n", 3, ""},
        {"a\nb\n", 1, "a\nb\n"},
        {"a\nb\n", 2, ""},
        {"a\rb", 2, "b"},
        {"a\r\r\nb", 2, ""},
        {"a\r\r\nb", 3, "b"},
        {"x\0y\r\n"s, 1, "x\0y"s},
        {"a\r\n", 0, ""},
        {"", 1, ""},
        {kMissing, 1, ""},
    };
    for (const auto& c : cases) {
        DeleteFileW(file.c_str());
        prepare(c.content);
        EXPECT_EQ(rt::toAnsi(tf.readLine(file, c.line)), c.expected) << c.content.value_or("<missing>") << " line " << c.line;
    }
}

TEST_F(TextFilesTest, CountLinesCountsLineFeedsAcrossChunks) {
    std::string block(65535, 'a');
    struct Case {
        std::optional<std::string> content;
        int32_t expected;
    } cases[] = {
        {kMissing, 0},
        {"", 0},  // no line at all, as readLine sees it
        {"a", 1},
        {"a\n", 1},
        {"a\r\n", 1},
        {"a\nb", 2},
        {"a\rb", 1},
        {"\n\n", 2},
        {block + "\n", 1},         // 65536 bytes, the LF ends the only chunk
        {block + "\n" + "b", 2},   // 65537 bytes, a second chunk of one byte
        {block + "a" + "\n", 1},   // the LF alone in the second chunk
        {"\n" + block + "\n", 2},  // 65537 bytes, LFs in both chunks
    };
    for (const auto& c : cases) {
        DeleteFileW(file.c_str());
        prepare(c.content);
        EXPECT_EQ(tf.countLines(file), c.expected) << (c.content ? c.content->size() : 0) << " bytes";
    }
}

TEST_F(TextFilesTest, CountLinesFromStringCountsLineFeedsAsLong) {
    EXPECT_EQ(tf.countLinesFromString(L""), rt::Variant(0));
    EXPECT_EQ(tf.countLinesFromString(L"\n\r\n").kind(), rt::Variant::Kind::Long);
    EXPECT_EQ(tf.countLinesFromString(L"\n\r\n"), rt::Variant(2));
}

TEST_F(TextFilesTest, ReadFileKeepsEveryByte) {
    EXPECT_EQ(tf.readFile(file), L"");
    std::string content = "a\r\nb\nc\rd\0e"s;
    writeFile(file, content);
    EXPECT_EQ(rt::toAnsi(tf.readFile(file)), content);
}

TEST_F(TextFilesTest, WriteLineRewritesEveryLineWithCrLf) {
    struct Case {
        std::optional<std::string> before;
        int32_t line;
        std::string text;
        std::string after;
    } cases[] = {
        {"a\r\nb\r\n", 5, "e", "a\r\nb\r\n\r\n\r\ne\r\n"},
        {"a\r\nb\r\n", 1, "X", "X\r\nb\r\n"},
        {"a\nb\rc", 2, "X", "a\nb\r\nX\r\n"},
        {"a\rb", 0, "X", "a\r\nb\r\n"},
        {"", 2, "X", "\r\nX\r\n"},
        {kMissing, 3, "c", "\r\n\r\nc\r\n"},
        {kMissing, 0, "c", "c\r\n"},
    };
    for (const auto& c : cases) {
        DeleteFileW(file.c_str());
        prepare(c.before);
        EXPECT_TRUE(tf.writeLine(file, c.line, rt::fromAnsi(c.text)));
        EXPECT_EQ(readFile(file), c.after) << c.before.value_or("<missing>") << " line " << c.line;
    }
}

TEST_F(TextFilesTest, AppendLineAndWriteFile) {
    tf.appendLine(file, L"one");
    tf.appendLine(file, L"two");
    EXPECT_EQ(readFile(file), "one\r\ntwo\r\n");
    EXPECT_TRUE(tf.writeFile(file, L"new"));
    EXPECT_EQ(readFile(file), "new\r\n");
}

TEST_F(TextFilesTest, FailuresRaiseFileErrors) {
    EXPECT_EQ(testenv::raisedError([&] { tf.writeFile(folder.file(L"no\\such.txt"), L"x"); }), rt::errPathNotFound);
    writeFile(file, "a\r\n");
    HANDLE locked = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(testenv::raisedError([&] { tf.readLine(file, 1); }), rt::errPermissionDenied);
    EXPECT_EQ(testenv::raisedError([&] { tf.appendLine(file, L"x"); }), rt::errPermissionDenied);
    CloseHandle(locked);
}

// The original must survive a failed rewrite, and no temporary file may stay.
TEST_F(TextFilesTest, FailedWriteLineKeepsTheOriginal) {
    const std::string original = "keep\r\nme";
    auto before = testenv::filesMatching(tempPattern());
    struct Case {
        const char* how;
        DWORD share;  // of a second handle held open on the original
        DWORD attributes;
        int32_t error;  // 70: the original cannot be read; 75: it cannot be replaced
    } cases[] = {
        {"held open without sharing", 0, FILE_ATTRIBUTE_NORMAL, rt::errPermissionDenied},
        {"held open for reading only", FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, rt::errPathFileAccess},
        {"read-only", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_ATTRIBUTE_READONLY,
         rt::errPathFileAccess},
    };
    for (const auto& c : cases) {
        writeFile(file, original);
        SetFileAttributesW(file.c_str(), c.attributes);
        HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.how;
        EXPECT_EQ(testenv::raisedError([&] { tf.writeLine(file, 1, L"lost"); }), c.error) << c.how;
        CloseHandle(held);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(readFile(file), original) << c.how;
        EXPECT_EQ(testenv::filesMatching(tempPattern()), before) << c.how;
    }
    EXPECT_TRUE(tf.writeLine(file, 2, L"changed"));
    EXPECT_EQ(readFile(file), "keep\r\nchanged\r\n");
    EXPECT_EQ(testenv::filesMatching(tempPattern()), before);
}
