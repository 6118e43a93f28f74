#pragma once
// The keystroke queue: named keys given as text ("{Tab}"; "+{Tab}" for
// Shift+Tab, "^" Ctrl and "%" Alt likewise) go into the system's input queue
// as if typed; the call does not wait for them to be handled.
#include <windows.h>

#include <string>

namespace rt {

void SendKeys(const std::wstring& keys);

// One key going down or up, as the input queue takes it.
INPUT keyInput(WORD vk, bool up);

}  // namespace rt
