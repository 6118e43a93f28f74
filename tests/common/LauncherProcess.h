#pragma once
// tarnwicket.exe as a user meets it: started from the build folder, its
// windows found by caption, their controls read from outside and driven
// with real input. While it runs, every wait here handles this program's
// messages, so that its trace lines reach a TraceCapture of the test.
#include <windows.h>

#include <string>

#include "common/TestEnv.h"
#include "runtime/Handles.h"

namespace testenv {

inline constexpr wchar_t kMainCaption[] = L"tarnwicket - 1.6.3";

class LauncherProcess {
public:
    LauncherProcess();
    // Ends the program when it still runs.
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool started() const { return process_.get() != nullptr; }
    // Its visible top-level window with `caption`, waited for up to `timeoutMs`; null when none shows.
    HWND window(const std::wstring& caption, DWORD timeoutMs = 10000) const;
    // Its top-level window with `caption`, shown or not; null when there is none.
    HWND anyWindow(const std::wstring& caption) const;
    // True once the program has ended (waits up to 10 s).
    bool ended() const;

private:
    rt::unique_hfile process_, thread_;
    DWORD id_ = 0;
};

// The child of `parent` whose top left corner is at client pixel (x, y).
HWND childAt(HWND parent, int x, int y);
// The text of another program's window or control.
std::wstring textOf(HWND window);
// Types `text` key by key as the keyboard layout has it (Shift where needed).
void typeText(const std::wstring& text);

// Waits up to 5 s for `done`, handling messages meanwhile.
template <typename Pred>
bool waitFor(Pred done) {
    return pumpUntil(done, 5000);
}

}  // namespace testenv
