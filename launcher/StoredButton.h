#pragma once
// The stored form of the six skinned buttons of the main window and the IP
// dialog: all keep the same values but for caption, picture, size and, on
// one of them, two colours.
#include <string>

#include "runtime/PropertyBag.h"

namespace StoredButton {

// The property bag of the button `name` ("cmdStart", "cmdOk", ...), keys in
// lower case as the windows store them.
rt::PropertyBag bag(const std::wstring& name);

}  // namespace StoredButton
