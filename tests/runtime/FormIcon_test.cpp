// The icon in a form's caption.
#include <gtest/gtest.h>

#include <vector>

#include "resources/ResourceIds.h"
#include "runtime/DibCanvas.h"
#include "runtime/Form.h"

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

struct IconForm : rt::Form {
    IconForm()
        : rt::Form({.caption = L"icon", .clientWidthTwips = 3000, .clientHeightTwips = 1500, .iconResource = IDI_APP}) {}
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

TEST(FormIcon, CaptionAsAWindowGivenTheProgramsIcons) {
    IconForm form;
    form.Load();
    auto icon = rt::StdPicture::fromIconResource(IDI_APP, GetSystemMetrics(SM_CXICON));
    auto smallIcon = rt::StdPicture::fromIconResource(IDI_APP, GetSystemMetrics(SM_CXSMICON));
    HWND plain = plainWindow(icon->icon(), smallIcon->icon());
    EXPECT_TRUE(printed(form.hwnd()) == printed(plain));
    DestroyWindow(plain);
    form.Unload();
}
