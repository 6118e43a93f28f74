#pragma once
// The trace viewer tool (build/tools/traceviewer.exe) run as a second
// process: started on a log file, waited for until its window is up, and
// closed through WM_CLOSE. A test file that uses it is kept from running
// alongside other tests that put up trace windows (the CTest lock
// "trace-viewer").
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/Handles.h"

namespace testenv {

class TraceViewerProcess {
public:
    explicit TraceViewerProcess(const std::wstring& logPath, DWORD timeoutMs = 20000);
    ~TraceViewerProcess();
    TraceViewerProcess(const TraceViewerProcess&) = delete;
    TraceViewerProcess& operator=(const TraceViewerProcess&) = delete;

    // The viewer's window, once its ready marker was written; null otherwise.
    HWND hwnd() const { return hwnd_; }
    std::wstring readyPath() const { return logPath_ + L".ready"; }
    // The log file's bytes, and its lines without their newlines.
    std::string log() const;
    std::vector<std::string> lines() const;
    // Asks the viewer to close and waits for it; its exit code (STILL_ACTIVE
    // when it did not end in time).
    DWORD close(DWORD timeoutMs = 10000);

private:
    std::wstring logPath_;
    rt::unique_hfile process_;
    DWORD processId_ = 0;
    HWND hwnd_ = nullptr;
};

}  // namespace testenv
