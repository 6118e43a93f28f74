#include "runtime/MessagePump.h"

#include <vector>

namespace rt {
namespace {

std::vector<MessageFilter>& filters() {
    static std::vector<MessageFilter> list;
    return list;
}

void dispatch(MSG& msg) {
    for (auto& filter : filters())
        if (filter(msg)) return;
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
