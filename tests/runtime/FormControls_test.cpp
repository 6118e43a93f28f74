// A form holding one control of each kind, driven with real input.
// ctest-serial
#include <gtest/gtest.h>

#include <algorithm>

#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "common/TestForm.h"
#include "runtime/SendKeys.h"

using namespace testenv;

namespace {

struct FormControls : ::testing::Test {
    TestForm f;
    int seen(const std::wstring& event) const {
        return static_cast<int>(std::count(f.events.begin(), f.events.end(), event));
    }
    void show() {
        f.Show();
        settle();
    }
};

}  // namespace

TEST_F(FormControls, TextBoxFiltersKeysLimitsTypingAndReportsRealChanges) {
    f.bind = [](TestForm& f) { f.textBox(L"txt").KeyPress = [](int16_t& k) { k = k == ',' ? '.' : k > '9' ? 0 : k; }; };
    show();
    auto& txt = f.textBox(L"txt");
    for (WORD vk : std::initializer_list<WORD>{'1', 'A', VK_OEM_COMMA, '2', '3', '4', '5'}) type(vk);
    EXPECT_EQ(std::make_pair(txt.Text(), seen(L"txt.KeyUp")), std::make_pair(std::wstring(L"1.234"), 7));
    txt.Text(L"1.234");
    EXPECT_EQ(seen(L"txt.Change"), 5);
    txt.Text(L"123456789");  // the limit is for typing only
    EXPECT_EQ(std::make_pair(txt.Text(), seen(L"txt.Change")), std::make_pair(std::wstring(L"123456789"), 6));
}

TEST_F(FormControls, CheckBoxClicksAndAValidateThatKeepsTheFocus) {
    int validations = 0;
    bool cancel = true;
    f.bind = [&](TestForm& f) { f.checkBox(L"chk").Validate = [&](bool& c) { ++validations, c = cancel; }; };
    show();
    auto& chk = f.checkBox(L"chk");
    click(f.hwnd(), 16, 46);
    int16_t checked = chk.Value();
    type(VK_TAB);
    HWND kept = GetFocus();
    cancel = false;
    type(VK_TAB);
    EXPECT_EQ(std::make_tuple(checked, kept, GetFocus(), validations),
              std::make_tuple(rt::vbChecked, chk.hWnd(), f.listBox(L"lst").hWnd(), 2));
    click(f.hwnd(), 16, 46);
    EXPECT_EQ(chk.Value(), rt::vbUnchecked);
    chk.Value(rt::vbGrayed);
    EXPECT_EQ(raisedError([&] { chk.Value(3); }), rt::errInvalidPropertyValue);
    EXPECT_EQ(seen(L"chk.Click"), 3);
}

TEST_F(FormControls, ListBoxSelectionDoubleClickAndEnter) {
    show();
    auto& lst = f.listBox(L"lst");
    for (const wchar_t* item : {L"a", L"b", L"c"}) lst.AddItem(item);
    int itemHeight = static_cast<int>(SendMessageW(lst.hWnd(), LB_GETITEMHEIGHT, 0, 0));
    click(lst.hWnd(), 20, itemHeight * 3 / 2);
    EXPECT_EQ(lst.ListIndex(), 1);
    click(lst.hWnd(), 20, itemHeight * 3 / 2);
    type(VK_RETURN);
    EXPECT_EQ(seen(L"lst.DblClick") * 10 + seen(L"lst.KeyPress 13"), 11);
    EXPECT_EQ(raisedError([&] { lst.List(3); }), rt::errInvalidPropertyArrayIndex);
}

TEST_F(FormControls, WindowlessControlsDrawOverTheBackgroundAndTheImageClicks) {
    show();
    auto pixel = [&](int x, int y) {
        rt::unique_hdc_window dc(f.hwnd());
        return GetPixel(dc.get(), x, y);
    };
    // Background, image, both ends of the line, the label's empty right part.
    EXPECT_EQ(
        std::vector<COLORREF>({pixel(300, 200), pixel(121, 101), pixel(10, 140), pixel(110, 140), pixel(215, 74)}),
        std::vector<COLORREF>({kBackground, kRed, kRed, kRed, kBackground}));
    f.label(L"lbl").Caption(L"Other");
    RECT dirty{};
    GetUpdateRect(f.hwnd(), &dirty, FALSE);
    EXPECT_EQ(std::vector<LONG>({dirty.left, dirty.top, dirty.right, dirty.bottom}),
              std::vector<LONG>({120, 60, 220, 77}));
    pointerTo(f.hwnd(), 130, 110);
    EXPECT_EQ(GetCursor(), f.image(L"img").MouseIcon()->icon());
    click(f.hwnd(), 130, 110);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    pointerTo(f.hwnd(), 300, 200);
    mouseButton(MOUSEEVENTF_LEFTUP);  // released elsewhere: no click
    EXPECT_EQ(seen(L"img.Click"), 1);
}

TEST_F(FormControls, TabOrderFollowsTheTabIndex) {
    show();
    std::vector<HWND> order;
    for (int i = 0; i < 5; ++i, type(VK_TAB)) order.push_back(GetFocus());
    HWND txt = f.textBox(L"txt").hWnd(), cmd = f.userControl<rt::UserControl>(L"cmd").hwnd();
    EXPECT_EQ(order, std::vector<HWND>({txt, f.checkBox(L"chk").hWnd(), f.listBox(L"lst").hWnd(), cmd, txt}));
    rt::SendKeys(L"+{Tab}");  // back from the check box
    settle();
    EXPECT_EQ(GetFocus(), txt);
}
