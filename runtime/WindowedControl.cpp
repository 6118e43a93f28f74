#include "runtime/WindowedControl.h"

#include "runtime/App.h"
#include "runtime/Form.h"
#include "runtime/Window.h"

namespace rt {

WindowedControl::WindowedControl(Form& form, const ControlLayout& row, const FontRef& font, const wchar_t* className,
                                 DWORD style, DWORD exStyle)
    : Control(form, row),
      className_(className),
      style_(style),
      exStyle_(exStyle),
      initialText_(row.text),
      enabled_(row.enabled),
      font_(font->clone()) {}

// Normally the window went with its form; a control removed alone takes it along.
WindowedControl::~WindowedControl() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void WindowedControl::create() {
    RECT r = pixelRect();
    DWORD style = style_ | WS_CHILD | (Visible() ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
    hwnd_ = CreateWindowExW(exStyle_, className_, initialText_.c_str(), style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, form().hwnd(), nullptr, App::hInstance(), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    platformProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowedControl::windowProc)));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->handle()), FALSE);
}

void WindowedControl::Visible(bool on) {
    Control::Visible(on);
    if (hwnd_) ShowWindow(hwnd_, on ? SW_SHOWNA : SW_HIDE);
}

void WindowedControl::Enabled(bool on) {
    enabled_ = on;
    if (hwnd_) EnableWindow(hwnd_, on);
}

// The window takes the new font before the old one may go.
void WindowedControl::Font(const FontRef& font) {
    FontRef own = font->clone();
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(own->handle()), TRUE);
    font_ = std::move(own);
}

void WindowedControl::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

LRESULT WindowedControl::typedKey(const std::function<void(int16_t& KeyAscii)>& keyPress, WPARAM wParam,
                                  LPARAM lParam) {
    int16_t key = static_cast<int16_t>(wParam);
    raiseEvent(keyPress, key);
    if (key == 0 || !hwnd_) return 0;
    return CallWindowProcW(platformProc_, hwnd_, WM_CHAR, static_cast<uint16_t>(key), lParam);
}

std::wstring WindowedControl::windowText() const {
    return hwnd_ ? rt::windowText(hwnd_) : initialText_;
}

// The focus comes back once the move is over: taking it back inside the
// focus change itself would confuse the platform.
void WindowedControl::validateLeavingFor(HWND next) {
    if (!Validate || !next || next == hwnd_ || !IsChild(form().hwnd(), next)) return;
    bool cancel = false;
    raiseEvent(Validate, cancel);
    if (cancel && hwnd_) form().refocusLater(hwnd_);
}

// The platform's own procedure of the window runs after the control's
// handling; the window gets it back when it goes.
LRESULT CALLBACK WindowedControl::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowedControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC platform = self->platformProc_;
    EventScope scope(hwnd);  // the control lives until this returns
    LRESULT result = 0;
    bool handled = false;
    atEventBoundary([&] {
        if (msg == WM_KILLFOCUS) self->validateLeavingFor(reinterpret_cast<HWND>(wParam));
        handled = self->onWindowMessage(msg, wParam, lParam, result);
    });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(platform));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    // A handler may have unloaded the form, and the window with it.
    if (handled || !IsWindow(hwnd)) return result;
    return CallWindowProcW(platform, hwnd, msg, wParam, lParam);
}

}  // namespace rt
