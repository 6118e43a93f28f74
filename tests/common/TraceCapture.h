#pragma once
// An in-process trace viewer: a hidden top-level window carrying the trace
// marker, collecting every WM_COPYDATA line. Creating one makes the program's
// trace search again, so the capture is found. Any program's lines land
// here, another test program's too. A test file that uses it is kept from
// running alongside other tests that put up trace windows (the CTest lock
// "trace-viewer").
#include <windows.h>

#include <regex>
#include <string>
#include <vector>

#include "runtime/Window.h"
#include "support/modTrace.h"

namespace testenv {

class TraceCapture : public rt::Window {
public:
    explicit TraceCapture(int markerValue = 1) {
        registerClass(L"twTraceCapture");
        create(L"twTraceCapture", 0, WS_OVERLAPPED, L"trace capture", 0, 0, 10, 10);
        SetPropA(hwnd(), modTrace::traceMarkerName(), reinterpret_cast<HANDLE>(static_cast<intptr_t>(markerValue)));
        modTrace::resetForTesting();
    }
    ~TraceCapture() override {
        RemovePropA(hwnd(), modTrace::traceMarkerName());
        modTrace::resetForTesting();
    }

    // Raw lines as received: cbData bytes each.
    std::vector<std::string> lines;
    // Each line after its "exe: hInstance: threadId: time: " prefix; with
    // `exeName`, only that program's lines.
    std::vector<std::string> messages(const std::string& exeName = "") const {
        static const std::regex prefix("^(?:.*?: ){4}");
        std::vector<std::string> out;
        for (const auto& line : lines)
            if (exeName.empty() || line.rfind(exeName + ": ", 0) == 0)
                out.push_back(std::regex_replace(line, prefix, ""));
        return out;
    }
    void clear() { lines.clear(); }

protected:
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_COPYDATA) return Window::onMessage(msg, wParam, lParam);
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        lines.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
        return TRUE;
    }
};

}  // namespace testenv
