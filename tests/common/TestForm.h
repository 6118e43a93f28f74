#pragma once
// A form with one control of each kind (pixels in brackets):
//   txt  text box  [10,10 100x20]  Tab 0, at most 5 characters
//   chk  check box [10,40 13x13]   Tab 1
//   lst  list box  [10,60 100x60]  Tab 2
//   cmd  skinned button "&Go" [120,10 100x25] Tab 3
//   lbl  label "Label" [120,60 100x17]; img 32x32 red picture [120,100], hand pointer
//   lin  red line [10,140]-[110,140]; background: blue 320x240; menu mnuTop with
//   mnuItem(0) "Zero" (invisible), (1) "One", (2) "Two" (disabled), (3) "Three".
// Every event it sees is recorded as "name.Event".
#include <functional>
#include <string>
#include <vector>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "runtime/ChildTimer.h"
#include "runtime/DibCanvas.h"
#include "runtime/Form.h"

namespace testenv {

inline constexpr COLORREF kBackground = RGB(0, 64, 255), kRed = RGB(255, 0, 0);

class TestForm : public rt::Form {
public:
    // `change` alters the layout first (a bad stored property, say).
    explicit TestForm(const std::function<void(rt::FormLayout&)>& change = {}) : rt::Form(layout(change)) {}
    std::vector<std::wstring> events;
    // Run after the standard bindings, for a test's own; and in Form_Unload.
    std::function<void(TestForm&)> bind;
    std::function<void(int& cancel)> unloading;

protected:
    void bindEvents() override {
        auto note = [this](const wchar_t* what) { return [this, what] { events.push_back(what); }; };
        textBox(L"txt").Change = note(L"txt.Change");
        textBox(L"txt").KeyUp = [this](int16_t&, int16_t&) { events.push_back(L"txt.KeyUp"); };
        checkBox(L"chk").Click = note(L"chk.Click");
        listBox(L"lst").DblClick = note(L"lst.DblClick");
        listBox(L"lst").KeyPress = [this](int16_t& k) { events.push_back(L"lst.KeyPress " + std::to_wstring(k)); };
        image(L"img").Click = note(L"img.Click");
        userControl<button::skinButton>(L"cmd").events.Click = note(L"cmd.Click");
        for (int16_t i = 0; i < 4; ++i)
            menu(L"mnuItem", i).Click = [this, i] { events.push_back(L"mnuItem.Click " + std::to_wstring(i)); };
        if (bind) bind(*this);
    }
    void Form_Load() override { events.push_back(L"Form_Load"); }
    void Form_Unload(int& cancel) override {
        events.push_back(L"Form_Unload");
        if (unloading) unloading(cancel);
    }

private:
    static rt::PictureRef solidBitmap(int width, int height, COLORREF colour) {
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, rt::pixelOfColour(colour));
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB}};
        rt::unique_hdc_window screen(nullptr);
        return rt::StdPicture::fromBitmap(
            CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS));
    }

    static rt::FormLayout layout(const std::function<void(rt::FormLayout&)>& change) {
        using rt::ControlKind;
        rt::PropertyBag go;
        go.WriteProperty(L"tx", rt::Variant(L"&Go"));
        rt::FormLayout l{.caption = L"test form",
                         .clientWidthTwips = 4800,
                         .clientHeightTwips = 3600,
                         .picture = solidBitmap(320, 240, kBackground)};
        // clang-format off
        l.controls = {
            {.kind = ControlKind::TextBox, .name = L"txt", .at = {150, 150, 1500, 300}, .tabIndex = 0, .maxLength = 5},
            {.kind = ControlKind::Label, .name = L"lbl", .at = {1800, 900, 1500, 255}, .text = L"Label"},
            {.kind = ControlKind::User, .name = L"cmd", .at = {1800, 150, 1500, 375}, .tabIndex = 3, .properties = go,
             .create = rt::newUserControl<button::skinButton>},
            {.kind = ControlKind::ListBox, .name = L"lst", .at = {150, 900, 1500, 900}, .tabIndex = 2},
            {.kind = ControlKind::CheckBox, .name = L"chk", .at = {150, 600, 195, 195}, .tabIndex = 1},
            {.kind = ControlKind::Image, .name = L"img", .at = {1800, 1500, 480, 480}, .picture = solidBitmap(32, 32, kRed),
             .mousePointer = 99, .mouseIcon = rt::StdPicture::fromCursorResource(101)},
            {.kind = ControlKind::Line, .name = L"lin", .at = {150, 2100, 1500, 0}, .lineColor = kRed},
        };
        l.menus = {
            {.name = L"mnuTop"},
            {.name = L"mnuItem", .index = 0, .caption = L"Zero", .parent = L"mnuTop", .visible = false},
            {.name = L"mnuItem", .index = 1, .caption = L"One", .parent = L"mnuTop"},
            {.name = L"mnuItem", .index = 2, .caption = L"Two", .parent = L"mnuTop", .enabled = false},
            {.name = L"mnuItem", .index = 3, .caption = L"Three", .parent = L"mnuTop"},
        };
        // clang-format on
        if (change) change(l);
        return l;
    }
};

// Steps run one per timer tick, each again until it returns true: they
// drive what happens while a modal loop of the platform (a popup menu, a
// message box) or of a modal form is running.
class Script {
public:
    explicit Script(std::vector<std::function<bool()>> steps, UINT interval = 100)
        : steps_(std::move(steps)), timer_([this] { step(); }, interval) {
        timer_.Enabled(true);
    }

private:
    void step() {
        if (next_ < steps_.size() && steps_[next_]()) ++next_;
    }
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
    rt::ChildTimer timer_;
};

// Counts `hwnd` and, for a top-level window, every window below it.
inline BOOL CALLBACK countWindows(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) EnumChildWindows(hwnd, countWindows, count);
    return TRUE;
}

// Windows of this thread, child windows included.
inline int threadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindows, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace testenv
