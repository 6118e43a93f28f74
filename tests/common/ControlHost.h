#pragma once
// A test container for user controls: a real top-level window, shown and in
// front, with the container object the controls talk to, and real input
// (pointer moves, button presses, keys) sent through the system's queue.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "runtime/ControlContainer.h"
#include "runtime/MessagePump.h"
#include "runtime/SendKeys.h"
#include "runtime/UserControl.h"
#include "runtime/Window.h"

namespace testenv {

// Handles pending messages for a short while (input takes a moment).
inline void settle(DWORD ms = 60) { rt::pumpMessagesFor(ms); }

class ControlHost : public rt::Window {
public:
    ControlHost() {
        registerClass(L"twControlHost", CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        create(L"twControlHost", WS_EX_CONTROLPARENT, WS_POPUP | WS_CLIPCHILDREN, L"host", 40, 40, 400, 300);
        container_ = std::make_unique<rt::ControlContainer>(hwnd());
        container_->onPropertyChanged = [this](rt::UserControl& c, const std::wstring& key) {
            changes.push_back(c.AmbientDisplayName() + L":" + key);
        };
        ShowWindow(hwnd(), SW_SHOW);
        SetForegroundWindow(hwnd());
        SetActiveWindow(hwnd());
        settle(30);
    }

    rt::ControlContainer& container() { return *container_; }
    // Every property-change notification, as "name:KEY".
    std::vector<std::wstring> changes;

private:
    std::unique_ptr<rt::ControlContainer> container_;
};

// Mouse input with `flags`; a move goes to the screen point `at` (the
// cursor is put there first, SendInput's absolute units are not exact).
inline INPUT mouseInput(DWORD flags, POINT at = {}) {
    if (flags & MOUSEEVENTF_MOVE) SetCursorPos(at.x, at.y);
    INPUT in{INPUT_MOUSE};
    in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags;
    return in;
}

// Real input. Positions are client coordinates of `hwnd`. Each call lets
// the message loop handle what the input caused before it returns.
inline void sendInput(INPUT in) {
    SendInput(1, &in, sizeof in);
    settle();
}
inline void pointerTo(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    sendInput(mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p));
}
inline void mouseButton(DWORD flag) { sendInput(mouseInput(flag)); }  // MOUSEEVENTF_LEFTDOWN and the like
inline void key(WORD vk, bool up) { sendInput(rt::keyInput(vk, up)); }

// A left click at a screen point, sent without waiting for it to be handled
// (for the inside of a modal loop that is not ours).
inline void sendClick(POINT screen) {
    INPUT in[3] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen), mouseInput(MOUSEEVENTF_LEFTDOWN),
                   mouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(3, in, sizeof(INPUT));
}

// A left click at client (x, y) of `hwnd`; a key pressed and released.
inline void click(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    sendClick(p);
    settle();
}
// A double click at client (x, y) of `hwnd`, as the system counts one
// however slowly the machine runs: the second press comes once the first
// click was handled (`firstHandled` says when; messages are handled while
// waiting) and `between` has run, at the very same point, and bears a time
// stamp 100 ms after the first, well within the system's double-click time.
inline void doubleClick(HWND hwnd, int x, int y, const std::function<bool()>& firstHandled,
                        const std::function<void()>& between = {}) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    const DWORD first = GetTickCount();
    INPUT once[3] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p), mouseInput(MOUSEEVENTF_LEFTDOWN),
                     mouseInput(MOUSEEVENTF_LEFTUP)};
    once[1].mi.time = once[2].mi.time = first;
    SendInput(3, once, sizeof(INPUT));
    pumpUntil(firstHandled, 5000);
    if (between) between();
    pumpUntil([&] { return GetTickCount() - first >= 100; }, 200);
    INPUT again[2] = {mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
    again[0].mi.time = again[1].mi.time = first + std::min<DWORD>(100, GetDoubleClickTime() / 2);
    SendInput(2, again, sizeof(INPUT));
    settle();
}

inline void type(WORD vk) {
    key(vk, false);
    key(vk, true);
}

}  // namespace testenv
