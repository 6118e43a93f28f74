// Trace lines as a viewer receives them, byte for byte, and how the viewer
// is found.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "common/TraceViewerProcess.h"
#include "runtime/Ansi.h"
#include "support/TracedProcedure.h"
#include "support/modTrace.h"

namespace {

using rt::Variant;
using rt::VariantList;

// The test program's own name, found without the code under test.
std::string programName() {
    char path[MAX_PATH];
    std::string name(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

std::string now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char buf[32];
    snprintf(buf, sizeof buf, "%04u%02u%02u %02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return buf;
}

// What the capture received from this program: other test programs running
// meanwhile may trace to it too.
struct Received {
    std::string line;
    DWORD size;
    std::string message;
};

std::vector<Received> own(const testenv::TraceCapture& capture) {
    std::string prefix = programName() + ": ";
    std::vector<Received> out;
    for (size_t i = 0; i < capture.lines().size(); ++i) {
        const std::string& line = capture.lines()[i];
        if (line.compare(0, prefix.size(), prefix) == 0)
            out.push_back({line, capture.sizes()[i], testenv::traceMessage(line)});
    }
    return out;
}

std::vector<std::string> ownMessages(const testenv::TraceCapture& capture) {
    std::vector<std::string> out;
    for (const auto& r : own(capture)) out.push_back(r.message);
    return out;
}

struct Line {
    std::string exe, instance, thread, time, message;
};

// Splits a line into its prefix pieces and message; false when the prefix is malformed.
bool parseLine(const std::string& line, Line& out) {
    static const std::regex pattern(R"(^([^:]+): (-?[0-9]+): (-?[0-9]+): ([0-9]{8} [0-9]{6}): ([\s\S]*)$)");
    std::smatch m;
    if (!std::regex_match(line, m, pattern)) return false;
    out = {m[1], m[2], m[3], m[4], m[5]};
    return true;
}

struct FirstOfTwo {
    HWND a, b, first;
};

BOOL CALLBACK findFirstOfTwo(HWND hwnd, LPARAM p) {
    auto* s = reinterpret_cast<FirstOfTwo*>(p);
    if (hwnd != s->a && hwnd != s->b) return TRUE;
    s->first = hwnd;
    return FALSE;
}

// The window that EnumWindows meets first among the given ones.
HWND firstInEnumeration(HWND a, HWND b) {
    FirstOfTwo search{a, b, nullptr};
    EnumWindows(&findFirstOfTwo, reinterpret_cast<LPARAM>(&search));
    return search.first;
}

}  // namespace

TEST(TraceLine, PrefixNamesProgramInstanceThreadAndTime) {
    testenv::TraceCapture capture;
    std::string before = now();
    modTrace::Trace(L"modMain.Main");
    std::string after = now();
    auto received = own(capture);
    ASSERT_EQ(received.size(), 1u);
    const std::string& raw = received[0].line;
    Line line;
    ASSERT_TRUE(parseLine(raw, line)) << raw;
    EXPECT_EQ(line.exe, programName());
    EXPECT_EQ(line.instance, std::to_string(reinterpret_cast<intptr_t>(GetModuleHandleW(nullptr))));
    EXPECT_EQ(line.thread, std::to_string(static_cast<int32_t>(GetCurrentThreadId())));
    EXPECT_LE(before, line.time);
    EXPECT_LE(line.time, after);
    EXPECT_EQ(line.message, "modMain.Main\t");
    // cbData counts the bytes, no terminating zero.
    size_t prefix = raw.size() - line.message.size();
    EXPECT_EQ(received[0].size, prefix + 13);
    EXPECT_EQ(raw.find('\0'), std::string::npos);
}

TEST(TraceLine, EveryItemEndsWithATab) {
    struct Case {
        const char* what;
        VariantList items;
        std::string message;
    };
    const Case cases[] = {
        {"one text", {L"modMain.Main"}, "modMain.Main\t"},
        {"empty text", {L"sFolder", L""}, "sFolder\t\t"},
        {"Booleans", {true, false}, "True\tFalse\t"},
        {"null", {rt::Null{}}, "\t"},
        {"empty value", {Variant()}, "\t"},
        {"numbers", {static_cast<int16_t>(-3), static_cast<int32_t>(70000)}, "-3\t70000\t"},
        {"no items", {}, ""},
        {"nested list left out", {L"a", VariantList{L"b", L"c"}, L"d"}, "a\td\t"},
        {"object left out", {rt::ObjectRef{}, L"x"}, "x\t"},
    };
    testenv::TraceCapture capture;
    for (const auto& c : cases) {
        capture.clear();
        modTrace::TraceItems(c.items);
        auto received = own(capture);
        ASSERT_EQ(received.size(), 1u) << c.what;
        EXPECT_EQ(received[0].message, c.message) << c.what;
        EXPECT_EQ(received[0].size, received[0].line.size()) << c.what;
    }
}

TEST(TraceLine, TextGoesOutInTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "expected bytes are for code page 1252, this is " << GetACP();
    testenv::TraceCapture capture;
    modTrace::Trace(L"\u20ac\u00e9\u4e2d");  // euro sign, e acute, a character 1252 lacks
    auto received = own(capture);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, "\x80\xe9?\t");
    EXPECT_EQ(received[0].size, received[0].line.size());
}

TEST(TraceSearch, WithoutAViewerNothingIsSentAndOneSearchIsMade) {
    testenv::TraceCapture capture;
    RemovePropA(capture.hwnd(), modTrace::traceMarkerName());
    modTrace::resetForTesting();
    for (int i = 0; i < 3; ++i) modTrace::Trace(L"line");
    EXPECT_EQ(modTrace::searchCountForTesting(), 1);
    // A viewer that appears later is not looked for again.
    SetPropA(capture.hwnd(), modTrace::traceMarkerName(), reinterpret_cast<HANDLE>(1));
    modTrace::Trace(L"line");
    EXPECT_EQ(modTrace::searchCountForTesting(), 1);
    EXPECT_TRUE(own(capture).empty());
}

TEST(TraceSearch, AMarkerValueOfTwoIsNotAViewer) {
    testenv::TraceCapture capture(2);
    modTrace::Trace(L"line");
    EXPECT_EQ(modTrace::searchCountForTesting(), 1);
    EXPECT_TRUE(own(capture).empty());
}

TEST(TraceSearch, TheFirstMarkedWindowInEnumerationOrderWins) {
    testenv::TraceCapture a;
    testenv::TraceCapture b;
    auto received = [&](HWND hwnd) { return own(hwnd == a.hwnd() ? a : b).size(); };
    HWND first = firstInEnumeration(a.hwnd(), b.hwnd());
    HWND second = first == a.hwnd() ? b.hwnd() : a.hwnd();
    modTrace::Trace(L"one");
    modTrace::Trace(L"two");
    EXPECT_EQ(received(first), 2u);
    EXPECT_EQ(received(second), 0u);

    // Raising the other window makes it the first: the order decides, not creation.
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(firstInEnumeration(a.hwnd(), b.hwnd()), second);
    modTrace::resetForTesting();
    modTrace::Trace(L"three");
    EXPECT_EQ(received(first), 2u);
    EXPECT_EQ(received(second), 1u);
}

TEST(TraceAssert, BeforeTheFirstTraceItNeitherSearchesNorSends) {
    testenv::TraceCapture capture;
    modTrace::Assert(false, L"x");
    EXPECT_EQ(modTrace::searchCountForTesting(), 0);
    EXPECT_TRUE(own(capture).empty());
}

TEST(TraceAssert, OnlyAFalseConditionSendsAndItsLineEndsWithAssertFailed) {
    struct Case {
        bool condition;
        VariantList items;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {true, {L"a"}, {}},
        {false, {L"a", static_cast<int32_t>(1)}, {"a\t1\tAssert Failed\t"}},
        {false, {}, {"Assert Failed\t"}},
    };
    testenv::TraceCapture capture;
    modTrace::Trace(L"first");
    for (const auto& c : cases) {
        capture.clear();
        modTrace::AssertItems(c.condition, c.items);
        EXPECT_EQ(ownMessages(capture), c.messages);
    }
}

TEST(TracedProcedureLines, EntryThenErrorWithItsSuffixThenTheNextStep) {
    struct Case {
        const wchar_t* module;
        const wchar_t* procedure;
        ProcKind kind;
        rt::RuntimeError error;
        std::string errorLine;
    };
    const Case cases[] = {
        {L"modMain", L"Main", ProcKind::Module, rt::RuntimeError::standard(13),
         "Error (13):Type mismatch Modul modMain; procedure: Main\t"},
        {L"frmMain", L"Form_Load", ProcKind::Form,
         rt::RuntimeError(static_cast<int32_t>(0x800469A9u), L"x.cRegistry", L"Failed to set registry value Key: '0'"),
         "Error (-2147194455):Failed to set registry value Key: '0' Formular frmMain; procedure: Form_Load\t"},
    };
    testenv::TraceCapture capture;
    for (const auto& c : cases) {
        capture.clear();
        TracedProcedure p(c.module, c.procedure, c.kind);
        p.step([&] { throw c.error; });
        p.step([&] { modTrace::Trace(L"next"); });
        std::string entry = rt::toAnsi(std::wstring(c.module) + L"." + c.procedure) + "\t";
        EXPECT_EQ(ownMessages(capture), (std::vector<std::string>{entry, c.errorLine, "next\t"}));
    }
}

TEST(TraceViewerTool, WritesEachLineToItsFileAsReceived) {
    std::wstring dir = testenv::makeTempDir(L"traceviewer");
    {
        testenv::TraceViewerProcess viewer(dir + L"\\trace.log");
        ASSERT_NE(viewer.hwnd(), nullptr) << "the viewer did not get ready";
        EXPECT_TRUE(modTrace::isTraceWindow(viewer.hwnd()));
        modTrace::resetForTesting();
        modTrace::Trace(L"modMain.Main");
        modTrace::Trace(L"sFolder", L"", true);
        // Each line is in the file as soon as the viewer took it.
        std::vector<std::string> lines;
        for (const auto& l : viewer.lines())
            if (l.compare(0, programName().size() + 2, programName() + ": ") == 0) lines.push_back(l);
        ASSERT_EQ(lines.size(), 2u);
        const char* messages[] = {"modMain.Main\t", "sFolder\t\tTrue\t"};
        for (size_t i = 0; i < 2; ++i) {
            Line line;
            ASSERT_TRUE(parseLine(lines[i], line)) << lines[i];
            EXPECT_EQ(line.exe, programName());
            EXPECT_EQ(line.message, messages[i]);
        }
        EXPECT_NE(viewer.log().find(lines[0] + "\n"), std::string::npos);
        EXPECT_EQ(viewer.log().back(), '\n');
        EXPECT_EQ(viewer.close(), 0u);
    }
    modTrace::resetForTesting();
    testenv::removeTree(dir);
}
