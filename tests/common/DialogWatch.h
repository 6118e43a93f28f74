#pragma once
// A test's guard against questions: a dialog box left up would hang it.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace testenv {

// Answers "cancel" to every dialog box this program shows while the watch
// lives, and counts them: a shell operation that asks must not hang the test.
class DialogWatch {
public:
    DialogWatch() : thread_([this] {
        for (; !stop_; Sleep(50)) EnumWindows(cancelOurs, reinterpret_cast<LPARAM>(this));
    }) {}
    ~DialogWatch() {
        stop_ = true;
        thread_.join();
    }
    size_t asked() {
        last_ = nullptr;
        return asked_.exchange(0);
    }

private:
    static BOOL CALLBACK cancelOurs(HWND window, LPARAM self) {
        DWORD process = 0;
        wchar_t className[8] = {};
        GetWindowThreadProcessId(window, &process);
        GetClassNameW(window, className, 8);
        auto* watch = reinterpret_cast<DialogWatch*>(self);
        if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(className) == L"#32770") {
            if (watch->last_.exchange(window) != window) ++watch->asked_;
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
        return TRUE;
    }
    std::atomic<bool> stop_{false};
    std::atomic<size_t> asked_{0};
    std::atomic<HWND> last_{nullptr};
    std::thread thread_;  // last: it starts once the rest is there
};

}  // namespace testenv
