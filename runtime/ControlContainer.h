#pragma once
// What a window offers the user controls placed on it: the window they live
// in, the ambient values they may inherit (design or run mode, font, which
// control is the default button) and the notifications between them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/StdFont.h"

namespace rt {

class UserControl;

class ControlContainer {
public:
    explicit ControlContainer(HWND window);
    // Controls that outlive their container stop talking to it.
    ~ControlContainer();
    ControlContainer(const ControlContainer&) = delete;
    ControlContainer& operator=(const ControlContainer&) = delete;

    HWND window() const { return window_; }

    // False while the container is a window designer, not a running program.
    bool UserMode() const { return userMode_; }
    void setUserMode(bool running);
    // The font a newly placed control starts with.
    const FontRef& Font() const { return font_; }
    void setFont(FontRef font);
    // The control that is the window's default button (none: nullptr).
    UserControl* defaultControl() const { return default_; }
    void setDefaultControl(UserControl* control);

    // Called by each control whose keyed property was written.
    std::function<void(UserControl&, const std::wstring& key)> onPropertyChanged;

    // Controls announce themselves while they exist.
    void add(UserControl& control);
    void remove(UserControl& control);
    void propertyChanged(UserControl& control, const std::wstring& key);

private:
    void ambientChanged(const std::wstring& name);

    HWND window_;
    bool userMode_ = true;
    FontRef font_;
    UserControl* default_ = nullptr;
    std::vector<UserControl*> controls_;
};

}  // namespace rt
