// A form's own window: where it opens and the icon in its caption.
#include <gtest/gtest.h>

#include <vector>

#include "resources/ResourceIds.h"
#include "runtime/DibCanvas.h"
#include "runtime/Form.h"

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

struct PlainForm : rt::Form {
    explicit PlainForm(rt::StartUpPosition at = rt::StartUpPosition::CenterScreen)
        : rt::Form({.caption = L"icon",
                    .clientWidthTwips = 3000,
                    .clientHeightTwips = 1500,
                    .startUpPosition = at,
                    .iconResource = IDI_APP}) {}
};

// The window's caption as the platform draws it, icon and text.
std::vector<uint32_t> printed(HWND window) {
    RECT r{0, 0, 200, GetSystemMetrics(SM_CYCAPTION)};
    rt::DibCanvas canvas(nullptr, r.right, r.bottom);
    DrawCaption(window, canvas.dc(), &r, DC_ACTIVE | DC_ICON | DC_TEXT);
    GdiFlush();
    return {canvas.pixels(), canvas.pixels() + canvas.count()};
}

// A window of the same frame made directly, given the program's icons as
// the form once gave them to its window.
HWND plainWindow(HICON icon, HICON smallIcon) {
    WNDCLASSW wc{0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"twPlain"};
    RegisterClassW(&wc);
    HWND plain = CreateWindowExW(WS_EX_CONTROLPARENT, L"twPlain", L"icon", kFormStyle, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    SendMessageW(plain, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(plain, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    return plain;
}

}  // namespace

TEST(FormWindow, CaptionAsAWindowGivenTheProgramsIcons) {
    PlainForm form;
    form.Load();
    auto icon = rt::StdPicture::fromIconResource(IDI_APP, GetSystemMetrics(SM_CXICON));
    auto smallIcon = rt::StdPicture::fromIconResource(IDI_APP, GetSystemMetrics(SM_CXSMICON));
    HWND plain = plainWindow(icon->icon(), smallIcon->icon());
    EXPECT_TRUE(printed(form.hwnd()) == printed(plain));
    DestroyWindow(plain);
    form.Unload();
}

// Loaded alone, a form to be centred over its owner is centred on the screen too.
TEST(FormWindow, OpensCentredOnTheScreen) {
    for (auto at : {rt::StartUpPosition::CenterScreen, rt::StartUpPosition::CenterOwner}) {
        PlainForm form(at);
        form.Load();
        RECT r{};
        GetWindowRect(form.hwnd(), &r);
        const int width = r.right - r.left, height = r.bottom - r.top;
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
        form.Unload();
    }
}
