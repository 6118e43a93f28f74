#include "runtime/ControlNavigation.h"

#include <cwctype>

#include "runtime/MessagePump.h"
#include "runtime/UserControl.h"

namespace rt {
namespace {

bool isChildWindow(HWND hwnd) { return hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD); }

bool wants(HWND hwnd, UINT code) { return (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & code) != 0; }

bool moveFocus(const MSG& msg) {
    if (!isChildWindow(msg.hwnd) || wants(msg.hwnd, DLGC_WANTTAB)) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    bool backwards = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(root, msg.hwnd, backwards);
    if (next && next != msg.hwnd) SetFocus(next);
    return true;
}

struct AccessKeySearch {
    HWND root;
    wchar_t key;
    UserControl* found;
};

BOOL CALLBACK findAccessKey(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<AccessKeySearch*>(param);
    UserControl* c = UserControl::fromWindow(hwnd);
    if (!c || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
    if (c->AccessKeys().find(search->key) == std::wstring::npos) return TRUE;
    search->found = c;
    return FALSE;
}

bool accessKey(const MSG& msg) {
    if (!msg.hwnd) return false;
    AccessKeySearch search{GetAncestor(msg.hwnd, GA_ROOT), static_cast<wchar_t>(towlower(static_cast<wint_t>(msg.wParam))),
                           nullptr};
    EnumChildWindows(search.root, findAccessKey, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    search.found->raiseAccessKeyPress(static_cast<int16_t>(msg.wParam));
    return true;
}

}  // namespace

bool handleControlNavigation(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN: return msg.wParam == VK_TAB && moveFocus(msg);
        case WM_SYSCHAR: return accessKey(msg);
        case WM_CHAR:
            return isChildWindow(msg.hwnd) && msg.wParam > L' ' && !wants(msg.hwnd, DLGC_WANTCHARS | DLGC_WANTALLKEYS) &&
                   accessKey(msg);
    }
    return false;
}

void installControlNavigation() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    addMessageFilter(handleControlNavigation);
}

}  // namespace rt
