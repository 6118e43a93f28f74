#include "runtime/TextBox.h"

#include "runtime/UserControl.h"

namespace rt {

namespace {

// The first kShownCharacters, never half of a surrogate pair.
std::wstring headOf(const std::wstring& text) {
    size_t n = TextBox::kShownCharacters;
    if (IS_HIGH_SURROGATE(text[n - 1])) --n;
    return text.substr(0, n);
}

}  // namespace

TextBox::TextBox(Form& form, const ControlLayout& row, const FontRef& font)
    : WindowedControl(form, row, font, L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE),
      lastText_(row.text),
      maxLength_(row.maxLength) {}

void TextBox::create() {
    WindowedControl::create();
    MaxLength(maxLength_);
}

std::wstring TextBox::Text() const {
    std::wstring shown = windowText();
    return longText_ && shown == longText_->head ? longText_->whole : shown;
}

// The change notification comes while the window takes the text: the whole
// text is known by then.
void TextBox::Text(const std::wstring& text) {
    if (!hWnd()) return;
    longText_.reset();
    if (text.size() > kShownCharacters) longText_ = LongText{text, headOf(text)};
    SetWindowTextW(hWnd(), longText_ ? longText_->head.c_str() : text.c_str());
}

// The limit holds for typing only; the program may set longer texts.
void TextBox::MaxLength(int characters) {
    maxLength_ = characters;
    if (hWnd()) SendMessageW(hWnd(), EM_LIMITTEXT, characters > 0 ? characters : 0, 0);
}

int TextBox::SelStart() const {
    DWORD start = 0;
    if (hWnd()) SendMessageW(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TextBox::SelStart(int position) {
    if (hWnd()) SendMessageW(hWnd(), EM_SETSEL, position, position);
}

int TextBox::SelLength() const {
    DWORD start = 0, end = 0;
    if (hWnd()) SendMessageW(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TextBox::SelLength(int characters) {
    int start = SelStart();
    if (hWnd()) SendMessageW(hWnd(), EM_SETSEL, start, start + characters);
}

// The edit box reports every assignment, even of the same text.
void TextBox::onCommand(WORD notification) {
    if (notification != EN_CHANGE) return;
    std::wstring now = Text();
    if (longText_ && now != longText_->whole) longText_.reset();
    if (now == lastText_) return;
    lastText_ = std::move(now);
    raiseEvent(Change);
}

bool TextBox::onWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CHAR) {
        result = typedKey(KeyPress, wParam, lParam);
        return true;
    }
    if (msg == WM_KEYUP) {
        int16_t code = static_cast<int16_t>(wParam), shift = shiftState();
        raiseEvent(KeyUp, code, shift);
    }
    return false;
}

}  // namespace rt
