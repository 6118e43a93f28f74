#include "runtime/MessagePump.h"

#include <vector>

#include "runtime/EventBoundary.h"

namespace rt {
namespace {

std::vector<MessageFilter>& filters() {
    static std::vector<MessageFilter> list;
    return list;
}

// What a filter does (an access key's Click) is an event of the message's window.
bool filtered(MSG& msg) {
    EventScope scope(msg.hwnd);
    bool handled = false;
    atEventBoundary([&] {
        for (auto& filter : filters())
            if ((handled = filter(msg))) return;
    });
    return handled;
}

void dispatch(MSG& msg) {
    if (filtered(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void addMessageFilter(MessageFilter filter) { filters().push_back(std::move(filter)); }

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatch(msg);
    }
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(msg);
    return static_cast<int>(msg.wParam);
}

bool runMessageLoopWhile(const std::function<bool()>& keepRunning) {
    MSG msg;
    while (keepRunning()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
        if (got <= 0) return false;
        dispatch(msg);
    }
    return true;
}

void pumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        DoEvents();
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

}  // namespace rt
