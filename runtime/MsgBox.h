#pragma once
// Message boxes: the style number combines buttons, icon and default button
// as the platform numbers them; the result names the button chosen.
#include <string>

namespace rt {

enum VbMsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum VbMsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows the box over the active window and waits for the user; an empty
// title is the application title.
int MsgBox(const std::wstring& prompt, int buttons = vbOKOnly, const std::wstring& title = L"");

}  // namespace rt
