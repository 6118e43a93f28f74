#include "runtime/UserControl.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/ControlNavigation.h"
#include "runtime/RuntimeError.h"
#include "runtime/ScaleUnits.h"
#include "runtime/ScreenBitmap.h"

namespace rt {
namespace {

const wchar_t kClassName[] = L"tarnwicketUserControl";

int16_t shiftFromKeys(WPARAM keys) {
    int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= vbShiftMask;
    if (keys & MK_CONTROL) shift |= vbCtrlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= vbAltMask;
    return shift;
}

int16_t buttonsHeld(WPARAM keys) {
    int16_t b = 0;
    if (keys & MK_LBUTTON) b |= vbLeftButton;
    if (keys & MK_RBUTTON) b |= vbRightButton;
    if (keys & MK_MBUTTON) b |= vbMiddleButton;
    return b;
}

// Event positions are in twips, as the container measures.
float twipsX(LPARAM lParam) { return pixelsToTwipsX(GET_X_LPARAM(lParam)); }
float twipsY(LPARAM lParam) { return pixelsToTwipsY(GET_Y_LPARAM(lParam)); }

}  // namespace

int16_t shiftState() {
    WPARAM keys = 0;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    return shiftFromKeys(keys);
}

UserControl::UserControl() : backColor_(GetSysColor(COLOR_BTNFACE)) { installControlNavigation(); }

UserControl::~UserControl() {
    if (container_) container_->remove(*this);
    if (surface_) {
        SelectObject(surface_.get(), initialFont_);
        SelectObject(surface_.get(), initialBitmap_);
    }
}

UserControl* UserControl::fromWindow(HWND hwnd) {
    wchar_t name[64] = {};
    if (!hwnd || !GetClassNameW(hwnd, name, 64) || wcscmp(name, kClassName) != 0) return nullptr;
    return dynamic_cast<UserControl*>(reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
}

void UserControl::createWindow(HWND parent) {
    registerClass(kClassName, CS_DBLCLKS, nullptr);
    create(kClassName, 0, WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS, L"", 0, 0, 0, 0, parent);
    unique_hdc_window screen(hwnd());
    surface_.reset(CreateCompatibleDC(screen.get()));
    SetBkMode(surface_.get(), TRANSPARENT);
    initialFont_ = GetCurrentObject(surface_.get(), OBJ_FONT);
    initialBitmap_ = GetCurrentObject(surface_.get(), OBJ_BITMAP);
    resizeSurface(1, 1);
}

void UserControl::place(ControlContainer& container, const std::wstring& name, RECT bounds,
                        const PropertyBag* stored) {
    container_ = &container;
    displayName_ = name;
    container.add(*this);
    UserControl_Initialize();
    createWindow(container.window());
    setFont(container.Font());
    if (stored) {
        PropertyBag bag = *stored;
        UserControl_ReadProperties(bag);
    } else {
        UserControl_InitProperties();
    }
    sited_ = true;
    move(bounds);
}

void UserControl::save(PropertyBag& bag) { UserControl_WriteProperties(bag); }

void UserControl::show() {
    ShowWindow(hwnd(), SW_SHOWNA);
    UserControl_Show();
}

void UserControl::hide() {
    ShowWindow(hwnd(), SW_HIDE);
    UserControl_Hide();
}

bool UserControl::visible() const { return hwnd() && IsWindowVisible(hwnd()); }

void UserControl::move(RECT b) {
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void UserControl::terminate() {
    endInstance();
    if (hwnd()) DestroyWindow(hwnd());
}

// Also when the window is destroyed underneath the control (its form went):
// its timers stop and it paints no more.
void UserControl::endInstance() {
    if (terminated_) return;
    terminated_ = true;
    UserControl_Terminate();
}

int UserControl::ScaleWidth() const {
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    return rc.right;
}

int UserControl::ScaleHeight() const {
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    return rc.bottom;
}

POINT UserControl::positionInContainer() const {
    RECT rc{};
    GetWindowRect(hwnd(), &rc);
    POINT p{rc.left, rc.top};
    ScreenToClient(GetParent(hwnd()), &p);
    return p;
}

void UserControl::setHeight(int pixels) {
    RECT rc{};
    GetWindowRect(hwnd(), &rc);
    SetWindowPos(hwnd(), nullptr, 0, 0, rc.right - rc.left, pixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The persistent picture grows with the window and keeps what it showed.
void UserControl::resizeSurface(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width <= surfaceSize_.cx && height <= surfaceSize_.cy) return;
    width = std::max<int>(width, surfaceSize_.cx);
    height = std::max<int>(height, surfaceSize_.cy);
    unique_hdc_window screen(hwnd());
    unique_hbitmap bigger = screenBitmap(screen.get(), width, height);
    if (!bigger) return;  // no room for it: the old surface stays, at its own size
    unique_hdc copy(CreateCompatibleDC(screen.get()));
    {
        select_object into(copy.get(), bigger.get());
        unique_hbrush back(CreateSolidBrush(backColor_));
        RECT all{0, 0, width, height};
        FillRect(copy.get(), &all, back.get());
        if (surfaceBitmap_) BitBlt(copy.get(), 0, 0, surfaceSize_.cx, surfaceSize_.cy, surface_.get(), 0, 0, SRCCOPY);
    }
    SelectObject(surface_.get(), bigger.get());
    surfaceBitmap_ = std::move(bigger);
    surfaceSize_ = {width, height};
}

HDC UserControl::hDC() {
    selectFont();
    return surface_.get();
}

void UserControl::selectFont() {
    if (!surface_ || !font_) return;
    if (selectedFont_ == font_.get() && selectedFontVersion_ == font_->version()) return;
    // The font object may replace its GDI font: never while it is selected.
    SelectObject(surface_.get(), initialFont_);
    SelectObject(surface_.get(), font_->handle());
    selectedFont_ = font_.get();
    selectedFontVersion_ = font_->version();
}

void UserControl::Cls() {
    if (!surface_) return;
    unique_hbrush back(CreateSolidBrush(backColor_));
    RECT all{0, 0, surfaceSize_.cx, surfaceSize_.cy};
    FillRect(surface_.get(), &all, back.get());
    // Without a window, a null handle here would repaint the whole desktop.
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void UserControl::Refresh() {
    if (!hwnd()) return;
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void UserControl::setFont(const FontRef& font) {
    if (surface_) SelectObject(surface_.get(), initialFont_);
    selectedFont_ = nullptr;
    font_ = font ? font->clone() : std::make_shared<StdFont>();
    selectFont();
}

void UserControl::fontChanged() { selectFont(); }

bool UserControl::Enabled() const { return hwnd() && IsWindowEnabled(hwnd()); }

void UserControl::setEnabled(bool on) { EnableWindow(hwnd(), on); }

void UserControl::setMousePointer(int16_t number) { mousePointer_ = number; }

// Only icons and cursors can be mouse pointers.
void UserControl::setMouseIcon(PictureRef picture) {
    if (picture && picture->type() == StdPicture::Type::Bitmap) raiseStandard(errInvalidPropertyValue);
    mouseIcon_ = std::move(picture);
}

void UserControl::setAccessKeys(std::wstring keys) { accessKeys_ = std::move(keys); }

bool UserControl::AmbientUserMode() const { return !container_ || container_->UserMode(); }

FontRef UserControl::AmbientFont() const { return container_ ? container_->Font() : std::make_shared<StdFont>(); }

bool UserControl::AmbientDisplayAsDefault() const { return container_ && container_->defaultControl() == this; }

void UserControl::PropertyChanged(const std::wstring& key) {
    if (container_) container_->propertyChanged(*this, key);
}

void UserControl::raiseAccessKeyPress(int16_t keyAscii) {
    if (GetFocus() != hwnd()) SetFocus(hwnd());
    UserControl_AccessKeyPress(keyAscii);
}

void UserControl::onButtonDown(int16_t button, LPARAM lParam, WPARAM keys) {
    if (GetFocus() != hwnd()) SetFocus(hwnd());
    SetCapture(hwnd());
    pressedButton_ = button;
    UserControl_MouseDown(button, shiftFromKeys(keys), twipsX(lParam), twipsY(lParam));
}

// A release over the window of the button that was pressed there is a click,
// also the one after the second press of a double click: a quick second
// click counts, as it does on the platform's own push buttons.
void UserControl::onButtonUp(int16_t button, LPARAM lParam, WPARAM keys) {
    if (buttonsHeld(keys) == 0 && GetCapture() == hwnd()) ReleaseCapture();
    UserControl_MouseUp(button, shiftFromKeys(keys), twipsX(lParam), twipsY(lParam));
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    bool click = button == pressedButton_ && PtInRect(&rc, p);
    if (button == pressedButton_) pressedButton_ = 0;
    if (click) UserControl_Click();
}

void UserControl::onMouseMove(LPARAM lParam, WPARAM keys) {
    UserControl_MouseMove(buttonsHeld(keys), shiftFromKeys(keys), twipsX(lParam), twipsY(lParam));
}

void UserControl::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, surface_.get(), r.left, r.top, SRCCOPY);
    EndPaint(hwnd(), &ps);
}

bool UserControl::onSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    HCURSOR cursor = LoadCursorW(nullptr, IDC_ARROW);
    if (mousePointer_ == vbCustom && mouseIcon_ && mouseIcon_->icon()) cursor = mouseIcon_->icon();
    SetCursor(cursor);
    return true;
}

LRESULT UserControl::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: onPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE:
            resizeSurface(LOWORD(lParam), HIWORD(lParam));
            if (sited_ && !terminated_) UserControl_Resize();
            return 0;
        case WM_SETCURSOR:
            if (onSetCursor(lParam)) return TRUE;
            break;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_MOUSEACTIVATE: return MA_ACTIVATE;
        case WM_LBUTTONDOWN: onButtonDown(vbLeftButton, lParam, wParam); return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK: onButtonDown(vbRightButton, lParam, wParam); return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: onButtonDown(vbMiddleButton, lParam, wParam); return 0;
        case WM_LBUTTONUP: onButtonUp(vbLeftButton, lParam, wParam); return 0;
        case WM_RBUTTONUP: onButtonUp(vbRightButton, lParam, wParam); return 0;
        case WM_MBUTTONUP: onButtonUp(vbMiddleButton, lParam, wParam); return 0;
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd());
            pressedButton_ = vbLeftButton;
            UserControl_DblClick();
            return 0;
        case WM_MOUSEMOVE: onMouseMove(lParam, wParam); return 0;
        case WM_KEYDOWN: {
            int16_t code = static_cast<int16_t>(wParam), shift = shiftState();
            UserControl_KeyDown(code, shift);
            return 0;
        }
        case WM_CHAR: {
            // The character the KeyPress handler leaves (0: none) goes on to the access keys.
            int16_t ascii = static_cast<int16_t>(wParam);
            UserControl_KeyPress(ascii);
            if (ascii > L' ') pressAccessKey(hwnd(), static_cast<wchar_t>(ascii));
            return 0;
        }
        case WM_KEYUP: {
            int16_t code = static_cast<int16_t>(wParam), shift = shiftState();
            UserControl_KeyUp(code, shift);
            return 0;
        }
        case WM_SETFOCUS: UserControl_GotFocus(); return 0;
        case WM_KILLFOCUS: UserControl_LostFocus(); return 0;
        case WM_DESTROY: endInstance(); return 0;
    }
    return Window::onMessage(msg, wParam, lParam);
}

}  // namespace rt
