#include "common/ControlHost.h"

#include "runtime/MessagePump.h"
#include "runtime/UserControl.h"

namespace testenv {
namespace {

const wchar_t kHostClass[] = L"tarnwicketTestControlHost";

INPUT mouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

}  // namespace

ControlHost::ControlHost(int width, int height) {
    registerClass(kHostClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    create(kHostClass, WS_EX_CONTROLPARENT, WS_POPUP | WS_CLIPCHILDREN, L"host", 40, 40, width, height);
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

ControlHost::~ControlHost() = default;

void settle(DWORD ms) { rt::pumpMessagesFor(ms); }

void pointerToScreen(POINT p) {
    SetCursorPos(p.x, p.y);
    INPUT in = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    in.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    SendInput(1, &in, sizeof in);
    settle();
}

void pointerTo(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    pointerToScreen(p);
}

void mouseButton(DWORD flag) {
    INPUT in = mouseInput(flag);
    SendInput(1, &in, sizeof in);
    settle();
}

void clickAt(HWND hwnd, int x, int y, DWORD downFlag, DWORD upFlag) {
    pointerTo(hwnd, x, y);
    mouseButton(downFlag);
    mouseButton(upFlag);
}

void key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    settle();
}

void tapKey(WORD vk) {
    key(vk, false);
    key(vk, true);
}

void altKey(WORD vk) {
    key(VK_MENU, false);
    tapKey(vk);
    key(VK_MENU, true);
}

}  // namespace testenv
