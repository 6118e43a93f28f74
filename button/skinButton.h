#pragma once
// The skinned command button: numbered looks, colour schemes, hover and
// pressed states, check-box behaviour and its stored properties, on a
// user-control surface of its own.
#include <cstdint>
#include <functional>
#include <string>

#include "button/ButtonPainter.h"
#include "button/ButtonState.h"
#include "button/ButtonSurface.h"
#include "runtime/ChildTimer.h"
#include "runtime/UserControl.h"

namespace button {

// The events a container handles; every argument may be changed by the
// handler, and the button reads it back afterwards.
struct skinButtonEvents {
    std::function<void()> Click;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseUp;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyDown;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyUp;
    std::function<void()> MouseOver;
    std::function<void()> MouseOut;
};

class skinButton : public rt::UserControl, private ButtonSurface {
public:
    skinButton();
    ~skinButton() override;

    skinButtonEvents events;

    int32_t BackColor() const { return s_.BackColor; }
    void BackColor(int32_t theCol);
    int32_t BackOver() const { return s_.BackOver; }
    void BackOver(int32_t theCol);
    int32_t ForeColor() const { return s_.ForeColor; }
    void ForeColor(int32_t theCol);
    int32_t ForeOver() const { return s_.ForeOver; }
    void ForeOver(int32_t theCol);
    int32_t MaskColor() const { return s_.MaskColor; }
    void MaskColor(int32_t theCol);
    int32_t ButtonType() const { return s_.ButtonType; }
    void ButtonType(int32_t newValue);
    const std::wstring& Caption() const { return s_.Caption; }
    void Caption(const std::wstring& newValue);
    bool Enabled() const { return s_.Enabled; }
    void Enabled(bool newValue);
    rt::FontRef Font() const { return UserControl::Font(); }
    void Font(const rt::FontRef& newFont);
    bool FontBold() const { return UserControl::Font()->bold(); }
    void FontBold(bool newValue);
    bool FontItalic() const { return UserControl::Font()->italic(); }
    void FontItalic(bool newValue);
    bool FontUnderline() const { return UserControl::Font()->underline(); }
    void FontUnderline(bool newValue);
    int16_t FontSize() const;
    void FontSize(int16_t newValue);
    std::wstring FontName() const { return UserControl::Font()->name(); }
    void FontName(const std::wstring& newValue);
    int32_t ColorScheme() const { return s_.ColorScheme; }
    void ColorScheme(int32_t newValue);
    bool ShowFocusRect() const { return s_.ShowFocusRect; }
    void ShowFocusRect(bool newValue);
    int32_t MousePointer() const { return UserControl::MousePointer(); }
    void MousePointer(int32_t newPointer);
    rt::PictureRef MouseIcon() const { return UserControl::MouseIcon(); }
    void MouseIcon(const rt::PictureRef& newIcon);
    bool HandPointer() const { return s_.HandPointer; }
    void HandPointer(bool newVal);
    bool SoftBevel() const { return s_.SoftBevel; }
    void SoftBevel(bool newValue);
    rt::PictureRef PictureNormal() const { return s_.PictureNormal; }
    void PictureNormal(const rt::PictureRef& newPic);
    rt::PictureRef PictureOver() const { return s_.PictureOver; }
    void PictureOver(const rt::PictureRef& newPic);
    int32_t PicturePosition() const { return s_.PicturePosition; }
    void PicturePosition(int32_t newPicPos);
    bool UseMaskColor() const { return s_.UseMaskColor; }
    void UseMaskColor(bool newValue);
    bool UseGreyscale() const { return s_.UseGreyscale; }
    void UseGreyscale(bool newValue);
    int32_t SpecialEffect() const { return s_.SpecialEffect; }
    void SpecialEffect(int32_t newValue);
    bool CheckBoxBehaviour() const { return s_.CheckBoxBehaviour; }
    void CheckBoxBehaviour(bool newValue);
    bool Value() const { return s_.Value; }
    void Value(bool newValue);
    HWND hWnd() const { return hwnd(); }
    std::wstring Version() const { return L"2.0.6"; }

    void DisableRefresh();
    void Refresh();

    // For tests and diagnostics: the state record as it stands.
    const ButtonState& state() const { return s_; }

protected:
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(rt::PropertyBag& bag) override;
    void UserControl_WriteProperties(rt::PropertyBag& bag) override;
    void UserControl_Show() override;
    void UserControl_Hide() override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_MouseDown(int16_t button, int16_t shift, float x, float y) override;
    void UserControl_MouseMove(int16_t button, int16_t shift, float x, float y) override;
    void UserControl_MouseUp(int16_t button, int16_t shift, float x, float y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_AccessKeyPress(int16_t keyAscii) override;
    void UserControl_KeyDown(int16_t& keyCode, int16_t& shift) override;
    void UserControl_KeyPress(int16_t& keyAscii) override;
    void UserControl_KeyUp(int16_t& keyCode, int16_t& shift) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_AmbientChanged(const std::wstring& name) override;

private:
    friend class ButtonPersistence;

    // What the painter asks of the surface.
    HDC surfaceDC() override { return hDC(); }
    void clearSurface() override { Cls(); }
    HWND buttonWindow() const override { return hwnd(); }
    bool isDefaultButton() const override { return AmbientDisplayAsDefault(); }
    bool captionBold() const override { return FontBold(); }
    void captionBold(bool bold) override { FontBold(bold); }

    void redraw(uint8_t curState, bool force) { painter_.redraw(curState, force); }
    void setColors();
    void writeColour(int32_t& field, int32_t theCol, const wchar_t* key);
    void afterFontChange();
    void repaintWhen(bool condition, uint8_t curState);
    void setAccessKeys();
    void calcTextRects();
    void calcPicSize();
    void resizeHandling();
    void prepareCaptureSurface();
    bool captureAtFirstSize();
    void makeCaptureSurface();
    bool getParentPic();  // false when the window went meanwhile
    void releaseCaptureSurface();
    bool isMouseOver() const;
    void clickWhenLeft();
    void toggleValue();
    void OverTimer_Timer();

    ButtonState s_;
    ButtonPainter painter_;
    rt::ChildTimer OverTimer;
    bool captureOnSize_ = false;  // shown transparent without a size: capture at the first one
};

}  // namespace button
