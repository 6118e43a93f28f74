#pragma once
// The surface of a user control: a child window of its container that keeps
// its picture in a memory bitmap of its own (WM_PAINT copies it to the
// screen), with a font, an enabled flag, a mouse pointer and access keys,
// and that turns the window's messages into the control's event procedures.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/ControlContainer.h"
#include "runtime/Handles.h"
#include "runtime/PropertyBag.h"
#include "runtime/StdFont.h"
#include "runtime/StdPicture.h"
#include "runtime/Window.h"

namespace rt {

// Mouse button and shift-key values of the mouse and key events.
enum MouseButtons : int16_t { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftKeys : int16_t { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };
// The shift keys held now, as the key events report them.
int16_t shiftState();
// Mouse pointer numbers the surface knows.
enum MousePointers : int16_t { vbDefault = 0, vbArrow = 1, vbCustom = 99 };

class UserControl : public Window {
public:
    UserControl();
    ~UserControl() override;

    // Places a new instance: Initialize, InitProperties (or ReadProperties
    // when a stored form is given), then the size (Resize); it stays hidden
    // until show(). `name` is the container's display name for it.
    void place(ControlContainer& container, const std::wstring& name, RECT bounds,
               const PropertyBag* stored = nullptr);
    // Saves the instance (WriteProperties).
    void save(PropertyBag& bag);
    // Visibility, with the Show and Hide events.
    void show();
    void hide();
    bool visible() const;
    // Moves and sizes the window in container pixels (Resize when the size changes).
    void move(RECT bounds);
    // Ends the instance: Terminate, then the window goes. Runs once.
    void terminate();

    // The surface.
    HDC hDC();
    void Cls();
    // Copies the surface to the screen now.
    void Refresh();
    COLORREF surfaceBackColor() const { return backColor_; }
    // Surface size in pixels and the container's idea of its position.
    int ScaleWidth() const;
    int ScaleHeight() const;
    POINT positionInContainer() const;
    // Height in pixels (a height change raises Resize like any other).
    void setHeight(int pixels);

    const FontRef& Font() const { return font_; }
    void setFont(const FontRef& font);  // keeps a copy of its own
    void fontChanged();                 // after the font's attributes changed
    bool Enabled() const;
    void setEnabled(bool on);
    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t number);
    const PictureRef& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(PictureRef picture);
    const std::wstring& AccessKeys() const { return accessKeys_; }
    void setAccessKeys(std::wstring keys);

    // The container's ambient values.
    bool AmbientUserMode() const;
    std::wstring AmbientDisplayName() const { return displayName_; }
    FontRef AmbientFont() const;
    bool AmbientDisplayAsDefault() const;

    // Tells the container that the property stored under `key` changed.
    void PropertyChanged(const std::wstring& key);
    ControlContainer* container() const { return container_; }

    // Called by the container and the keyboard handling of the message loop.
    void raiseAmbientChanged(const std::wstring& name) { UserControl_AmbientChanged(name); }
    void raiseAccessKeyPress(int16_t keyAscii);
    void containerGone() { container_ = nullptr; }
    // The live control owning a window, if any.
    static UserControl* fromWindow(HWND hwnd);

protected:
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& bag) {}
    virtual void UserControl_WriteProperties(PropertyBag& bag) {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Hide() {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_MouseDown(int16_t button, int16_t shift, float x, float y) {}
    virtual void UserControl_MouseMove(int16_t button, int16_t shift, float x, float y) {}
    virtual void UserControl_MouseUp(int16_t button, int16_t shift, float x, float y) {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_AccessKeyPress(int16_t keyAscii) {}
    virtual void UserControl_KeyDown(int16_t& keyCode, int16_t& shift) {}
    virtual void UserControl_KeyPress(int16_t& keyAscii) {}
    virtual void UserControl_KeyUp(int16_t& keyCode, int16_t& shift) {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_AmbientChanged(const std::wstring& name) {}

    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void createWindow(HWND parent);
    void resizeSurface(int width, int height);
    void selectFont();
    void onButtonDown(int16_t button, LPARAM lParam, WPARAM keys);
    void onButtonUp(int16_t button, LPARAM lParam, WPARAM keys);
    void onMouseMove(LPARAM lParam, WPARAM keys);
    void onPaint();
    bool onSetCursor(LPARAM lParam);
    void endInstance();

    ControlContainer* container_ = nullptr;
    std::wstring displayName_;
    bool terminated_ = false;
    bool sited_ = false;

    unique_hdc surface_;
    unique_hbitmap surfaceBitmap_;
    HGDIOBJ initialBitmap_ = nullptr;
    HGDIOBJ initialFont_ = nullptr;
    SIZE surfaceSize_{0, 0};
    COLORREF backColor_;

    FontRef font_;
    uint32_t selectedFontVersion_ = 0;
    const StdFont* selectedFont_ = nullptr;
    int16_t mousePointer_ = vbDefault;
    PictureRef mouseIcon_;
    std::wstring accessKeys_;

    int16_t pressedButton_ = 0;  // the button whose release may make a click
};

}  // namespace rt
