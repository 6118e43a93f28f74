#include <gtest/gtest.h>

#include <cwctype>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"

using namespace testenv;
using button::skinButton;
using Form = std::vector<std::wstring>;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);

int32_t sysColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

struct Placed {
    skinButton b;
    Placed(ControlHost& host, const wchar_t* name = L"b", const rt::PropertyBag* bag = nullptr) {
        b.place(host.container(), name, {10, 10, 110, 35}, bag);
        b.show();
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

TEST(skinButtonProperties, DefaultsOfANewInstanceAndOfAnEmptyBag) {
    ControlHost host;
    auto font = std::make_shared<rt::StdFont>(L"Arial", 10, true);
    host.container().setFont(font);
    const rt::PropertyBag empty;
    Placed fresh(host, L"skinButton1"), loaded(host, L"loaded", &empty);
    const std::wstring face = std::to_wstring(sysColor(COLOR_BTNFACE)), text = std::to_wstring(sysColor(COLOR_BTNTEXT));
    Form want = {L"BTYPE=2", L"TX=skinButton1", L"ENAB=True", L"FONT=object", L"COLTYPE=1", L"FOCUSR=True",
                 L"BCOL=" + face, L"BCOLO=" + face, L"FCOL=" + text, L"FCOLO=" + text, L"MCOL=12632256",
                 L"MPTR=0", L"MICON=none", L"PICN=none", L"PICH=none", L"UMCOL=True", L"SOFT=False", L"PICPOS=0",
                 L"NGREY=False", L"FX=0", L"HAND=False", L"CHECK=False", L"VALUE=False"};
    EXPECT_EQ(storedForm(fresh.b), want);
    EXPECT_TRUE(*fresh.b.Font() == *font);
    EXPECT_NE(fresh.b.Font(), font);  // a font of its own
    EXPECT_EQ(fresh.b.Version(), L"2.0.6");
    want[1] = L"TX=";
    want[11] = L"MPTR=1";
    EXPECT_EQ(storedForm(loaded.b), want);
    EXPECT_EQ(host.changes, Form{L"loaded:HAND"});  // loading notifies only through HandPointer
}

// Each keyed write notifies with its key; PicturePosition does so before it
// repaints ("-"), the others that repaint after ("+"). Saved and loaded
// again, with the keys in upper or lower case, every value comes back.
TEST(skinButtonProperties, WritesNotifyAndComeBackFromTheStoredForm) {
    ControlHost host;
    Placed src(host, L"src");
    skinButton& b = src.b;
    auto pic = rt::StdPicture::fromBitmap(CreateBitmap(2, 2, 1, 32, nullptr));
    Form seen, want;
    host.container().onPropertyChanged = [&](rt::UserControl&, const std::wstring& key) {
        seen.push_back(key + (GetPixel(b.hDC(), 1, 1) != kMarker ? L"+" : L"-"));
    };
    const std::pair<const wchar_t*, std::function<void()>> writes[] = {
        {L"BCOL+", [&] { b.BackColor(0x010203); }},
        {L"BCOLO+", [&] { b.BackOver(0x040506); }},
        {L"FCOL+", [&] { b.ForeColor(0x070809); }},
        {L"FCOLO+", [&] { b.ForeOver(0x0A0B0C); }},
        {L"MCOL+", [&] { b.MaskColor(0x0D0E0F); }},
        {L"BTYPE+", [&] { b.ButtonType(9); }},
        {L"TX+", [&] { b.Caption(L"Get &Hamachi ip"); }},
        {L"ENAB+", [&] { b.Enabled(false); }},
        {L"FONT+", [&] { b.Font(std::make_shared<rt::StdFont>(L"Arial", 9)); }},
        {L"COLTYPE+", [&] { b.ColorScheme(2); }},
        {L"FOCUSR+", [&] { b.ShowFocusRect(false); }},
        {L"MPTR-", [&] { b.MousePointer(2); }},
        {L"MICON-", [&] { b.MouseIcon(nullptr); }},
        {L"HAND-", [&] { b.HandPointer(false); }},
        {L"SOFT+", [&] { b.SoftBevel(true); }},
        {L"PICN+", [&] { b.PictureNormal(pic); }},
        {L"PICH-", [&] { b.PictureOver(pic); }},
        {L"PICPOS-", [&] { b.PicturePosition(3); }},
        {L"UMCOL+", [&] { b.UseMaskColor(false); }},
        {L"NGREY+", [&] { b.UseGreyscale(true); }},
        {L"FX+", [&] { b.SpecialEffect(2); }},
        {L"CHECK+", [&] { b.CheckBoxBehaviour(true); }},
        {L"VALUE+", [&] { b.Value(true); }},
    };
    for (const auto& [key, write] : writes) {
        want.push_back(key);
        SetPixelV(b.hDC(), 1, 1, kMarker);
        write();
    }
    b.FontBold(true);  // font attributes have no key of their own
    EXPECT_EQ(seen, want);

    rt::PropertyBag bag, lower, hand;
    b.save(bag);
    EXPECT_EQ(std::get<rt::Variant>(bag.entries()[11].value).kind(), rt::Variant::Kind::Integer);
    for (auto e : bag.entries()) {
        for (auto& ch : e.key) ch = static_cast<wchar_t>(std::towlower(ch));
        lower.WriteProperty(e.key, e.value);
    }
    Placed upperLoaded(host, L"u", &bag), lowerLoaded(host, L"l", &lower);
    want = storedForm(b);
    want[11] = L"MPTR=1";  // the hand pointer decides the pointer, whatever was saved
    EXPECT_EQ(storedForm(upperLoaded.b), want);
    EXPECT_EQ(storedForm(lowerLoaded.b), want);
    EXPECT_EQ(lowerLoaded.b.FontName(), L"Arial");
    EXPECT_EQ(lowerLoaded.b.AccessKeys(), L"h");
    EXPECT_FALSE(IsWindowEnabled(lowerLoaded.b.hwnd()));
    b.HandPointer(true);
    b.save(hand);
    Placed handLoaded(host, L"h", &hand);
    EXPECT_EQ(handLoaded.b.MousePointer(), 99);
    ASSERT_NE(handLoaded.b.MouseIcon(), nullptr);
    EXPECT_EQ(handLoaded.b.MouseIcon()->type(), rt::StdPicture::Type::Cursor);
    EXPECT_NE(handLoaded.b.MouseIcon()->icon(), LoadCursorW(nullptr, IDC_HAND));  // the program's own
}

// In design mode colour writes also set the hover colours, and ButtonType 5
// makes the caption bold. FontSize reads rounded half to even; a
// MousePointer outside 16 bits overflows and changes nothing.
TEST(skinButtonProperties, WriteRules) {
    ControlHost host;
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
    for (auto [size, read] : {std::pair{8.25, 8}, {8.5, 8}, {9.5, 10}}) {
        p.b.Font()->setSize(size);
        EXPECT_EQ(p.b.FontSize(), read) << size;
    }
    rt::PropertyBag saved;
    p.b.FontBold(false);
    p.b.save(saved);
    p.b.FontBold(true);
    EXPECT_FALSE(saved.ReadFont(L"FONT", nullptr)->bold());  // the bag keeps the font as it was saved
    p.b.MousePointer(99);
    host.changes.clear();
    for (int32_t bad : {32768, -32769}) EXPECT_EQ(raisedError([&] { p.b.MousePointer(bad); }), 6) << bad;
    EXPECT_EQ(p.b.MousePointer(), 99);
    EXPECT_TRUE(host.changes.empty());
}
