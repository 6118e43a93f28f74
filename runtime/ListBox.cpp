#include "runtime/ListBox.h"

#include <vector>

#include "runtime/RuntimeError.h"

namespace rt {

ListBox::ListBox(Form& form, const ControlLayout& row, const FontRef& font)
    : WindowedControl(form, row, font, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE) {}

void ListBox::AddItem(const std::wstring& item) {
    if (hWnd()) SendMessageW(hWnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::Clear() {
    if (hWnd()) SendMessageW(hWnd(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ListCount() const { return hWnd() ? static_cast<int>(SendMessageW(hWnd(), LB_GETCOUNT, 0, 0)) : 0; }

std::wstring ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) raiseStandard(errInvalidPropertyArrayIndex);
    std::vector<wchar_t> buf(static_cast<size_t>(SendMessageW(hWnd(), LB_GETTEXTLEN, index, 0)) + 1);
    SendMessageW(hWnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf.data()));
    return buf.data();
}

int ListBox::ListIndex() const { return hWnd() ? static_cast<int>(SendMessageW(hWnd(), LB_GETCURSEL, 0, 0)) : -1; }

void ListBox::ListIndex(int index) {
    if (index < -1 || index >= ListCount()) raiseStandard(errInvalidPropertyValue);
    SendMessageW(hWnd(), LB_SETCURSEL, index, 0);
}

void ListBox::onCommand(WORD notification) {
    if (notification == LBN_DBLCLK) raiseEvent(DblClick);
}

bool ListBox::onWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_CHAR) return false;
    result = typedKey(KeyPress, wParam, lParam);
    return true;
}

}  // namespace rt
