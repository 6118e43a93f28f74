#include "runtime/Control.h"

#include "runtime/Form.h"

namespace rt {

Control::Control(Form& form, const ControlSpec& spec)
    : form_(form),
      name_(spec.name),
      index_(spec.index),
      tabIndex_(spec.tabIndex),
      left_(spec.left),
      top_(spec.top),
      width_(spec.width),
      height_(spec.height),
      visible_(spec.visible) {}

void Control::Visible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    invalidate();
}

RECT Control::pixelRect() const {
    int x = twipsToPixels(left_), y = twipsToPixels(top_);
    return {x, y, x + twipsToPixels(width_), y + twipsToPixels(height_)};
}

void Control::invalidate() const {
    RECT area = paintArea();
    if (form_.hwnd()) InvalidateRect(form_.hwnd(), &area, FALSE);
}

}  // namespace rt
