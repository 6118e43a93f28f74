#pragma once
// The outline of a button by its type: the window region with cut or
// rounded corners or an oval, and the focus rectangle inside the edge.
#include <windows.h>

#include <cstdint>

#include "runtime/Handles.h"

namespace button {

// The window region for a client area of wi x he pixels.
rt::unique_hrgn makeRegion(int32_t buttonType, int32_t wi, int32_t he);

// The focus rectangle for the client rectangle.
RECT focusRect(int32_t buttonType, RECT client);

}  // namespace button
