#include <gtest/gtest.h>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "runtime/RuntimeError.h"

using namespace testenv;
using button::skinButton;

namespace {

const RECT kBounds{10, 10, 110, 35};

int32_t sysColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

// A marker pixel on the surface tells whether a paint happened since.
constexpr COLORREF kMarker = RGB(255, 0, 255);
void mark(skinButton& b) { SetPixelV(b.hDC(), 1, 1, kMarker); }
bool painted(skinButton& b) { return GetPixel(b.hDC(), 1, 1) != kMarker; }

struct Loaded {
    skinButton b;
    Loaded(ControlHost& host, const rt::PropertyBag& bag, const wchar_t* name = L"loaded") {
        b.place(host.container(), name, kBounds, &bag);
        b.show();
    }
};

rt::PropertyBag saved(skinButton& b) {
    rt::PropertyBag bag;
    b.save(bag);
    return bag;
}

std::vector<std::wstring> keysOf(const rt::PropertyBag& bag) {
    std::vector<std::wstring> keys;
    for (const auto& e : bag.entries()) keys.push_back(e.key);
    return keys;
}

}  // namespace

TEST(skinButtonProperties, NewInstanceDefaults) {
    ControlHost host;
    auto font = std::make_shared<rt::StdFont>(L"Arial", 10, true);
    host.container().setFont(font);
    skinButton b;
    b.place(host.container(), L"skinButton1", kBounds);
    EXPECT_EQ(b.Caption(), L"skinButton1");
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_TRUE(b.Enabled() && b.ShowFocusRect() && b.UseMaskColor());
    EXPECT_EQ(b.BackColor(), sysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.BackOver(), sysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.ForeColor(), sysColor(COLOR_BTNTEXT));
    EXPECT_EQ(b.ForeOver(), sysColor(COLOR_BTNTEXT));
    EXPECT_EQ(b.MaskColor(), 0xC0C0C0);
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_EQ(b.MouseIcon(), nullptr);
    EXPECT_TRUE(*b.Font() == *font);
    EXPECT_NE(b.Font(), font);  // a font of its own
    EXPECT_FALSE(b.SoftBevel() || b.HandPointer() || b.CheckBoxBehaviour() || b.Value() || b.UseGreyscale());
    EXPECT_EQ(b.PicturePosition() + b.SpecialEffect(), 0);
    EXPECT_TRUE(host.changes.empty());
}

TEST(skinButtonProperties, EmptyBagDefaults) {
    ControlHost host;
    Loaded l(host, rt::PropertyBag{});
    skinButton& b = l.b;
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.Caption(), L"");
    EXPECT_TRUE(b.Enabled() && b.ShowFocusRect() && b.UseMaskColor());
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.BackColor(), sysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.BackOver(), sysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.ForeColor(), sysColor(COLOR_BTNTEXT));
    EXPECT_EQ(b.ForeOver(), sysColor(COLOR_BTNTEXT));
    EXPECT_EQ(b.MaskColor(), 0xC0C0C0);
    EXPECT_EQ(b.MousePointer(), 1);
    EXPECT_EQ(b.MouseIcon(), nullptr);
    EXPECT_EQ(b.PictureNormal(), nullptr);
    EXPECT_FALSE(b.SoftBevel() || b.HandPointer() || b.CheckBoxBehaviour() || b.Value() || b.UseGreyscale());
    EXPECT_EQ(b.PicturePosition() + b.SpecialEffect(), 0);
    // Loading notifies only through the hand pointer's write.
    EXPECT_EQ(host.changes, std::vector<std::wstring>{L"loaded:HAND"});
}

TEST(skinButtonProperties, LowerCaseKeysLoadAlike) {
    ControlHost host;
    rt::PropertyBag upper, lower;
    const struct { const wchar_t *up, *low; rt::Variant v; } values[] = {
        {L"BTYPE", L"btype", rt::Variant(9)},  {L"TX", L"tx", rt::Variant(L"&Start game...")},
        {L"ENAB", L"enab", rt::Variant(false)}, {L"COLTYPE", L"coltype", rt::Variant(1)},
        {L"BCOL", L"bcol", rt::Variant(0x123456)}, {L"FX", L"fx", rt::Variant(2)},
        {L"HAND", L"hand", rt::Variant(true)},  {L"VALUE", L"value", rt::Variant(true)},
    };
    for (const auto& v : values) {
        upper.WriteProperty(v.up, v.v);
        lower.WriteProperty(v.low, v.v);
    }
    lower.WriteProperty(L"_extentx", rt::Variant(2000));
    Loaded a(host, upper), b(host, lower);
    rt::PropertyBag sa = saved(a.b), sb = saved(b.b);
    ASSERT_EQ(keysOf(sa), keysOf(sb));
    for (size_t i = 0; i < sa.entries().size(); ++i) {
        if (auto* v = std::get_if<rt::Variant>(&sa.entries()[i].value)) {
            EXPECT_TRUE(*v == std::get<rt::Variant>(sb.entries()[i].value)) << sa.entries()[i].key;
        }
    }
    EXPECT_EQ(b.b.ButtonType(), 9);
    EXPECT_EQ(b.b.AccessKeys(), L"s");
    EXPECT_FALSE(IsWindowEnabled(b.b.hwnd()));
}

TEST(skinButtonProperties, SaveWritesEveryKeyInOrderAndLoadGivesItBack) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"src", kBounds);
    auto pic = rt::StdPicture::fromBitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    b.ButtonType(9);
    b.Caption(L"Get &Hamachi ip");
    b.Enabled(false);
    b.FontName(L"Arial");
    b.ColorScheme(2);
    b.ShowFocusRect(false);
    b.BackColor(0x010203);
    b.BackOver(0x040506);
    b.ForeColor(0x070809);
    b.ForeOver(0x0A0B0C);
    b.MaskColor(0x0D0E0F);
    b.PictureNormal(pic);
    b.PictureOver(pic);
    b.UseMaskColor(false);
    b.SoftBevel(true);
    b.PicturePosition(3);
    b.UseGreyscale(true);
    b.SpecialEffect(2);
    b.CheckBoxBehaviour(true);
    b.Value(true);
    b.MousePointer(2);
    rt::PropertyBag bag = saved(b);
    EXPECT_EQ(keysOf(bag), (std::vector<std::wstring>{L"BTYPE", L"TX", L"ENAB", L"FONT", L"COLTYPE", L"FOCUSR",
                                                      L"BCOL", L"BCOLO", L"FCOL", L"FCOLO", L"MCOL", L"MPTR",
                                                      L"MICON", L"PICN", L"PICH", L"UMCOL", L"SOFT", L"PICPOS",
                                                      L"NGREY", L"FX", L"HAND", L"CHECK", L"VALUE"}));
    EXPECT_EQ(std::get<rt::Variant>(bag.entries()[11].value).kind(), rt::Variant::Kind::Integer);

    Loaded l(host, bag);
    skinButton& c = l.b;
    EXPECT_EQ(c.ButtonType(), 9);
    EXPECT_EQ(c.Caption(), L"Get &Hamachi ip");
    EXPECT_FALSE(c.Enabled());
    EXPECT_EQ(c.FontName(), L"Arial");
    EXPECT_EQ(c.ColorScheme(), 2);
    EXPECT_FALSE(c.ShowFocusRect());
    EXPECT_EQ(c.BackColor(), 0x010203);
    EXPECT_EQ(c.BackOver(), 0x040506);
    EXPECT_EQ(c.ForeColor(), 0x070809);
    EXPECT_EQ(c.ForeOver(), 0x0A0B0C);
    EXPECT_EQ(c.MaskColor(), 0x0D0E0F);
    EXPECT_EQ(c.PictureNormal(), pic);
    EXPECT_EQ(c.PictureOver(), pic);
    EXPECT_FALSE(c.UseMaskColor());
    EXPECT_TRUE(c.SoftBevel() && c.UseGreyscale() && c.CheckBoxBehaviour() && c.Value());
    EXPECT_EQ(c.PicturePosition(), 3);
    EXPECT_EQ(c.SpecialEffect(), 2);
    EXPECT_EQ(c.AccessKeys(), L"h");
    // The hand pointer decides the pointer, whatever was saved.
    EXPECT_EQ(c.MousePointer(), 1);
    EXPECT_EQ(c.MouseIcon(), nullptr);
    b.HandPointer(true);
    Loaded h(host, saved(b));
    EXPECT_EQ(h.b.MousePointer(), 99);
    ASSERT_NE(h.b.MouseIcon(), nullptr);
    EXPECT_EQ(h.b.MouseIcon()->type(), rt::StdPicture::Type::Cursor);
}

TEST(skinButtonProperties, HandPointerIsTheProgramsOwnCursor) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"hand", kBounds);
    b.HandPointer(true);
    ASSERT_NE(b.MouseIcon(), nullptr);
    EXPECT_NE(b.MouseIcon()->icon(), LoadCursorW(nullptr, IDC_HAND));
    SIZE size = b.MouseIcon()->size();
    EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXCURSOR));
    b.HandPointer(false);
    EXPECT_EQ(b.MousePointer(), 1);
    EXPECT_EQ(b.MouseIcon(), nullptr);
}

TEST(skinButtonProperties, DesignModeColourWritesAlsoSetTheHoverColours) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    b.BackColor(0x111111);
    b.ForeColor(0x222222);
    EXPECT_EQ(b.BackOver(), sysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.ForeOver(), sysColor(COLOR_BTNTEXT));
    host.container().setUserMode(false);
    b.BackColor(0x333333);
    b.ForeColor(0x444444);
    EXPECT_EQ(b.BackOver(), 0x333333);
    EXPECT_EQ(b.ForeOver(), 0x444444);
}

TEST(skinButtonProperties, ButtonTypeFiveIsBoldOnlyInDesignMode) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    b.ButtonType(5);
    EXPECT_FALSE(b.FontBold());
    host.container().setUserMode(false);
    b.ButtonType(4);
    EXPECT_FALSE(b.FontBold());
    b.ButtonType(5);
    EXPECT_TRUE(b.FontBold());
}

TEST(skinButtonProperties, FontSizeRoundsHalvesToEven) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    for (auto [size, read] : {std::pair{8.25, 8}, {8.5, 8}, {9.5, 10}, {10.75, 11}}) {
        b.Font()->setSize(size);
        EXPECT_EQ(b.FontSize(), read) << size;
    }
    b.FontSize(12);
    EXPECT_EQ(b.Font()->size(), 12.0);
}

TEST(skinButtonProperties, MousePointerOutsideSixteenBitsOverflows) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    b.MousePointer(99);
    host.changes.clear();
    for (int32_t bad : {32768, -32769, 100000}) {
        try {
            b.MousePointer(bad);
            ADD_FAILURE() << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 6);
        }
    }
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_TRUE(host.changes.empty());
    b.MousePointer(-32768);
    EXPECT_EQ(b.MousePointer(), -32768);
}

TEST(skinButtonProperties, MouseIconRefusingABitmapStillNotifies) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    auto icon = rt::StdPicture::fromIcon(LoadIconW(nullptr, IDI_APPLICATION), false);
    b.MouseIcon(icon);
    b.MouseIcon(rt::StdPicture::fromBitmap(CreateBitmap(2, 2, 1, 32, nullptr)));
    EXPECT_EQ(b.MouseIcon(), icon);
    EXPECT_EQ(host.changes, (std::vector<std::wstring>{L"b:MICON", L"b:MICON"}));
}

TEST(skinButtonProperties, VersionIsFixed) {
    skinButton a, b;
    EXPECT_EQ(a.Version(), L"2.0.6");
    EXPECT_EQ(b.Version(), L"2.0.6");
}

// Each keyed write notifies with its key; PicturePosition does so before it
// repaints, every other write after.
TEST(skinButtonProperties, KeyedWritesNotifyTheContainer) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    b.show();
    std::vector<std::wstring> seen;
    host.container().onPropertyChanged = [&](rt::UserControl&, const std::wstring& key) {
        seen.push_back(key + (painted(b) ? L"+" : L"-"));
    };
    auto pic = rt::StdPicture::fromBitmap(CreateBitmap(2, 2, 1, 32, nullptr));
    const std::vector<std::pair<const wchar_t*, std::function<void()>>> writes = {
        {L"BCOL+", [&] { b.BackColor(1); }},        {L"BCOLO+", [&] { b.BackOver(2); }},
        {L"FCOL+", [&] { b.ForeColor(3); }},        {L"FCOLO+", [&] { b.ForeOver(4); }},
        {L"MCOL+", [&] { b.MaskColor(5); }},        {L"BTYPE+", [&] { b.ButtonType(7); }},
        {L"TX+", [&] { b.Caption(L"x"); }},         {L"ENAB+", [&] { b.Enabled(true); }},
        {L"FONT+", [&] { b.Font(b.Font()); }},      {L"COLTYPE+", [&] { b.ColorScheme(3); }},
        {L"FOCUSR+", [&] { b.ShowFocusRect(true); }}, {L"MPTR-", [&] { b.MousePointer(1); }},
        {L"MICON-", [&] { b.MouseIcon(nullptr); }}, {L"HAND-", [&] { b.HandPointer(false); }},
        {L"SOFT+", [&] { b.SoftBevel(false); }},    {L"PICN+", [&] { b.PictureNormal(pic); }},
        {L"PICH-", [&] { b.PictureOver(pic); }},    {L"PICPOS-", [&] { b.PicturePosition(1); }},
        {L"UMCOL+", [&] { b.UseMaskColor(true); }}, {L"NGREY+", [&] { b.UseGreyscale(false); }},
        {L"FX+", [&] { b.SpecialEffect(1); }},      {L"CHECK+", [&] { b.CheckBoxBehaviour(false); }},
        {L"VALUE-", [&] { b.Value(true); }},
    };
    std::vector<std::wstring> expected;
    for (const auto& [key, write] : writes) {
        expected.push_back(key);
        mark(b);
        write();
    }
    EXPECT_EQ(seen, expected);
    // Font attributes are no keyed writes.
    seen.clear();
    b.FontBold(true);
    b.FontItalic(true);
    b.FontUnderline(true);
    b.FontSize(9);
    b.FontName(L"Arial");
    EXPECT_TRUE(seen.empty());
}

TEST(skinButtonProperties, EnabledReachesTheWindow) {
    ControlHost host;
    skinButton b;
    b.place(host.container(), L"b", kBounds);
    b.Enabled(false);
    EXPECT_FALSE(IsWindowEnabled(b.hwnd()));
    b.Enabled(true);
    EXPECT_TRUE(IsWindowEnabled(b.hwnd()));
}
