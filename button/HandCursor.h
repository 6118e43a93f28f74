#pragma once
// The program's hand cursor as a picture for a control's custom mouse
// pointer.
#include "resources/ResourceIds.h"
#include "runtime/StdPicture.h"

namespace button {

constexpr int kHandCursorResource = IDC_HAND_POINTER;

// The program's own hand cursor; when it cannot be loaded, the system's
// hand pointer (shared, so never destroyed) stands in for it.
rt::PictureRef loadHandCursor();

}  // namespace button
