// A small trace viewer for tests and for debugging the launcher.
//
//   traceviewer.exe [logfile]
//
// Shows a top-level window (class "twTraceViewer") marked as the trace
// window, so the launcher sends it every trace line. Each line's raw bytes
// and a newline are appended to the log file (default: traceviewer.log beside
// this program) and flushed at once, and the line is shown in a list box.
// Once the window exists, "<logfile>.ready" is written, so a test can start
// the viewer, wait for that file, then start the launcher. WM_CLOSE ends it.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "runtime/App.h"
#include "runtime/Handles.h"
#include "runtime/MessagePump.h"
#include "runtime/Window.h"

namespace {

const std::string kMarker = std::string("mornveldtVBTRACER") + "_TRACEWIN";
constexpr int kListId = 1;

// Readers may open the file while the viewer writes it.
rt::unique_hfile openLog(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return rt::unique_hfile(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

void writeAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(file);
}

// The log file named on the command line, or traceviewer.log beside the program.
std::wstring logPathFromCommandLine() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring path = argv && argc > 1 ? argv[1] : rt::App::path() + L"\\traceviewer.log";
    LocalFree(argv);
    return path;
}

class TraceViewer : public rt::Window {
public:
    explicit TraceViewer(const std::wstring& logPath) : log_(openLog(logPath)) {
        registerClass(L"twTraceViewer", 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        create(L"twTraceViewer", 0, WS_OVERLAPPEDWINDOW, L"tarnwicket trace viewer", CW_USEDEFAULT, CW_USEDEFAULT,
               640, 360);
        SetPropA(hwnd(), kMarker.c_str(), reinterpret_cast<HANDLE>(1));
    }

    bool ok() const { return hwnd() && log_; }

protected:
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_CREATE:
                createList();
                return 0;
            case WM_SIZE:
                MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
                return 0;
            case WM_COPYDATA:
                received(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
                return TRUE;
            case WM_DESTROY:
                RemovePropA(hwnd(), kMarker.c_str());
                PostQuitMessage(0);
                return 0;
        }
        return rt::Window::onMessage(msg, wParam, lParam);
    }

private:
    void createList() {
        list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0,
                                hwnd(), reinterpret_cast<HMENU>(kListId), rt::App::hInstance(), nullptr);
        SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }

    // The bytes go to the file untouched; the list shows them as ANSI text
    // (up to a NUL, should a line carry one).
    void received(const COPYDATASTRUCT& record) {
        std::string line(static_cast<const char*>(record.lpData), record.lpData ? record.cbData : 0);
        writeAll(log_.get(), line + "\n");
        LRESULT index = SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        if (index >= 0) SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }

    rt::unique_hfile log_;
    HWND list_ = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow) {
    std::wstring logPath = logPathFromCommandLine();
    std::wstring readyPath = logPath + L".ready";
    DeleteFileW(readyPath.c_str());  // a marker left by an earlier run must not announce this one
    TraceViewer viewer(logPath);
    if (!viewer.ok()) return 1;
    // Shown without taking the focus from the program being traced.
    ShowWindow(viewer.hwnd(), nCmdShow == SW_SHOWNORMAL || nCmdShow == SW_SHOWDEFAULT ? SW_SHOWNOACTIVATE : nCmdShow);
    writeAll(openLog(readyPath).get(), "ready\n");
    return rt::runMessageLoop();
}
