#pragma once
// Keyboard handling between the controls of a window, run by the message
// loop before a key reaches the focused control: Tab and Shift+Tab move the
// focus along the Tab order; a control's access key, pressed with Alt (or
// alone while the focused control takes no characters), reaches that control.
#include <windows.h>

namespace rt {

// Installs the handling in the message loop (once; later calls do nothing).
void installControlNavigation();

// What the message loop calls for each message; true when it was handled.
bool handleControlNavigation(MSG& msg);

// A character typed in `from`, taken as an access key of a control of its
// window; true when a control had it. User controls call it themselves with
// the character their KeyPress handler left.
bool pressAccessKey(HWND from, wchar_t key);

}  // namespace rt
