#include "button/HandCursor.h"

#include "runtime/App.h"

namespace button {

rt::PictureRef loadHandCursor() {
    auto own = static_cast<HCURSOR>(LoadImageW(rt::App::hInstance(), MAKEINTRESOURCEW(kHandCursorResource),
                                               IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    if (own) return rt::StdPicture::fromCursor(own);
    HCURSOR system = LoadCursorW(nullptr, IDC_HAND);
    return rt::StdPicture::fromCursor(system ? system : LoadCursorW(nullptr, IDC_ARROW), false);
}

}  // namespace button
