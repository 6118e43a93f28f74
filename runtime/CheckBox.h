#pragma once
// A check box: the platform's own box (here without text), Value 0
// unchecked, 1 checked, 2 greyed. A click of the user, or a new Value set
// by the program, raises Click. Its background and mark are drawn in the
// system's window colours.
#include <functional>

#include "runtime/WindowedControl.h"

namespace rt {

enum CheckBoxValue : int16_t { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public WindowedControl {
public:
    CheckBox(Form& form, const ControlLayout& row, const FontRef& font);

    int16_t Value() const { return value_; }
    // Outside 0 to 2: error 380.
    void Value(int16_t value);

    std::function<void()> Click;

    void create() override;
    void onCommand(WORD notification) override;
    HBRUSH onCtlColor(HDC dc) override;

private:
    int16_t value_ = vbUnchecked;
};

}  // namespace rt
