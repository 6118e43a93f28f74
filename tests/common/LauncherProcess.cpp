#include "common/LauncherProcess.h"

#include <functional>
#include <vector>

#include "common/ControlHost.h"

namespace testenv {
namespace {

using Match = std::function<bool(HWND)>;

// The first window an enumeration offers that `match` accepts.
struct Search {
    Match match;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    if (!s->match(hwnd)) return TRUE;
    s->found = hwnd;
    return FALSE;
}

}  // namespace

LauncherProcess::LauncherProcess() {
    std::wstring cmd = L"\"" + buildDir() + L"\\tarnwicket.exe\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    process_.reset(pi.hProcess);
    thread_.reset(pi.hThread);
    id_ = pi.dwProcessId;
}

LauncherProcess::~LauncherProcess() {
    if (started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
}

HWND LauncherProcess::anyWindow(const std::wstring& caption) const {
    Search s{[&](HWND hwnd) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        return owner == id_ && caption == text;
    }};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND LauncherProcess::window(const std::wstring& caption, DWORD timeoutMs) const {
    HWND found = nullptr;
    pumpUntil([&] { return (found = anyWindow(caption)) && IsWindowVisible(found); }, timeoutMs);
    return found && IsWindowVisible(found) ? found : nullptr;
}

bool LauncherProcess::ended() const {
    return started() && pumpUntil([&] { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }, 10000);
}

HWND childAt(HWND parent, int x, int y) {
    Search s{[&](HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
        return r.left == x && r.top == y;
    }};
    EnumChildWindows(parent, matchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::wstring textOf(HWND window) {
    std::vector<wchar_t> buf(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1);
    SendMessageW(window, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    return buf.data();
}

void typeText(const std::wstring& text) {
    for (wchar_t c : text) {
        SHORT scan = VkKeyScanW(c);
        bool shift = (scan >> 8) & 1;
        if (shift) key(VK_SHIFT, false);
        type(LOBYTE(scan));
        if (shift) key(VK_SHIFT, true);
    }
}

}  // namespace testenv
