#pragma once
// tarnwicket.exe as a user meets it: started from the build folder, its
// windows found by caption, their controls read from outside and driven
// with real input. While it runs, every wait here handles this program's
// messages, so that its trace lines reach a TraceCapture of the test.
#include <windows.h>

#include <string>
#include <vector>

#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "runtime/Handles.h"

namespace testenv {

inline constexpr wchar_t kMainCaption[] = L"tarnwicket - 1.6.3";

// Waits up to 5 s for `done`, handling messages meanwhile.
template <typename Pred>
bool waitFor(Pred done) {
    return pumpUntil(done, 5000);
}

class LauncherProcess {
public:
    LauncherProcess() {
        std::wstring cmd = L"\"" + buildDir() + L"\\tarnwicket.exe\"";
        STARTUPINFOW si{sizeof si};
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        CloseHandle(pi.hThread);
        process_.reset(pi.hProcess);
        id_ = pi.dwProcessId;
    }
    // Ends the program when it still runs (and fails harmlessly when it has ended).
    ~LauncherProcess() {
        if (started()) TerminateProcess(process_.get(), 1);
    }

    bool started() const { return process_.get() != nullptr; }
    // Its top-level window with `caption`, shown or not; null when there is none.
    HWND anyWindow(const std::wstring& caption) const {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, caption.c_str()));) {
            DWORD owner = 0;
            if (GetWindowThreadProcessId(w, &owner) && owner == id_) return w;
        }
        return nullptr;
    }
    // Its visible top-level window with `caption`, waited for up to 10 s; null when none shows.
    HWND window(const std::wstring& caption) const {
        HWND found = nullptr;
        return pumpUntil([&] { return (found = anyWindow(caption)) && IsWindowVisible(found); }, 10000) ? found
                                                                                                        : nullptr;
    }
    // True once the program has ended (waits up to 10 s).
    bool ended() const {
        return started() && pumpUntil([&] { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }, 10000);
    }

private:
    rt::unique_hfile process_;
    DWORD id_ = 0;
};

// The child of `parent` whose top left corner is at client pixel (x, y).
inline HWND childAt(HWND parent, int x, int y) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 1);
        if (r.left == x && r.top == y) return child;
    }
    return nullptr;
}

// The text of another program's window or control.
inline std::wstring textOf(HWND window) {
    std::vector<wchar_t> buf(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1);
    SendMessageW(window, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    return buf.data();
}

// Types `text` key by key as the keyboard layout has it (Shift where needed).
inline void typeText(const std::wstring& text) {
    for (wchar_t c : text) {
        SHORT scan = VkKeyScanW(c);
        bool shift = (scan >> 8) & 1;
        if (shift) key(VK_SHIFT, false);
        type(LOBYTE(scan));
        if (shift) key(VK_SHIFT, true);
    }
}

}  // namespace testenv
