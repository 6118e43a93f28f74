#include "runtime/Form.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "runtime/EventBoundary.h"
#include "runtime/FormClass.h"
#include "runtime/Handles.h"
#include "runtime/MessagePump.h"
#include "runtime/ScaleUnits.h"
#include "runtime/ScreenBitmap.h"

namespace rt {
namespace {

// Posted by a control whose Validate kept the focus; lParam: the control's window.
constexpr UINT kRefocus = WM_APP + 1;

std::vector<Form*>& loadedList() {
    static std::vector<Form*> forms;
    return forms;
}

bool isLoadedForm(Form* form) {
    const auto& list = loadedList();
    return std::find(list.begin(), list.end(), form) != list.end();
}

std::unique_ptr<Control> makeControl(Form& form, const ControlLayout& row, const FontRef& formFont) {
    const FontRef& font = row.font ? row.font : formFont;
    switch (row.kind) {
        case ControlKind::Label: return std::make_unique<Label>(form, row, font);
        case ControlKind::TextBox: return std::make_unique<TextBox>(form, row, font);
        case ControlKind::CheckBox: return std::make_unique<CheckBox>(form, row, font);
        case ControlKind::Image: return std::make_unique<Image>(form, row);
        case ControlKind::ListBox: return std::make_unique<ListBox>(form, row, font);
        case ControlKind::Line: return std::make_unique<Line>(form, row);
        case ControlKind::User: return std::make_unique<UserControlSite>(form, row);
    }
    raiseStandard(errInvalidCall);
}

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM list) {
    try {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

std::vector<HWND> threadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

RECT screenArea() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// The top left corner of a window of `size` centred over `area`.
POINT centredIn(const RECT& area, SIZE size) {
    return {area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
}

// Resets a flag on every way out.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

}  // namespace

// What a loaded form owns. The container outlives the controls that talk to it.
struct Form::Content {
    std::unique_ptr<ControlContainer> container;
    std::vector<std::unique_ptr<Control>> controls;  // layout order: windowless ones paint in it
    std::vector<std::unique_ptr<MenuItem>> menus;
    FontRef font;
};

Form::Form(FormLayout layout) : layout_(std::move(layout)) {}

Form::~Form() {
    if (isLoaded()) destroyWindow();
}

int Form::loadedForms() { return static_cast<int>(loadedList().size()); }

// ---- life cycle ----

void Form::createWindow() {
    const FormClass& windowClass = formClass(layout_.iconResource);
    registerClass(windowClass.name.c_str(), CS_DBLCLKS, nullptr, windowClass.icon, windowClass.smallIcon);
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout_.minButton) style |= WS_MINIMIZEBOX;
    if (layout_.maxButton) style |= WS_MAXIMIZEBOX;
    RECT r{0, 0, twipsToPixelsX(layout_.clientWidthTwips), twipsToPixelsY(layout_.clientHeightTwips)};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
    const SIZE size{r.right - r.left, r.bottom - r.top};
    // Made in its place: moving the new window there costs the start more.
    POINT at{CW_USEDEFAULT, CW_USEDEFAULT};
    if (layout_.startUpPosition != StartUpPosition::WindowsDefault) at = centredIn(screenArea(), size);
    if (!create(windowClass.name.c_str(), WS_EX_CONTROLPARENT, style, layout_.caption.c_str(), at.x, at.y, size.cx,
                size.cy))
        return;
    loadedList().push_back(this);
}

void Form::Load() {
    if (isLoaded() || programEnding()) return;
    createWindow();
    if (!isLoaded()) return;
    EventScope scope(hwnd());
    try {
        createContent();
        bindEvents();
    } catch (...) {
        // Half a form is none: what was made goes, and the caller gets the error.
        destroyWindow();
        throw;
    }
    Busy loading(loading_);
    Form_Load();
}

void Form::createContent() {
    content_ = std::make_unique<Content>();
    content_->font = layout_.font ? layout_.font : std::make_shared<StdFont>();
    content_->container = std::make_unique<ControlContainer>(hwnd());
    content_->container->setFont(content_->font);
    createControls();
    createMenus();
}

// Windows are made in Tab order, the order the keyboard follows between them.
void Form::createControls() {
    std::vector<Control*> byTabIndex;
    for (const ControlLayout& row : layout_.controls) {
        content_->controls.push_back(makeControl(*this, row, content_->font));
        byTabIndex.push_back(content_->controls.back().get());
    }
    auto key = [](const Control* c) { return c->TabIndex() < 0 ? INT_MAX : c->TabIndex(); };
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(), [&](auto* a, auto* b) { return key(a) < key(b); });
    for (Control* c : byTabIndex) c->create();
}

void Form::createMenus() {
    for (const MenuLayout& row : layout_.menus) content_->menus.push_back(std::make_unique<MenuItem>(row));
}

void Form::Show() {
    Load();
    if (!isLoaded()) return;
    if (!IsWindowVisible(hwnd())) {
        showUserControls(true);
        ShowWindow(hwnd(), SW_SHOW);
    }
    UpdateWindow(hwnd());
    if (GetActiveWindow() == hwnd() && !IsChild(hwnd(), GetFocus())) restoreFocus();
}

void Form::Hide() {
    if (!isLoaded()) return;
    showUserControls(false);
    ShowWindow(hwnd(), SW_HIDE);
}

void Form::showModal(Form* owner) {
    Load();
    if (!isLoaded()) return;
    HWND previous = GetActiveWindow(), previousFocus = GetFocus();
    HWND over = owner && owner->isLoaded() ? owner->hwnd() : previous;
    if (over && over != hwnd() && IsWindowVisible(over)) {
        SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(over));
        if (layout_.startUpPosition == StartUpPosition::CenterOwner) placeOver(over);
    }
    disableOtherWindows();
    Show();
    runMessageLoopWhile([this] { return isLoaded() && IsWindowVisible(hwnd()); });
    enableOtherWindows();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    if (previousFocus && IsWindow(previousFocus)) ::SetFocus(previousFocus);
}

// A close from outside (the title bar, the task list) waits until the
// form's events have returned: a Form_Load or an event procedure waiting in
// a message box or a dialog would go on with a form that is gone (and a
// control it touches would load the form anew). One that comes while the
// form unloads is done with that unload.
void Form::closeAfterEvents() {
    if (unloading_) return;
    afterEventsOf(hwnd(), [this, window = hwnd()] {
        if (hwnd() == window) Unload();
    });
}

void Form::Unload() {
    if (!isLoaded() || unloading_) return;
    {
        EventScope scope;
        Busy busy(unloading_);
        int cancel = 0;
        Form_Unload(cancel);
        if (cancel != 0 && !programEnding()) return;
    }
    destroyWindow();
}

// The other windows take input again before this one goes, so that the
// platform hands the activation back to them.
void Form::destroyWindow() {
    enableOtherWindows();
    if (hwnd()) DestroyWindow(hwnd());
}

void Form::onDestroyed() {
    auto& list = loadedList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    lastFocus_ = nullptr;
    pressed_ = nullptr;
    releaseAfterEvents(std::shared_ptr<Content>(std::move(content_)));
    // Wakes the message loop, which ends when no form is left.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Form::unloadAllForEnd(const std::function<void(std::exception_ptr)>& onError, bool finishedLoadsOnly) {
    auto forms = loadedList();
    for (auto f = forms.rbegin(); f != forms.rend(); ++f) {
        if (!isLoadedForm(*f) || (*f)->unloading_) continue;
        try {
            if (!finishedLoadsOnly || !(*f)->loading_) (*f)->Unload();
        } catch (...) {
            onError(std::current_exception());
        }
        if (isLoadedForm(*f)) (*f)->destroyWindow();
    }
}

// ---- placement, focus and modality ----

void Form::placeOver(HWND owner) {
    RECT me{}, area = screenArea();
    GetWindowRect(hwnd(), &me);
    if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
    POINT at = centredIn(area, {me.right - me.left, me.bottom - me.top});
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A control's Show may let events run that unload the form: its controls
// stay until the loop is over, and none is shown once the form is gone.
void Form::showUserControls(bool shown) {
    if (!content_) return;
    EventScope hold;
    for (auto& c : content_->controls)
        if (isLoaded()) c->formShown(shown);
}

void Form::focusFirstControl() {
    HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    ::SetFocus(first ? first : hwnd());
}

void Form::restoreFocus() {
    HWND last = lastFocus_;
    if (last && IsWindow(last) && IsChild(hwnd(), last) && IsWindowVisible(last) && IsWindowEnabled(last))
        ::SetFocus(last);
    else
        focusFirstControl();
}

void Form::refocusLater(HWND child) { PostMessageW(hwnd(), kRefocus, 0, reinterpret_cast<LPARAM>(child)); }

void Form::disableOtherWindows() {
    for (HWND w : threadWindows()) {
        if (w == hwnd() || !IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
        EnableWindow(w, FALSE);
        disabledByModal_.push_back(w);
    }
}

void Form::enableOtherWindows() {
    for (HWND w : std::exchange(disabledByModal_, {}))
        if (IsWindow(w)) EnableWindow(w, TRUE);
}

// ---- controls and menus ----

template <typename T>
T& Form::named(std::vector<std::unique_ptr<T>> Content::*list, const std::wstring& name, int16_t index) {
    Load();
    if (content_)
        for (auto& item : (*content_).*list)
            if (item->Name() == name && item->Index() == index) return *item;
    raiseStandard(errSubscript);
}

Control& Form::control(const std::wstring& name, int16_t index) { return named(&Content::controls, name, index); }

MenuItem& Form::menu(const std::wstring& name, int16_t index) { return named(&Content::menus, name, index); }

ControlContainer& Form::container() {
    if (!content_) raiseStandard(errInvalidCall);
    return *content_->container;
}

Control* Form::windowlessAt(POINT client) const {
    if (!content_) return nullptr;
    for (auto c = content_->controls.rbegin(); c != content_->controls.rend(); ++c)
        if (!(*c)->hWnd() && (*c)->hitTest(client)) return c->get();
    return nullptr;
}

Control* Form::controlOf(HWND child) const {
    if (!content_ || !child) return nullptr;
    for (auto& c : content_->controls)
        if (c->hWnd() == child) return c.get();
    return nullptr;
}

// The menu command comes back from the popup call itself, so its Click has
// run before this returns.
void Form::PopupMenu(const std::wstring& name, int xTwips, int yTwips) {
    if (!content_) return;
    EventScope scope(hwnd());  // the entries stay, whatever the menu's time lets happen
    std::vector<MenuItem*> listed;
    unique_hmenu popup(CreatePopupMenu());
    for (auto& m : content_->menus) {
        if (m->parentName() != name || !m->Visible()) continue;
        listed.push_back(m.get());
        AppendMenuW(popup.get(), MF_STRING | (m->Enabled() ? MF_ENABLED : MF_GRAYED), listed.size(),
                    m->Caption().c_str());
    }
    POINT at{twipsToPixelsX(xTwips), twipsToPixelsY(yTwips)};
    ClientToScreen(hwnd(), &at);
    UINT chosen =
        TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, hwnd(), nullptr);
    if (chosen >= 1 && chosen <= listed.size()) atEventBoundary([&] { raiseEvent(listed[chosen - 1]->Click); });
}

// ---- caption ----

std::wstring Form::caption() const {
    return isLoaded() ? windowText(hwnd()) : layout_.caption;
}

void Form::setCaption(const std::wstring& text) {
    layout_.caption = text;
    if (isLoaded()) SetWindowTextW(hwnd(), text.c_str());
}

// ---- painting and messages ----

void Form::paintContent(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (layout_.picture) drawPicture(dc, *layout_.picture, 0, 0);
    if (!content_) return;
    for (auto& c : content_->controls)
        if (c->Visible() && !c->hWnd()) c->paint(dc);
}

// Drawn off screen first, so that labels never flicker over the background.
void Form::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    const RECT& r = ps.rcPaint;
    if (r.right > r.left && r.bottom > r.top) {
        unique_hdc buffer(CreateCompatibleDC(dc));
        unique_hbitmap bits = screenBitmap(dc, r.right - r.left, r.bottom - r.top);
        select_object into(buffer.get(), bits.get());
        SetViewportOrgEx(buffer.get(), -r.left, -r.top, nullptr);
        paintContent(buffer.get());
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, buffer.get(), r.left, r.top, SRCCOPY);
    }
    EndPaint(hwnd(), &ps);
}

bool Form::onSetCursor() {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd(), &p);
    Control* c = windowlessAt(p);
    HCURSOR cursor = c ? c->cursor() : nullptr;
    if (cursor) SetCursor(cursor);
    return cursor != nullptr;
}

// A press and release over the same windowless control is its Click; the
// second press of a double click is none.
void Form::onMouseButton(UINT msg, LPARAM lParam) {
    Control* at = windowlessAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (msg == WM_LBUTTONDOWN) {
        pressed_ = at;
        if (at) SetCapture(hwnd());
        return;
    }
    Control* pressed = std::exchange(pressed_, nullptr);
    if (msg != WM_LBUTTONUP) return;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (pressed && pressed == at) pressed->raiseClick();
}

LRESULT Form::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE: closeAfterEvents(); return 0;
        // No form holds the session back; once it really ends, every form
        // unloads before the system ends the process.
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            if (wParam) endForSession();
            return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: onPaint(); return 0;
        case WM_COMMAND:
            if (Control* c = controlOf(reinterpret_cast<HWND>(lParam))) c->onCommand(HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
                if (HBRUSH brush = c->onCtlColor(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == hwnd() && LOWORD(lParam) == HTCLIENT && onSetCursor()) return TRUE;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK: onMouseButton(msg, lParam); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
            } else if (!HIWORD(wParam)) {
                restoreFocus();
            }
            return 0;
        case kRefocus: {
            auto child = reinterpret_cast<HWND>(lParam);
            if (IsWindow(child) && IsChild(hwnd(), child)) ::SetFocus(child);
            return 0;
        }
    }
    return Window::onMessage(msg, wParam, lParam);
}

}  // namespace rt
