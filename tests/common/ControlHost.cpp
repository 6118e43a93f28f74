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

void sendMouse(LONG dx, LONG dy, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    send(in);
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
    SetCursorPos(p.x, p.y);
    sendMouse(MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1,
              MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
}

void mouseButton(DWORD flag) { sendMouse(0, 0, flag); }

void key(WORD vk, bool up) { send(rt::keyInput(vk, up)); }

}  // namespace testenv
