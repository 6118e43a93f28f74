#pragma once
// A control that is one of the platform's own child windows (an edit box, a
// check box, a list box), so that screen readers and automation see it for
// what it is. It keeps its own font for as long as its window lives, and
// sees its window's messages before the platform's handling does.
#include <functional>

#include "runtime/Control.h"
#include "runtime/StdFont.h"

namespace rt {

class WindowedControl : public Control {
public:
    ~WindowedControl() override;

    HWND hWnd() const override { return hwnd_; }
    using Control::Visible;
    void Visible(bool on) override;
    bool Enabled() const { return enabled_; }
    void Enabled(bool on);
    const FontRef& Font() const { return font_; }
    void Font(const FontRef& font);
    void SetFocus();

    // Raised when the focus is about to move to another control of the
    // form; Cancel keeps it here.
    std::function<void(bool& Cancel)> Validate;

    // The window keeps the form's Tab order: the form creates the windows in it.
    void create() override;

protected:
    WindowedControl(Form& form, const ControlLayout& row, const FontRef& font, const wchar_t* className, DWORD style,
                    DWORD exStyle);

    // The control's own handling of a message of its window; true when the
    // platform's handling is not to see it (`result` is the answer then).
    virtual bool onWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
    // A typed character: KeyPress first, then the platform gets the key the
    // handler left (nothing when it made it 0).
    LRESULT typedKey(const std::function<void(int16_t& KeyAscii)>& keyPress, WPARAM wParam, LPARAM lParam);
    // Text of the window.
    std::wstring windowText() const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void validateLeavingFor(HWND next);

    const wchar_t* className_;
    DWORD style_, exStyle_;
    std::wstring initialText_;
    HWND hwnd_ = nullptr;
    WNDPROC platformProc_ = nullptr;  // the window's procedure before the control took it
    bool enabled_;
    FontRef font_;
};

}  // namespace rt
