#pragma once
// A line drawn by its form, one pixel wide, both end points included.
#include "runtime/Control.h"

namespace rt {

class Line : public Control {
public:
    Line(Form& form, const ControlLayout& row) : Control(form, row), colour_(row.lineColor) {}

    COLORREF BorderColor() const { return colour_; }
    void BorderColor(COLORREF colour);

    void paint(HDC dc) const override;
    // pixelRect holds the ends; this is the box they span.
    RECT paintArea() const override;

private:
    COLORREF colour_;
};

}  // namespace rt
