#include "runtime/MsgBox.h"

#include <windows.h>

#include "runtime/App.h"

namespace rt {

// Without a window to be modal to, the box keeps the whole thread waiting.
int MsgBox(const std::wstring& prompt, int buttons, const std::wstring& title) {
    HWND owner = GetActiveWindow();
    UINT style = static_cast<UINT>(buttons) | (owner ? 0 : MB_TASKMODAL);
    return MessageBoxW(owner, prompt.c_str(), (title.empty() ? App::title() : title).c_str(), style);
}

}  // namespace rt
