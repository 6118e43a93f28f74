// The skinned button on a real host window: its properties and stored form,
// and its painting, region and GDI objects as it comes and goes.
#include <gtest/gtest.h>

#include <functional>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "runtime/MessagePump.h"

using namespace testenv;
using button::skinButton;
using Form = std::vector<std::wstring>;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);

int32_t sysColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

struct Placed {
    skinButton b;
    Placed(ControlHost& host, const wchar_t* name = L"b", const rt::PropertyBag* bag = nullptr, int32_t type = 0,
           RECT at = {10, 10, 110, 35}) {
        b.place(host.container(), name, at, bag);
        if (type) b.ButtonType(type);
        b.show();
    }
    // Whether a step repaints the surface now (a property write by default).
    bool paintsOnWrite(const std::function<void()>& step = {}) {
        SetPixelV(b.hDC(), 1, 1, kMarker);
        step ? step() : b.SpecialEffect(1);
        return GetPixel(b.hDC(), 1, 1) != kMarker;
    }
};

// The stored form of a button with every value as a comparable text.
Form storedForm(skinButton& b) {
    Form out;
    rt::PropertyBag bag;
    b.save(bag);
    for (const auto& e : bag.entries()) {
        std::wstring v = L"object";
        if (auto* value = std::get_if<rt::Variant>(&e.value)) v = value->toString();
        if (auto* pic = std::get_if<rt::PictureRef>(&e.value); pic && !*pic) v = L"none";
        out.push_back(e.key + L"=" + v);
    }
    return out;
}

}  // namespace

// Every value written comes back from the stored form; a stored hand
// pointer decides the pointer, whatever number was saved beside it.
TEST(skinButton, WrittenValuesComeBackFromTheStoredForm) {
    ControlHost host;
    Placed src(host, L"src");
    skinButton& b = src.b;
    auto pic = rt::StdPicture::fromBitmap(CreateBitmap(2, 2, 1, 32, nullptr));
    const std::function<void()> writes[] = {
        [&] { b.BackColor(0x010203); }, [&] { b.BackOver(0x040506); },   [&] { b.ForeColor(0x070809); },
        [&] { b.ForeOver(0x0A0B0C); },  [&] { b.MaskColor(0x0D0E0F); },  [&] { b.ButtonType(9); },
        [&] { b.Enabled(false); },      [&] { b.ColorScheme(2); },       [&] { b.ShowFocusRect(false); },
        [&] { b.MousePointer(2); },     [&] { b.SoftBevel(true); },      [&] { b.PictureNormal(pic); },
        [&] { b.PictureOver(pic); },    [&] { b.PicturePosition(3); },   [&] { b.UseMaskColor(false); },
        [&] { b.UseGreyscale(true); },  [&] { b.SpecialEffect(2); },     [&] { b.CheckBoxBehaviour(true); },
        [&] { b.Value(true); },         [&] { b.Caption(L"Get &Hamachi ip"); },
        [&] { b.Font(std::make_shared<rt::StdFont>(L"Arial", 9)); },
    };
    for (const auto& write : writes) write();
    b.FontBold(true);  // font attributes have no key of their own
    rt::PropertyBag bag, hand;
    b.save(bag);
    Placed loaded(host, L"l", &bag);
    Form want = storedForm(b);
    want[11] = L"MPTR=1";
    EXPECT_EQ(storedForm(loaded.b), want);
    EXPECT_EQ(loaded.b.AccessKeys(), L"h");
    EXPECT_FALSE(IsWindowEnabled(loaded.b.hwnd()));
    b.HandPointer(true);
    b.save(hand);
    Placed handLoaded(host, L"h", &hand);
    EXPECT_EQ(handLoaded.b.MousePointer(), 99);
    ASSERT_NE(handLoaded.b.MouseIcon(), nullptr);
    EXPECT_EQ(handLoaded.b.MouseIcon()->type(), rt::StdPicture::Type::Cursor);
    EXPECT_NE(handLoaded.b.MouseIcon()->icon(), LoadCursorW(nullptr, IDC_HAND));  // the program's own
}

// In design mode colour writes also set the hover colours, and ButtonType 5
// makes the caption bold, in a font of the button's own. The stored form
// keeps the font as it was when saved.
TEST(skinButton, WriteRules) {
    ControlHost host;
    auto font = std::make_shared<rt::StdFont>(L"Arial", 10, false);
    host.container().setFont(font);
    Placed p(host);
    for (bool design : {false, true}) {
        host.container().setUserMode(!design);
        p.b.BackColor(0x111111);
        p.b.ForeColor(0x222222);
        p.b.ButtonType(5);
        EXPECT_EQ(p.b.BackOver(), design ? 0x111111 : sysColor(COLOR_BTNFACE));
        EXPECT_EQ(p.b.ForeOver(), design ? 0x222222 : sysColor(COLOR_BTNTEXT));
        EXPECT_EQ(p.b.FontBold(), design);
    }
    EXPECT_FALSE(font->bold());
    rt::PropertyBag saved;
    p.b.FontBold(false);
    p.b.save(saved);
    p.b.FontBold(true);
    EXPECT_FALSE(saved.ReadFont(L"FONT", nullptr)->bold());
}

// A write repaints the button while it is shown and refreshing. Becoming or
// ceasing to be the default button repaints, unless the button has colours
// of its own.
TEST(skinButton, RepaintsWhenShownRefreshedOrMadeDefault) {
    ControlHost host;
    Placed s(host);
    EXPECT_TRUE(s.paintsOnWrite());
    s.b.hide();
    EXPECT_FALSE(s.paintsOnWrite());
    s.b.show();
    EXPECT_TRUE(s.paintsOnWrite());
    s.b.DisableRefresh();
    EXPECT_FALSE(s.paintsOnWrite());
    s.b.Refresh();
    EXPECT_TRUE(s.paintsOnWrite());
    for (int32_t scheme : {1, 2}) {
        s.b.ColorScheme(scheme);
        for (rt::UserControl* control : {static_cast<rt::UserControl*>(&s.b), static_cast<rt::UserControl*>(nullptr)})
            EXPECT_EQ(s.paintsOnWrite([&] { host.container().setDefaultControl(control); }), scheme != 2) << scheme;
    }
    // Type 14 draws the default button's caption bold through FontBold, and sets it back.
    host.container().setDefaultControl(&s.b);
    EXPECT_TRUE(s.paintsOnWrite([&] { s.b.ButtonType(14); }));
    EXPECT_EQ(std::make_pair(s.b.FontBold(), s.b.state().refreshOn), std::make_pair(false, true));
}

// Each size gets a region of its own: type 5 cuts two corner pixels.
TEST(skinButton, WindowRegionFollowsTheSize) {
    ControlHost host;
    Placed s(host, L"b", nullptr, 5, {10, 10, 50, 30});
    s.b.move({10, 10, 70, 40});
    rt::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(s.b.hwnd(), region.get());
    std::vector<bool> inside;  // the corners of the new size, and one pixel past it
    for (POINT p : {POINT{0, 0}, {59, 0}, {0, 29}, {59, 29}, {60, 29}})
        inside.push_back(PtInRegion(region.get(), p.x, p.y));
    EXPECT_EQ(inside, (std::vector<bool>{true, false, false, true, false}));
}

// A transparent button copies what lies behind it once, at the size it had
// when first shown, and gets its height back afterwards.
TEST(skinButton, TransparentButtonCapturesTheParentOnce) {
    ControlHost host;
    Placed s(host, L"b", nullptr, 11, {30, 30, 90, 50});
    ASSERT_NE(s.b.state().backgroundDC.get(), nullptr);
    EXPECT_EQ(GetPixel(s.b.state().backgroundDC.get(), 5, 5), GetSysColor(COLOR_BTNFACE));
    s.b.move({30, 30, 130, 80});
    s.b.hide();
    s.b.show();
    BITMAP copy{};
    GetObjectW(s.b.state().backgroundBitmap.get(), sizeof copy, &copy);
    EXPECT_EQ(std::make_pair(copy.bmWidth, copy.bmHeight), std::make_pair(60L, 20L));
    RECT rc;
    GetClientRect(s.b.hwnd(), &rc);
    EXPECT_EQ(rc.bottom, 50);
}

// Wine answers GetGuiResources with 0: the handles are counted by their owners.
TEST(skinButton, NoGdiObjectsLeftAfterHundredsOfCycles) {
    ControlHost host;
    const long before = rt::gdiOwnedCount();
    {
        Placed s(host);
        const int32_t types[] = {1, 3, 5, 9, 11, 13, 14, 2};
        long settled = 0;
        for (int i = 0; i < 600; ++i) {
            s.b.ButtonType(types[i % 8]);
            s.b.move({10, 10, 40 + i % 200, 20 + i % 100});
            s.b.Refresh();
            if (i % 4 == 0) s.b.hide(), s.b.show();
            s.b.FontSize(static_cast<int16_t>(8 + i % 5));
            if (i % 50 == 0) rt::DoEvents();
            if (i == 99) settled = rt::gdiOwnedCount();
        }
        EXPECT_EQ(rt::gdiOwnedCount(), settled);
    }
    for (int i = 0; i < 100; ++i) Placed transparent(host, L"b", nullptr, 11, {0, 0, 50, 20});
    EXPECT_EQ(rt::gdiOwnedCount(), before);
}
