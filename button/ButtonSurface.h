#pragma once
// What a paint needs of the button beyond its state record: the surface it
// draws on, the container's say on the default button, and the caption's
// bold attribute set through the property (type 14 makes its caption bold
// on the default button). Tests and benchmarks paint on memory surfaces.
#include <windows.h>

namespace button {

class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;
    // The drawing surface, with the caption font selected.
    virtual HDC surfaceDC() = 0;
    virtual void clearSurface() = 0;
    // The button's window (the container colour scheme reads its parent).
    virtual HWND buttonWindow() const = 0;
    virtual bool isDefaultButton() const = 0;
    virtual bool captionBold() const = 0;
    // As the FontBold property: re-measures the caption and asks for a paint.
    virtual void captionBold(bool bold) = 0;
};

}  // namespace button
