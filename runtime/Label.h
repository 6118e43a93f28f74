#pragma once
// A label: a caption drawn by its form, transparent over the form's
// background, wrapped at the label's width.
#include "runtime/Control.h"
#include "runtime/StdFont.h"

namespace rt {

class Label : public Control {
public:
    Label(Form& form, const ControlLayout& row, const FontRef& font);

    const std::wstring& Caption() const { return caption_; }
    void Caption(const std::wstring& text);
    const FontRef& Font() const { return font_; }

    void paint(HDC dc) const override;
    bool hitTest(POINT client) const override;

private:
    std::wstring caption_;
    FontRef font_;
};

}  // namespace rt
