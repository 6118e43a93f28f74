#include "button/skinButton.h"

#include "button/AccessKey.h"
#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPersistence.h"
#include "button/ButtonPictures.h"
#include "button/ButtonRegion.h"
#include "button/HandCursor.h"
#include "runtime/EventBoundary.h"
#include "runtime/MessagePump.h"
#include "runtime/RuntimeError.h"
#include "runtime/SendKeys.h"
#include "runtime/Variant.h"

namespace button {
namespace {

constexpr int16_t kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

template <typename Handler, typename... Args>
void raise(const Handler& handler, Args&... args) {
    if (handler) handler(args...);
}

// Steps whose failure is of no consequence run on after it.
template <typename Step>
void ignoringErrors(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

// Until it is placed, the font properties work on a font of the button's own.
skinButton::skinButton() : painter_(s_, *this), OverTimer([this] { OverTimer_Timer(); }, 3) { setFont(nullptr); }

skinButton::~skinButton() { terminate(); }

// ---- properties ----

// In design mode the normal colours also set the hover colours.
void skinButton::BackColor(int32_t theCol) {
    if (!AmbientUserMode()) s_.BackOver = theCol;
    writeColour(s_.BackColor, theCol, L"BCOL");
}

void skinButton::BackOver(int32_t theCol) { writeColour(s_.BackOver, theCol, L"BCOLO"); }

void skinButton::ForeColor(int32_t theCol) {
    if (!AmbientUserMode()) s_.ForeOver = theCol;
    writeColour(s_.ForeColor, theCol, L"FCOL");
}

void skinButton::ForeOver(int32_t theCol) { writeColour(s_.ForeOver, theCol, L"FCOLO"); }

void skinButton::MaskColor(int32_t theCol) { writeColour(s_.MaskColor, theCol, L"MCOL"); }

void skinButton::ButtonType(int32_t newValue) {
    rt::EventScope hold;  // see getParentPic
    s_.ButtonType = newValue;
    if (newValue == 5 && !AmbientUserMode()) {
        UserControl::Font()->setBold(true);
        fontChanged();
    } else if (newValue == 11 && s_.refreshOn) {
        if (!getParentPic()) return;
    }
    resizeHandling();
    PropertyChanged(L"BTYPE");
}

void skinButton::Caption(const std::wstring& newValue) {
    s_.Caption = newValue;
    setAccessKeys();
    calcTextRects();
    redraw(stateUp, true);
    PropertyChanged(L"TX");
}

void skinButton::Enabled(bool newValue) {
    s_.Enabled = newValue;
    redraw(stateUp, true);
    setEnabled(newValue);
    PropertyChanged(L"ENAB");
}

void skinButton::Font(const rt::FontRef& newFont) {
    setFont(newFont);
    afterFontChange();
    PropertyChanged(L"FONT");
}

void skinButton::FontBold(bool newValue) {
    UserControl::Font()->setBold(newValue);
    afterFontChange();
}

void skinButton::FontItalic(bool newValue) {
    UserControl::Font()->setItalic(newValue);
    afterFontChange();
}

void skinButton::FontUnderline(bool newValue) {
    UserControl::Font()->setUnderline(newValue);
    afterFontChange();
}

// A size beyond 16 bits overflows as the conversion to an Integer does.
int16_t skinButton::FontSize() const { return rt::Variant(UserControl::Font()->size()).toInteger(); }

void skinButton::FontSize(int16_t newValue) {
    UserControl::Font()->setSize(newValue);
    afterFontChange();
}

void skinButton::FontName(const std::wstring& newValue) {
    UserControl::Font()->setName(newValue);
    afterFontChange();
}

void skinButton::ColorScheme(int32_t newValue) {
    s_.ColorScheme = newValue;
    setColors();
    redraw(stateUp, true);
    PropertyChanged(L"COLTYPE");
}

void skinButton::ShowFocusRect(bool newValue) {
    s_.ShowFocusRect = newValue;
    redraw(s_.lastState, true);
    PropertyChanged(L"FOCUSR");
}

void skinButton::MousePointer(int32_t newPointer) {
    if (newPointer < -32768 || newPointer > 32767) rt::raiseStandard(rt::errOverflow);
    setMousePointer(static_cast<int16_t>(newPointer));
    PropertyChanged(L"MPTR");
}

void skinButton::MouseIcon(const rt::PictureRef& newIcon) {
    ignoringErrors([&] { setMouseIcon(newIcon); });
    PropertyChanged(L"MICON");
}

void skinButton::HandPointer(bool newVal) {
    s_.HandPointer = newVal;
    setMouseIcon(newVal ? loadHandCursor() : nullptr);
    setMousePointer(newVal ? rt::vbCustom : rt::vbArrow);
    PropertyChanged(L"HAND");
}

void skinButton::SoftBevel(bool newValue) {
    s_.SoftBevel = newValue;
    setColors();
    redraw(s_.lastState, true);
    PropertyChanged(L"SOFT");
}

void skinButton::PictureNormal(const rt::PictureRef& newPic) {
    s_.PictureNormal = newPic;
    calcPicSize();
    calcTextRects();
    redraw(s_.lastState, true);
    PropertyChanged(L"PICN");
}

void skinButton::PictureOver(const rt::PictureRef& newPic) {
    s_.PictureOver = newPic;
    repaintWhen(s_.isOver, s_.lastState);
    PropertyChanged(L"PICH");
}

void skinButton::PicturePosition(int32_t newPicPos) {
    s_.PicturePosition = newPicPos;
    PropertyChanged(L"PICPOS");
    calcTextRects();
    redraw(s_.lastState, true);
}

void skinButton::UseMaskColor(bool newValue) {
    s_.UseMaskColor = newValue;
    repaintWhen(s_.PictureNormal != nullptr, s_.lastState);
    PropertyChanged(L"UMCOL");
}

void skinButton::UseGreyscale(bool newValue) {
    s_.UseGreyscale = newValue;
    repaintWhen(s_.PictureNormal != nullptr, s_.lastState);
    PropertyChanged(L"NGREY");
}

void skinButton::SpecialEffect(int32_t newValue) {
    s_.SpecialEffect = newValue;
    redraw(s_.lastState, true);
    PropertyChanged(L"FX");
}

void skinButton::CheckBoxBehaviour(bool newValue) {
    s_.CheckBoxBehaviour = newValue;
    redraw(s_.lastState, true);
    PropertyChanged(L"CHECK");
}

void skinButton::Value(bool newValue) {
    s_.Value = newValue;
    repaintWhen(s_.CheckBoxBehaviour, stateUp);
    PropertyChanged(L"VALUE");
}

void skinButton::DisableRefresh() { s_.refreshOn = false; }

void skinButton::Refresh() {
    rt::EventScope hold;  // see getParentPic
    if (s_.ButtonType == 11) {
        if (!getParentPic()) return;
    }
    setColors();
    calcTextRects();
    s_.refreshOn = true;
    redraw(s_.lastState, true);
}

// ---- helpers of the properties ----

void skinButton::setColors() { button::setColors(s_, hwnd()); }

void skinButton::writeColour(int32_t& field, int32_t theCol, const wchar_t* key) {
    field = theCol;
    setColors();
    redraw(s_.lastState, true);
    PropertyChanged(key);
}

void skinButton::afterFontChange() {
    fontChanged();
    calcTextRects();
    redraw(stateUp, true);
}

void skinButton::repaintWhen(bool condition, uint8_t curState) {
    if (condition) redraw(curState, true);
}

void skinButton::setAccessKeys() { UserControl::setAccessKeys(accessKeyOf(s_.Caption)); }

// Measured in the surface's font; before the surface exists there is nothing
// to measure with, and the first Resize measures.
void skinButton::calcTextRects() {
    if (HDC dc = hDC()) button::calcTextRects(dc, s_);
}

void skinButton::calcPicSize() { button::calcPicSize(s_); }

// ---- life cycle ----

void skinButton::UserControl_Initialize() { s_.refreshOn = true; }

// A newly placed button: fields are set directly, nothing is painted or notified.
void skinButton::UserControl_InitProperties() {
    s_.Enabled = true;
    s_.ShowFocusRect = true;
    s_.UseMaskColor = true;
    s_.Caption = AmbientDisplayName();
    setFont(AmbientFont());
    s_.ButtonType = 2;
    s_.ColorScheme = 1;
    setColors();
    s_.BackColor = s_.BackOver = s_.colors.cFace;
    s_.MaskColor = 0xC0C0C0;
    s_.ForeColor = s_.ForeOver = s_.colors.cText;
    calcTextRects();
}

void skinButton::UserControl_ReadProperties(rt::PropertyBag& bag) { ButtonPersistence::read(*this, bag); }

void skinButton::UserControl_WriteProperties(rt::PropertyBag& bag) { ButtonPersistence::write(*this, bag); }

void skinButton::UserControl_Show() {
    if (s_.ButtonType == 11) {
        prepareCaptureSurface();
        if (!getParentPic()) return;
    }
    s_.refreshOn = true;
    setColors();
    redraw(stateUp, true);
}

void skinButton::UserControl_Hide() { s_.refreshOn = false; }

void skinButton::UserControl_Resize() { resizeHandling(); }

void skinButton::UserControl_Terminate() {
    s_.refreshOn = false;
    OverTimer.Enabled(false);
    releaseCaptureSurface();
}

// The window owns each region it is given and frees the one it held before.
void skinButton::resizeHandling() {
    if (s_.capturing || !hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    s_.He = client.bottom;
    s_.Wi = client.right;
    if (!captureAtFirstSize()) return;
    s_.rcFocus = focusRect(s_.ButtonType, client);
    calcTextRects();
    rt::unique_hrgn region = makeRegion(s_.ButtonType, s_.Wi, s_.He);
    s_.buttonRegion = region.get();
    SetWindowRgn(hwnd(), region.release(), TRUE);
    if (s_.He != 0) redraw(stateUp, true);
}

// The capture surface keeps the size of the first Show. A button shown
// without a size would keep a surface of none: it waits for its first size.
void skinButton::prepareCaptureSurface() {
    if (s_.backgroundDC) return;
    captureOnSize_ = s_.Wi <= 0 || s_.He <= 0;
    if (!captureOnSize_) makeCaptureSurface();
}

// False when the window went during the capture.
bool skinButton::captureAtFirstSize() {
    if (!captureOnSize_ || s_.ButtonType != 11 || s_.Wi <= 0 || s_.He <= 0) return true;
    captureOnSize_ = false;
    makeCaptureSurface();
    return getParentPic();
}

void skinButton::makeCaptureSurface() {
    HDC surface = hDC();
    s_.backgroundDC.reset(CreateCompatibleDC(surface));
    s_.backgroundBitmap.reset(CreateBitmap(s_.Wi, s_.He, 1, GetDeviceCaps(surface, BITSPIXEL), nullptr));
    s_.oldBitmap = static_cast<HBITMAP>(SelectObject(s_.backgroundDC.get(), s_.backgroundBitmap.get()));
}

void skinButton::releaseCaptureSurface() {
    if (!s_.backgroundDC) return;
    SelectObject(s_.backgroundDC.get(), s_.oldBitmap);
    s_.backgroundBitmap.reset();
    s_.backgroundDC.reset();
    s_.oldBitmap = nullptr;
}

// Copies what the parent shows behind the button: the button gets out of the
// way for a moment (height 0) and the parent repaints that place. The copy
// comes from the button's real position in pixels. The events handled
// meanwhile may take the window away: then nothing is copied, and the result
// is False. They may also unload the button's form: ButtonType and Refresh
// count as an event (and a form's Show of its controls does), so that the
// form's controls are released only once such a call is over.
bool skinButton::getParentPic() {
    s_.capturing = true;
    ignoringErrors([&] { setHeight(0); });
    ignoringErrors([&] { rt::DoEvents(); });
    if (hwnd()) {
        ignoringErrors([&] {
            POINT at = positionInContainer();
            rt::unique_hdc_window parent(GetParent(hwnd()));
            BitBlt(s_.backgroundDC.get(), 0, 0, s_.Wi, s_.He, parent.get(), at.x, at.y, SRCCOPY);
        });
        ignoringErrors([&] { setHeight(s_.He); });
    }
    s_.capturing = false;
    return hwnd() != nullptr;
}

// ---- input ----

bool skinButton::isMouseOver() const {
    POINT p{};
    GetCursorPos(&p);
    return WindowFromPoint(p) == hwnd();
}

void skinButton::toggleValue() {
    if (s_.CheckBoxBehaviour) s_.Value = !s_.Value;
}

void skinButton::UserControl_MouseDown(int16_t button, int16_t shift, float x, float y) {
    raise(events.MouseDown, button, shift, x, y);
    s_.lastButton = static_cast<uint8_t>(button);
    if (button != rt::vbRightButton) redraw(stateDown, false);
}

void skinButton::UserControl_MouseUp(int16_t button, int16_t shift, float x, float y) {
    raise(events.MouseUp, button, shift, x, y);
    if (button != rt::vbRightButton) redraw(stateUp, false);
}

void skinButton::UserControl_MouseMove(int16_t button, int16_t shift, float x, float y) {
    raise(events.MouseMove, button, shift, x, y);
    if (button != 0 && button != rt::vbLeftButton) return;
    if (!isMouseOver()) {
        redraw(stateUp, false);
    } else if (button == 0 && !s_.isOver) {
        OverTimer.Enabled(true);
        s_.isOver = true;
        redraw(stateUp, true);
        raise(events.MouseOver);
    } else if (button == rt::vbLeftButton) {
        s_.isOver = true;
        redraw(stateDown, false);
        s_.isOver = false;
    }
}

void skinButton::OverTimer_Timer() {
    if (isMouseOver()) return;
    OverTimer.Enabled(false);
    s_.isOver = false;
    redraw(stateUp, true);
    raise(events.MouseOut);
}

// Only the left button, the access key and Space click.
void skinButton::UserControl_Click() {
    if (s_.lastButton != rt::vbLeftButton || !s_.Enabled) return;
    toggleValue();
    redraw(stateUp, true);
    UserControl::Refresh();
    raise(events.Click);
}

void skinButton::UserControl_DblClick() {
    if (s_.lastButton != rt::vbLeftButton) return;
    UserControl_MouseDown(rt::vbLeftButton, 0, 0, 0);
    SetCapture(hwnd());
}

void skinButton::UserControl_AccessKeyPress(int16_t keyAscii) {
    s_.lastButton = rt::vbLeftButton;
    UserControl_Click();
}

void skinButton::UserControl_KeyDown(int16_t& keyCode, int16_t& shift) {
    raise(events.KeyDown, keyCode, shift);
    s_.lastKey = static_cast<uint8_t>(keyCode);
    switch (keyCode) {
        case kSpace: redraw(stateDown, false); break;
        case kLeft:
        case kUp: rt::SendKeys(L"+{Tab}"); break;
        case kRight:
        case kDown: rt::SendKeys(L"{Tab}"); break;
        default: break;
    }
}

void skinButton::UserControl_KeyPress(int16_t& keyAscii) { raise(events.KeyPress, keyAscii); }

// A Space release clicks only when Space was the last key pressed.
void skinButton::UserControl_KeyUp(int16_t& keyCode, int16_t& shift) {
    raise(events.KeyUp, keyCode, shift);
    if (s_.lastKey != kSpace || keyCode != kSpace) return;
    toggleValue();
    redraw(stateUp, false);
    UserControl::Refresh();
    raise(events.Click);
}

void skinButton::UserControl_GotFocus() {
    s_.hasFocus = true;
    redraw(s_.lastState, true);
}

void skinButton::UserControl_LostFocus() {
    s_.hasFocus = false;
    redraw(s_.lastState, true);
}

void skinButton::UserControl_AmbientChanged(const std::wstring& name) {
    if (s_.ColorScheme == schemeCustom) return;
    setColors();
    redraw(s_.lastState, true);
}

}  // namespace button
