#include "runtime/Control.h"

#include "runtime/Form.h"
#include "runtime/ScaleUnits.h"

namespace rt {

Control::Control(Form& form, const ControlLayout& row)
    : form_(form),
      name_(row.name),
      index_(row.index),
      tabIndex_(row.tabIndex),
      left_(row.at.left),
      top_(row.at.top),
      width_(row.at.width),
      height_(row.at.height),
      visible_(row.visible) {}

void Control::Visible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    invalidate();
}

RECT Control::pixelRect() const {
    int x = twipsToPixelsX(left_), y = twipsToPixelsY(top_);
    return {x, y, x + twipsToPixelsX(width_), y + twipsToPixelsY(height_)};
}

void Control::resize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
}

void Control::invalidate() const {
    RECT area = paintArea();
    if (form_.hwnd()) InvalidateRect(form_.hwnd(), &area, FALSE);
}

}  // namespace rt
