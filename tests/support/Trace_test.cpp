// Trace lines as a viewer receives them, byte for byte, and how the viewer
// is found. Other test programs trace nowhere, and the trace-viewer lock
// keeps the launcher away, so every line captured here is this program's.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "common/TraceCapture.h"
#include "support/TracedProcedure.h"
#include "support/modTrace.h"

using rt::VariantList;
using Messages = std::vector<std::string>;

namespace {

std::string now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char buf[32];
    snprintf(buf, sizeof buf, "%04u%02u%02u %02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return buf;
}

BOOL CALLBACK firstOfTwo(HWND hwnd, LPARAM p) {
    auto* w = reinterpret_cast<HWND*>(p);  // {a, b, first}
    if (hwnd != w[0] && hwnd != w[1]) return TRUE;
    w[2] = hwnd;
    return FALSE;
}

}  // namespace

TEST(Trace, LineIsProgramInstanceThreadTimeThenEachItemWithATab) {
    testenv::TraceCapture capture;
    std::string before = now();
    modTrace::Trace(L"modMain.Main");
    std::string after = now();
    ASSERT_EQ(capture.lines.size(), 1u);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(capture.lines[0], m, std::regex(R"(^(.+): (-?\d+): (-?\d+): (\d{8} \d{6}): (.*)$)")));
    EXPECT_EQ(m[1], "support_Trace_test");
    EXPECT_EQ(m[2], std::to_string(reinterpret_cast<intptr_t>(GetModuleHandleW(nullptr))));
    EXPECT_EQ(m[3], std::to_string(static_cast<int32_t>(GetCurrentThreadId())));
    EXPECT_TRUE(before <= m[4] && m[4] <= after) << m[4];
    EXPECT_EQ(m[5], "modMain.Main\t");

    const std::pair<VariantList, std::string> cases[] = {
        {{L"sFolder", L""}, "sFolder\t\t"},
        {{rt::Null{}, rt::Variant()}, "\t\t"},
        {{}, ""},
        {{L"a", VariantList{L"b"}, rt::ObjectRef{}, L"d"}, "a\td\t"},  // lists and objects have no text
        {{L"\u20ac\u00e9\u4e2d"}, "\x80\xe9?\t"},                      // ANSI code page 1252
    };
    for (const auto& [items, message] : cases) {
        capture.clear();
        modTrace::TraceItems(items);
        EXPECT_EQ(capture.messages(), Messages{message});
        EXPECT_EQ(capture.lines.at(0).find('\0'), std::string::npos) << "cbData counts the bytes, no NUL";
    }
}

TEST(Trace, ViewerSearch) {
    {  // none: one search only, even when a viewer appears later
        testenv::TraceCapture capture;
        RemovePropA(capture.hwnd(), modTrace::traceMarkerName());
        modTrace::resetForTesting();
        modTrace::Trace(L"line");
        SetPropA(capture.hwnd(), modTrace::traceMarkerName(), reinterpret_cast<HANDLE>(1));
        modTrace::Trace(L"line");
        EXPECT_EQ(modTrace::searchCountForTesting(), 1);
        EXPECT_TRUE(capture.lines.empty());
    }
    {  // a marker value of 2 is not a viewer
        testenv::TraceCapture capture(2);
        modTrace::Trace(L"line");
        EXPECT_TRUE(capture.lines.empty());
    }
    // The first marked window in enumeration order wins.
    testenv::TraceCapture a, b;
    HWND w[3] = {a.hwnd(), b.hwnd(), nullptr};
    EnumWindows(&firstOfTwo, reinterpret_cast<LPARAM>(w));
    modTrace::resetForTesting();
    modTrace::Trace(L"x");
    EXPECT_EQ(std::make_pair(a.lines.size(), b.lines.size()), w[2] == a.hwnd() ? std::pair(1u, 0u) : std::pair(0u, 1u));
}

TEST(Trace, AssertSendsOnlyForAFalseConditionAfterTheFirstTrace) {
    testenv::TraceCapture capture;
    modTrace::Assert(false, L"x");
    EXPECT_EQ(modTrace::searchCountForTesting(), 0);
    EXPECT_TRUE(capture.lines.empty());
    modTrace::Trace(L"first");
    modTrace::Assert(true, L"a");
    modTrace::Assert(false, L"a", static_cast<int32_t>(1));
    EXPECT_EQ(capture.messages(), (Messages{"first\t", "a\t1\tAssert Failed\t"}));
}

TEST(Trace, TracedProcedureTracesEntryThenErrorWithItsSuffixThenGoesOn) {
    testenv::TraceCapture capture;
    TracedProcedure m(L"modMain", L"Main", ProcKind::Module);
    m.step([] { rt::raiseStandard(13); });
    TracedProcedure f(L"frmMain", L"Form_Load", ProcKind::Form);
    f.step([] { throw rt::RuntimeError(static_cast<int32_t>(0x800469A9u), L"x", L"Failed Key: '0'"); });
    f.step([] { modTrace::Trace(L"next"); });
    EXPECT_EQ(
        capture.messages(),
        (Messages{"modMain.Main\t", "Error (13):Type mismatch Modul modMain; procedure: Main\t", "frmMain.Form_Load\t",
                  "Error (-2147194455):Failed Key: '0' Formular frmMain; procedure: Form_Load\t", "next\t"}));
}
