// Trace lines as a viewer receives them, byte for byte. Other test programs
// trace nowhere, and the trace-viewer lock keeps the launcher away, so every
// line captured here is this program's.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <regex>
#include <thread>

#include "common/TestEnv.h"
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

namespace {

void mark(HWND window, intptr_t value) {
    SetPropA(window, modTrace::traceMarkerName(), reinterpret_cast<HANDLE>(value));
}

HWND plainWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

// A trace viewer on a thread that takes no message once it is made.
struct HungViewer {
    HANDLE resume = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<HWND> window{nullptr};
    std::thread thread{[this] {
        HWND viewer = plainWindow();
        mark(viewer, 1);
        window = viewer;
        WaitForSingleObject(resume, INFINITE);
        DestroyWindow(viewer);
    }};
    ~HungViewer() {
        SetEvent(resume);
        thread.join();
        CloseHandle(resume);
    }
};

}  // namespace

// A viewer that closed, and a window that is no longer one (as another
// window that got a closed viewer's handle), get no line: the search runs
// again and finds the viewer there is, or none, after which none runs.
TEST(Trace, LinesGoOnlyToAWindowThatIsStillAViewer) {
    testenv::TraceCapture later(2);
    HWND closing = plainWindow();
    mark(closing, 1);
    modTrace::Trace(L"to the closing one");
    DestroyWindow(closing);
    mark(later.hwnd(), 1);
    modTrace::Trace(L"after it closed");
    RemovePropA(later.hwnd(), modTrace::traceMarkerName());
    modTrace::Trace(L"after it stopped being one");
    modTrace::Trace(L"without a viewer");
    EXPECT_EQ(later.messages(), std::vector<std::string>{"after it closed\t"});
    EXPECT_EQ(modTrace::searchCountForTesting(), 3);
}

// Were the line to wait for the hung viewer, this thread would handle,
// during the wait, the line another thread has sent one of its windows.
TEST(Trace, AHungViewerFailsALineAtOnce) {
    HungViewer viewer;
    ASSERT_TRUE(testenv::pumpUntil([&] { return viewer.window && IsHungAppWindow(viewer.window); }, 60000));
    testenv::TraceCapture sentTo(2);  // no viewer
    std::thread sender([&] {
        char text[] = "sent";
        COPYDATASTRUCT line{0, 4, text};
        SendMessageA(sentTo.hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&line));
    });
    while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) Sleep(1);
    modTrace::Trace(L"to the hung viewer");
    EXPECT_EQ(sentTo.lines.size(), 0u) << "the line waited for the hung viewer";
    testenv::pumpUntil([&] { return !sentTo.lines.empty(); }, 10000);
    sender.join();
}
