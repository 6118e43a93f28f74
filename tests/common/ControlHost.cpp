#include "common/ControlHost.h"

#include "runtime/MessagePump.h"
#include "runtime/SendKeys.h"
#include "runtime/UserControl.h"

namespace testenv {
namespace {

const wchar_t kHostClass[] = L"tarnwicketTestControlHost";

void send(INPUT in) {
    SendInput(1, &in, sizeof in);
    settle();
}

INPUT mouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

// A pointer move to a screen point in SendInput's absolute units; the cursor is put there first.
INPUT moveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT in = mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    return in;
}

}  // namespace

ControlHost::ControlHost() {
    registerClass(kHostClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    create(kHostClass, WS_EX_CONTROLPARENT, WS_POPUP | WS_CLIPCHILDREN, L"host", 40, 40, 400, 300);
    container_ = std::make_unique<rt::ControlContainer>(hwnd());
    container_->onPropertyChanged = [this](rt::UserControl& c, const std::wstring& key) {
        changes.push_back(c.AmbientDisplayName() + L":" + key);
    };
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    UpdateWindow(hwnd());
    settle(30);
}

void settle(DWORD ms) { rt::pumpMessagesFor(ms); }

void pointerTo(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    send(moveTo(p));
}

void mouseButton(DWORD flag) { send(mouse(flag)); }

void key(WORD vk, bool up) { send(rt::keyInput(vk, up)); }

void click(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    sendClick(p);
    settle();
}

void type(WORD vk) {
    key(vk, false);
    key(vk, true);
}

void sendClick(POINT screen) {
    INPUT in[3] = {moveTo(screen), mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)};
    SendInput(3, in, sizeof(INPUT));
}

}  // namespace testenv
