#include "runtime/ControlNavigation.h"

#include "runtime/CharCase.h"
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

bool accessKey(const MSG& msg) { return pressAccessKey(msg.hwnd, static_cast<wchar_t>(msg.wParam)); }

}  // namespace

bool pressAccessKey(HWND from, wchar_t key) {
    if (!from) return false;
    AccessKeySearch search{GetAncestor(from, GA_ROOT), lowerCaseChar(key), nullptr};
    EnumChildWindows(search.root, findAccessKey, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    search.found->raiseAccessKeyPress(static_cast<int16_t>(key));
    return true;
}

bool handleControlNavigation(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN: return msg.wParam == VK_TAB && moveFocus(msg);
        case WM_SYSCHAR: return accessKey(msg);
        // A user control sees its characters (KeyPress) before they count as access keys.
        case WM_CHAR:
            return isChildWindow(msg.hwnd) && msg.wParam > L' ' && !UserControl::fromWindow(msg.hwnd) &&
                   !wants(msg.hwnd, DLGC_WANTCHARS | DLGC_WANTALLKEYS) && accessKey(msg);
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
