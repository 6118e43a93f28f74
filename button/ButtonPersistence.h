#pragma once
// The stored form of a button: its 23 keyed values read from and written to
// the property bag of its window's description, in one fixed order.
#include "runtime/PropertyBag.h"

namespace button {

class skinButton;

class ButtonPersistence {
public:
    // Loads a stored button; values go straight to the fields (only the hand
    // pointer runs its property write). Nothing is painted.
    static void read(skinButton& button, rt::PropertyBag& bag);
    // Saves every key with its current value.
    static void write(skinButton& button, rt::PropertyBag& bag);
};

}  // namespace button
