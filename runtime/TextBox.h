#pragma once
// A single-line text box: the platform's edit box, with Change raised only
// when the text really changed, KeyPress with a key code the handler may
// replace (or cancel with 0), and a limit for typed text.
//
// A text longer than kShownCharacters is shown by its head only: Wine's edit
// box takes seconds for each layout of a long run of digits, and no box
// shows that much. The whole text stays the box's text until the head is
// edited; from then on the box holds what it shows.
#include <functional>
#include <optional>

#include "runtime/WindowedControl.h"

namespace rt {

class TextBox : public WindowedControl {
public:
    TextBox(Form& form, const ControlLayout& row, const FontRef& font);

    static constexpr size_t kShownCharacters = 1024;

    std::wstring Text() const;
    void Text(const std::wstring& text);
    int MaxLength() const { return maxLength_; }
    void MaxLength(int characters);
    int SelStart() const;
    void SelStart(int position);
    int SelLength() const;
    void SelLength(int characters);

    std::function<void()> Change;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyUp;

    void create() override;
    void onCommand(WORD notification) override;

protected:
    bool onWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct LongText {
        std::wstring whole, head;
    };

    std::wstring lastText_;
    std::optional<LongText> longText_;  // while the box shows the head of it
    int maxLength_;
};

}  // namespace rt
