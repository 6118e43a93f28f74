#pragma once
// The drawing vocabulary of the looks: one paint's device context, button
// and look state, with the shapes and shades named as the looks use them.
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "button/ButtonState.h"
#include "button/ButtonSurface.h"

namespace button {

enum class LookState : uint8_t { up, down, disabled };

// One line of a look, from (x1, y1) to (x2, y2), end pixel excluded.
struct Stroke {
    int32_t x1, y1, x2, y2, color;
};

struct Look {
    HDC dc;
    ButtonState& s;
    ButtonSurface& surface;
    LookState state;

    const ColorSet& c() const { return s.colors; }
    int32_t Wi() const { return s.Wi; }
    int32_t He() const { return s.He; }
    // The caption state of the up look: hovered or not.
    uint8_t hoverCaption() const;

    int32_t shift(int32_t color, int32_t amount) const;
    int32_t shiftB(int32_t color, int32_t amount) const;  // blue moves in proportion to itself

    void fill(int32_t x, int32_t y, int32_t w, int32_t h, int32_t color) const;
    void outline(int32_t x, int32_t y, int32_t w, int32_t h, int32_t color) const;
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) const;
    void lines(std::initializer_list<Stroke> strokes) const;
    void pixel(int32_t x, int32_t y, int32_t color) const;
    // The pixels just inside the corners of the outermost ring.
    void innerCorners(int32_t color) const;
    void frame(int32_t c1, int32_t c2, int32_t c3, int32_t c4, int16_t inset, bool single) const;
    void caption(uint8_t captionState) const;
    void focus() const;
};

}  // namespace button
