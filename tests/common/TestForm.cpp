#include "common/TestForm.h"

#include "button/skinButton.h"
#include "common/ControlHost.h"

namespace testenv {
namespace {

using rt::ControlKind;

rt::FormLayout testLayout() {
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
    return l;
}

}  // namespace

TestForm::TestForm() : rt::Form(testLayout()) {}

void TestForm::bindEvents() {
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

Script::Script(std::vector<std::function<bool()>> steps, UINT interval)
    : steps_(std::move(steps)),
      timer_(
          [this] {
              if (!finished() && steps_[next_]()) ++next_;
          },
          interval) {
    timer_.Enabled(true);
}

rt::PictureRef solidBitmap(int width, int height, COLORREF colour) {
    rt::unique_hdc_window screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), width, height);
    rt::unique_hdc dc(CreateCompatibleDC(screen.get()));
    rt::select_object into(dc.get(), bitmap);
    rt::unique_hbrush brush(CreateSolidBrush(colour));
    RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, brush.get());
    return rt::StdPicture::fromBitmap(bitmap);
}

namespace {
BOOL CALLBACK countOne(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK countWithDescendants(HWND hwnd, LPARAM count) {
    countOne(hwnd, count);
    EnumChildWindows(hwnd, countOne, count);
    return TRUE;
}
}  // namespace

int threadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWithDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace testenv
