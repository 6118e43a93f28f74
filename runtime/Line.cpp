#include "runtime/Line.h"

#include <algorithm>

#include "runtime/Handles.h"

namespace rt {

void Line::BorderColor(COLORREF colour) {
    colour_ = colour;
    invalidate();
}

RECT Line::paintArea() const {
    RECT ends = pixelRect();
    return {std::min(ends.left, ends.right), std::min(ends.top, ends.bottom), std::max(ends.left, ends.right) + 1,
            std::max(ends.top, ends.bottom) + 1};
}

void Line::paint(HDC dc) const {
    RECT ends = pixelRect();
    unique_hpen pen(CreatePen(PS_SOLID, 1, colour_));
    select_object into(dc, pen.get());
    MoveToEx(dc, ends.left, ends.top, nullptr);
    LineTo(dc, ends.right, ends.bottom);
    SetPixelV(dc, ends.right, ends.bottom, colour_);
}

}  // namespace rt
