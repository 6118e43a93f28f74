#include "runtime/CheckBox.h"

#include "runtime/RuntimeError.h"

namespace rt {

CheckBox::CheckBox(Form& form, const ControlLayout& row, const FontRef& font)
    : WindowedControl(form, row, font, L"BUTTON", WS_TABSTOP | BS_3STATE, 0) {}

void CheckBox::create() {
    WindowedControl::create();
    if (hWnd()) SendMessageW(hWnd(), BM_SETCHECK, value_, 0);
}

void CheckBox::Value(int16_t value) {
    if (value < vbUnchecked || value > vbGrayed) raiseStandard(errInvalidPropertyValue);
    if (value == value_) return;
    value_ = value;
    if (hWnd()) SendMessageW(hWnd(), BM_SETCHECK, value_, 0);
    raiseEvent(Click);
}

// A click checks an unchecked or greyed box and clears a checked one.
void CheckBox::onCommand(WORD notification) {
    if (notification == BN_CLICKED) Value(value_ == vbChecked ? vbUnchecked : vbChecked);
}

HBRUSH CheckBox::onCtlColor(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace rt
