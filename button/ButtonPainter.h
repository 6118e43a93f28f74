#pragma once
// The paint cycle of a button: decides whether a paint is due, clears the
// surface and paints the face, the look of the button's type and the
// pictures in the colours of the moment (the hover colours of a
// custom-coloured button included).
#include <cstdint>

#include "button/ButtonState.h"
#include "button/ButtonSurface.h"
#include "button/Look.h"

namespace button {

// The states a paint is asked for.
enum PaintState : uint8_t { stateUp = 0, stateDown = 2 };

class ButtonPainter {
public:
    ButtonPainter(ButtonState& state, ButtonSurface& surface) : s_(state), surface_(surface) {}

    // curState stateUp (the hover look while the pointer is over the button)
    // or stateDown; without force, a paint of the state and caption last
    // painted is skipped.
    void redraw(uint8_t curState, bool force);

private:
    bool skipped(uint8_t curState, bool force) const;
    bool hoverColours() const;
    void paint(uint8_t curState);
    LookState lookState(uint8_t curState) const;

    ButtonState& s_;
    ButtonSurface& surface_;
};

}  // namespace button
