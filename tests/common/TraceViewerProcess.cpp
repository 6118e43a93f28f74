#include "common/TraceViewerProcess.h"

#include "common/TestEnv.h"

namespace testenv {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findViewerWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (pid != search->processId || std::wstring(cls) != L"twTraceViewer") return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool hasEnded(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

}  // namespace

TraceViewerProcess::TraceViewerProcess(const std::wstring& logPath, DWORD timeoutMs) : logPath_(logPath) {
    DeleteFileW(readyPath().c_str());
    std::wstring commandLine = L"\"" + buildDir() + L"\\tools\\traceviewer.exe\" \"" + logPath_ + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    rt::unique_hfile thread(pi.hThread);
    process_.reset(pi.hProcess);
    processId_ = pi.dwProcessId;
    // Messages are handled while waiting: a program tracing meanwhile may be
    // sending to a window of this one.
    if (!pumpUntil([&] { return fileExists(readyPath()) || hasEnded(process_.get()); }, timeoutMs)) return;
    WindowSearch search{processId_, nullptr};
    EnumWindows(&findViewerWindow, reinterpret_cast<LPARAM>(&search));
    hwnd_ = search.found;
}

TraceViewerProcess::~TraceViewerProcess() {
    if (process_ && !hwnd_) TerminateProcess(process_.get(), 1);  // never got ready: nothing to ask
    if (close() == STILL_ACTIVE) TerminateProcess(process_.get(), 1);
}

std::string TraceViewerProcess::log() const {
    rt::unique_hfile file(CreateFileW(logPath_.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string content;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(file.get(), buf, sizeof buf, &n, nullptr) && n > 0) content.append(buf, n);
    return content;
}

std::vector<std::string> TraceViewerProcess::lines() const {
    std::vector<std::string> out;
    std::string content = log();
    size_t start = 0;
    for (size_t nl; (nl = content.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(content.substr(start, nl - start));
    return out;
}

DWORD TraceViewerProcess::close(DWORD timeoutMs) {
    if (!process_) return 0;
    if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    pumpUntil([&] { return hasEnded(process_.get()); }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    if (code != STILL_ACTIVE) {
        process_.reset();
        hwnd_ = nullptr;
    }
    return code;
}

}  // namespace testenv
