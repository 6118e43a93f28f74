#include "common/ButtonRecorder.h"

namespace testenv {

ButtonRecorder::ButtonRecorder(button::skinButton& b) : b_(b) {
    auto mouse = [this](const wchar_t* name) {
        return [this, name](int16_t& button, int16_t& shift, float&, float&) {
            add(std::wstring(name) + L" " + std::to_wstring(button) + L" " + std::to_wstring(shift));
        };
    };
    b.events.Click = [this] { add(L"Click"); };
    b.events.MouseDown = mouse(L"MouseDown");
    b.events.MouseUp = mouse(L"MouseUp");
    b.events.MouseMove = [this, m = mouse(L"MouseMove")](int16_t& button, int16_t& shift, float& x, float& y) {
        if (withMoves) m(button, shift, x, y);
    };
    b.events.MouseOver = [this] { add(L"MouseOver"); };
    b.events.MouseOut = [this] { add(L"MouseOut"); };
    b.events.KeyDown = [this](int16_t& code, int16_t&) { add(L"KeyDown " + std::to_wstring(code)); };
    b.events.KeyUp = [this](int16_t& code, int16_t&) { add(L"KeyUp " + std::to_wstring(code)); };
    b.events.KeyPress = [this](int16_t& ascii) { add(L"KeyPress " + std::to_wstring(ascii)); };
}

void ButtonRecorder::add(const std::wstring& what) {
    log.push_back(what + L" [" + std::to_wstring(b_.state().lastState) + L"]");
}

}  // namespace testenv
