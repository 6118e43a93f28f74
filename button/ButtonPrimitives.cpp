#include "button/ButtonPrimitives.h"

#include <cstdlib>

#include "runtime/Handles.h"

namespace button {
namespace {

COLORREF rgb(int32_t color) { return static_cast<COLORREF>(color); }

rt::unique_hpen solidPen(int width, int32_t color) { return rt::unique_hpen(CreatePen(PS_SOLID, width, rgb(color))); }

// A run of pens on one context: each new pen replaces (and deletes) the one
// before; at the end the context gets back the pen it had at the start.
class PenRun {
public:
    explicit PenRun(HDC dc) : dc_(dc) {}
    PenRun(const PenRun&) = delete;
    PenRun& operator=(const PenRun&) = delete;
    ~PenRun() {
        if (pen_) SelectObject(dc_, original_);
    }
    void use(int32_t color) {
        rt::unique_hpen pen = solidPen(1, color);
        HGDIOBJ previous = SelectObject(dc_, pen.get());
        if (!pen_) original_ = previous;
        pen_ = std::move(pen);
    }

private:
    HDC dc_;
    HGDIOBJ original_ = nullptr;
    rt::unique_hpen pen_;
};

}  // namespace

void drawRectangle(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, int32_t color, bool frameOnly) {
    rt::unique_hbrush brush(CreateSolidBrush(rgb(color)));
    RECT r{x, y, x + w, y + h};
    if (frameOnly)
        FrameRect(hDC, &r, brush.get());
    else
        FillRect(hDC, &r, brush.get());
}

void drawEllipse(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, int32_t borderColor, int32_t fillColor) {
    rt::unique_hbrush brush(CreateSolidBrush(rgb(fillColor)));
    rt::select_object brushIn(hDC, brush.get());
    rt::unique_hpen pen = solidPen(2, borderColor);
    rt::select_object penIn(hDC, pen.get());
    Ellipse(hDC, x, y, x + w, y + h);
}

void drawLine(HDC hDC, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) {
    rt::unique_hpen pen = solidPen(1, color);
    rt::select_object penIn(hDC, pen.get());
    MoveToEx(hDC, x1, y1, nullptr);
    LineTo(hDC, x2, y2);
}

// The bottom edges are drawn leftward through column a, so that the start
// of the outer ring (a, B) ends in c2.
void drawFrame(HDC hDC, const ButtonState& s, int32_t c1, int32_t c2, int32_t c3, int32_t c4, int16_t inset,
               bool single) {
    const int32_t a = std::abs(inset), r = s.Wi - 1 + inset, b = s.He - 1 + inset;
    PenRun pens(hDC);
    pens.use(c1);
    MoveToEx(hDC, a, b, nullptr);
    LineTo(hDC, a, a);
    LineTo(hDC, r, a);
    pens.use(c2);
    LineTo(hDC, r, b);
    LineTo(hDC, a - 1, b);
    MoveToEx(hDC, a + 1, b - 1, nullptr);
    if (single) return;
    pens.use(c3);
    LineTo(hDC, a + 1, a + 1);
    LineTo(hDC, r - 1, a + 1);
    pens.use(c4);
    LineTo(hDC, r - 1, b - 1);
    LineTo(hDC, a, b - 1);
}

void setPixel(HDC hDC, int32_t x, int32_t y, int32_t color) { SetPixelV(hDC, x, y, rgb(color)); }

void drawFocus(HDC hDC, const ButtonState& s) {
    if (!s.ShowFocusRect || !s.hasFocus) return;
    SetTextColor(hDC, rgb(s.colors.cText));
    DrawFocusRect(hDC, &s.rcFocus);
}

}  // namespace button
