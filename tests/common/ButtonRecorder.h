#pragma once
// Records a skinButton's events as text, each with the look the button had
// painted last when the event came ("MouseUp 1 [2]": the pressed look was on).
#include <string>
#include <vector>

#include "button/skinButton.h"

namespace testenv {

class ButtonRecorder {
public:
    explicit ButtonRecorder(button::skinButton& b);
    std::vector<std::wstring> log;
    // Mouse moves are many: recorded only when asked for.
    bool withMoves = false;

private:
    void add(const std::wstring& what);
    button::skinButton& b_;
};

}  // namespace testenv
