#pragma once
// An image: a picture drawn by its form at the image's top left corner, at
// the picture's own size, with Click and a mouse pointer of its own. It does
// not stretch: with a picture, it takes the picture's size.
#include <functional>

#include "runtime/Control.h"
#include "runtime/StdPicture.h"

namespace rt {

class Image : public Control {
public:
    Image(Form& form, const ControlLayout& row);

    const PictureRef& Picture() const { return picture_; }
    void Picture(PictureRef picture);
    int16_t MousePointer() const { return mousePointer_; }
    void MousePointer(int16_t number) { mousePointer_ = number; }
    const PictureRef& MouseIcon() const { return mouseIcon_; }
    void MouseIcon(PictureRef icon) { mouseIcon_ = std::move(icon); }

    std::function<void()> Click;

    void paint(HDC dc) const override;
    bool hitTest(POINT client) const override;
    void raiseClick() override { raiseEvent(Click); }
    HCURSOR cursor() const override;
    // The image's rectangle and the picture's, which may be larger.
    RECT paintArea() const override;

private:
    void fitPicture();

    PictureRef picture_;
    int16_t mousePointer_;
    PictureRef mouseIcon_;
};

// Draws a picture with its top left corner at (x, y); icons keep their mask.
void drawPicture(HDC dc, const StdPicture& picture, int x, int y);

}  // namespace rt
