#include "runtime/Label.h"

#include "runtime/Handles.h"

namespace rt {

Label::Label(Form& form, const ControlLayout& row, const FontRef& font)
    : Control(form, row), caption_(row.text), font_(font->clone()) {}

void Label::Caption(const std::wstring& text) {
    if (caption_ == text) return;
    caption_ = text;
    invalidate();
}

void Label::paint(HDC dc) const {
    RECT r = pixelRect();
    select_object font(dc, font_->handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_LEFT | DT_TOP | DT_WORDBREAK);
}

bool Label::hitTest(POINT client) const {
    RECT r = pixelRect();
    return Visible() && PtInRect(&r, client);
}

}  // namespace rt
