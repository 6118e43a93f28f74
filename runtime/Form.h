#pragma once
// A top-level form. Its layout is data (FormLayout: the window, its controls
// and menus, in twips); its events are member functions. Loading creates the
// window and fresh controls from the layout, binds their events
// (bindEvents) and runs Form_Load; unloading runs Form_Unload, destroys the
// window and lets the controls go once every event running has returned.
// The form draws its background picture and, over it, its windowless
// controls; it hands the notifications of its platform controls to them.
//
//   class frmDemo : public rt::Form {
//       rt::TextBox& txtIp() { return textBox(L"txtIp"); }
//       void bindEvents() override {
//           txtIp().KeyPress = [this](int16_t& KeyAscii) { txtIp_KeyPress(KeyAscii); };
//           for (int16_t i = 0; i < 8; ++i) menu(L"mnuGame", i).Click = [this, i] { mnuGame_Click(i); };
//       }
//       ...
//   };
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/CheckBox.h"
#include "runtime/ControlContainer.h"
#include "runtime/FormLayout.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/ListBox.h"
#include "runtime/MenuItem.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextBox.h"
#include "runtime/UserControlSite.h"
#include "runtime/Window.h"

namespace rt {

class Form : public Window {
public:
    explicit Form(FormLayout layout);
    ~Form() override;

    // Creates the window and the controls and runs Form_Load (once); the
    // window stays hidden. Nothing loads once an unhandled error is ending
    // the program.
    void Load();
    // Loads when needed, then shows the window, raising Show on its user
    // controls; the first control in Tab order gets the focus.
    void Show();
    // Shows the form modally: the thread's other windows take no input
    // until the form is unloaded (or hidden); then the focus goes back to
    // the window that had it. `owner` (else the active window) is the one
    // a centred form is placed over.
    void showModal(Form* owner = nullptr);
    void Hide();
    // Runs Form_Unload and destroys the window unless the event cancels.
    // A close from outside (WM_CLOSE) unloads once the form's events have
    // returned: its Form_Load, an event procedure waiting in a box.
    void Unload();
    bool isLoaded() const { return hwnd() != nullptr; }

    std::wstring caption() const;
    void setCaption(const std::wstring& text);

    // Controls by name and control-array index; a form that is not loaded
    // loads first. An unknown name: error 9.
    Control& control(const std::wstring& name, int16_t index = -1);
    Label& label(const std::wstring& name, int16_t index = -1) { return as<Label>(name, index); }
    TextBox& textBox(const std::wstring& name, int16_t index = -1) { return as<TextBox>(name, index); }
    CheckBox& checkBox(const std::wstring& name, int16_t index = -1) { return as<CheckBox>(name, index); }
    ListBox& listBox(const std::wstring& name, int16_t index = -1) { return as<ListBox>(name, index); }
    Image& image(const std::wstring& name, int16_t index = -1) { return as<Image>(name, index); }
    Line& line(const std::wstring& name, int16_t index = -1) { return as<Line>(name, index); }
    template <typename T>
    T& userControl(const std::wstring& name, int16_t index = -1) {
        return castTo<T>(&as<UserControlSite>(name, index).control());
    }
    MenuItem& menu(const std::wstring& name, int16_t index = -1);

    // Shows the entries of menu `name` as a popup at (x, y) twips in the
    // client area; the chosen entry's Click has run when this returns.
    void PopupMenu(const std::wstring& name, int xTwips, int yTwips);

    // What user controls on the form talk to (while it is loaded).
    ControlContainer& container();
    // Gives the focus back to `child` once the present focus change is over.
    void refocusLater(HWND child);
    // Draws the background and the windowless controls.
    void paintContent(HDC dc) const;

    // Forms currently loaded in this process; the message loop ends with the last.
    static int loadedForms();
    // Unloads every loaded form whatever its Form_Unload says; an error in
    // one is handed to `onError` and the next form goes all the same. With
    // `finishedLoadsOnly`, a form whose Form_Load has not returned goes
    // without its Form_Unload. A form already in its Form_Unload finishes it
    // and goes then.
    static void unloadAllForEnd(const std::function<void(std::exception_ptr)>& onError,
                                bool finishedLoadsOnly = false);

protected:
    // Binds the events of the fresh controls, before Form_Load.
    virtual void bindEvents() {}
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) {}

    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

    const FormLayout& layout() const { return layout_; }

private:
    struct Content;

    template <typename T>
    T& as(const std::wstring& name, int16_t index) {
        return castTo<T>(&control(name, index));
    }
    template <typename T, typename From>
    static T& castTo(From* object) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed) raiseStandard(errTypeMismatch);
        return *typed;
    }

    template <typename T>
    T& named(std::vector<std::unique_ptr<T>> Content::*list, const std::wstring& name, int16_t index);
    void createWindow();
    void createContent();
    void createControls();
    void createMenus();
    void placeOver(HWND owner);
    void showUserControls(bool shown);
    void focusFirstControl();
    void restoreFocus();
    void closeAfterEvents();
    void destroyWindow();
    Control* windowlessAt(POINT client) const;
    Control* controlOf(HWND child) const;
    void onPaint();
    bool onSetCursor();
    void onMouseButton(UINT msg, LPARAM lParam);
    void disableOtherWindows();
    void enableOtherWindows();

    FormLayout layout_;
    std::unique_ptr<Content> content_;
    bool unloading_ = false;
    bool loading_ = false;  // in Form_Load
    HWND lastFocus_ = nullptr;
    Control* pressed_ = nullptr;
    std::vector<HWND> disabledByModal_;
};

}  // namespace rt
