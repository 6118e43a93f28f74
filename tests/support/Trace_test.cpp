// Trace lines as a viewer receives them, byte for byte. Other test programs
// trace nowhere, and the trace-viewer lock keeps the launcher away, so every
// line captured here is this program's.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "common/TraceCapture.h"
#include "support/modTrace.h"

using rt::VariantList;

TEST(Trace, LineIsProgramInstanceThreadTimeThenEachItemWithATab) {
    testenv::TraceCapture capture;
    modTrace::Trace(L"modMain.Main");
    const std::string head =
        "support_Trace_test: " + std::to_string(reinterpret_cast<intptr_t>(GetModuleHandleW(nullptr))) + ": " +
        std::to_string(static_cast<int32_t>(GetCurrentThreadId())) + ": ";
    ASSERT_EQ(capture.lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(capture.lines[0], std::regex(head + R"(\d{8} \d{6}: modMain\.Main\t)")))
        << capture.lines[0];

    const std::pair<VariantList, std::string> cases[] = {
        {{L"sFolder", rt::Null{}}, "sFolder\t\t"},
        {{L"a", VariantList{L"b"}, rt::ObjectRef{}, L"d"}, "a\td\t"},  // lists and objects have no text
        {{L"\u20ac\u00e9\u4e2d"}, "\x80\xe9?\t"}                       // ANSI code page 1252
    };
    for (const auto& [items, message] : cases) {
        capture.clear();
        modTrace::TraceItems(items);
        EXPECT_EQ(capture.messages(), std::vector<std::string>{message});
        EXPECT_EQ(capture.lines.at(0).find('\0'), std::string::npos) << "cbData counts the bytes, no NUL";
    }
}
