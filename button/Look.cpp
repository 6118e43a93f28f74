#include "button/Look.h"

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPrimitives.h"

namespace button {

uint8_t Look::hoverCaption() const { return s.isOver ? captionHover : captionUp; }

int32_t Look::shift(int32_t color, int32_t amount) const { return shiftColor(color, amount, false, s.SoftBevel); }

int32_t Look::shiftB(int32_t color, int32_t amount) const { return shiftColor(color, amount, true, s.SoftBevel); }

void Look::fill(int32_t x, int32_t y, int32_t w, int32_t h, int32_t color) const {
    drawRectangle(dc, x, y, w, h, color, false);
}

void Look::outline(int32_t x, int32_t y, int32_t w, int32_t h, int32_t color) const {
    drawRectangle(dc, x, y, w, h, color, true);
}

void Look::line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) const {
    drawLine(dc, x1, y1, x2, y2, color);
}

void Look::lines(std::initializer_list<Stroke> strokes) const {
    for (const Stroke& s : strokes) line(s.x1, s.y1, s.x2, s.y2, s.color);
}

void Look::pixel(int32_t x, int32_t y, int32_t color) const { setPixel(dc, x, y, color); }

void Look::innerCorners(int32_t color) const {
    pixel(1, 1, color);
    pixel(1, He() - 2, color);
    pixel(Wi() - 2, 1, color);
    pixel(Wi() - 2, He() - 2, color);
}

void Look::frame(int32_t c1, int32_t c2, int32_t c3, int32_t c4, int16_t inset, bool single) const {
    drawFrame(dc, s, c1, c2, c3, c4, inset, single);
}

void Look::caption(uint8_t captionState) const { drawCaption(dc, s, captionState); }

void Look::focus() const { drawFocus(dc, s); }

}  // namespace button
