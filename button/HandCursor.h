#pragma once
// The program's hand cursor (cursor resource 101) as a picture for a
// control's custom mouse pointer.
#include "runtime/StdPicture.h"

namespace button {

constexpr int kHandCursorResource = 101;

// The program's own hand cursor; when it cannot be loaded, the system's
// hand pointer (shared, so never destroyed) stands in for it.
rt::PictureRef loadHandCursor();

}  // namespace button
