#pragma once
// An in-process trace viewer: a hidden top-level window carrying the trace
// marker, collecting every WM_COPYDATA line. Creating one makes the program's
// trace search again, so the capture is found. Any program's lines land
// here, another test program's too. A test file that uses it is kept from
// running alongside other tests that put up trace windows (the CTest lock
// "trace-viewer").
#include <windows.h>

#include <string>
#include <vector>

namespace testenv {

class TraceCapture {
public:
    explicit TraceCapture(int markerValue = 1);
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Raw lines as received: cbData bytes each.
    std::vector<std::string> lines;
    // Each line after its "exe: hInstance: threadId: time: " prefix; with
    // `exeName`, only that program's lines.
    std::vector<std::string> messages(const std::string& exeName = "") const;
    void clear() { lines.clear(); }

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
};

}  // namespace testenv
