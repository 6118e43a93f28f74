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
    // Raw lines as received (ANSI bytes, no terminator), and their cbData.
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<DWORD>& sizes() const { return sizes_; }
    // Each line after its "exe: hInstance: threadId: time: " prefix.
    std::vector<std::string> messages() const;
    // The messages of one program's lines (by executable name).
    std::vector<std::string> messagesFrom(const std::string& exeName) const;
    void clear();

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    std::vector<std::string> lines_;
    std::vector<DWORD> sizes_;
};

// The part of a trace line after its four-piece prefix.
std::string traceMessage(const std::string& line);

}  // namespace testenv
