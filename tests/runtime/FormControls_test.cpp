// A form holding one control of each kind, driven with real input.
// ctest-serial
#include <gtest/gtest.h>

#include <algorithm>

#include "common/ControlHost.h"
#include "common/TestForm.h"

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
    txt.Text(L"1.234");      // the same text: no Change
    txt.Text(L"123456789");  // the limit is for typing only
    EXPECT_EQ(std::make_pair(txt.Text(), seen(L"txt.Change")), std::make_pair(std::wstring(L"123456789"), 6));
}

// Showing the form focuses its first tab stop; Tab follows the tab index.
TEST_F(FormControls, CheckBoxClicksAndAValidateThatKeepsTheFocus) {
    int validations = 0;
    bool cancel = true;
    f.bind = [&](TestForm& f) { f.checkBox(L"chk").Validate = [&](bool& c) { ++validations, c = cancel; }; };
    show();
    auto& chk = f.checkBox(L"chk");
    HWND first = GetFocus();
    click(f.hwnd(), 16, 46);
    int16_t checked = chk.Value();
    type(VK_TAB);
    HWND kept = GetFocus();
    cancel = false;
    type(VK_TAB);
    EXPECT_EQ(std::make_tuple(first, checked, kept, GetFocus(), validations),
              std::make_tuple(f.textBox(L"txt").hWnd(), rt::vbChecked, chk.hWnd(), f.listBox(L"lst").hWnd(), 2));
    click(f.hwnd(), 16, 46);
    EXPECT_EQ(std::make_tuple(chk.Value(), seen(L"chk.Click")), std::make_tuple(rt::vbUnchecked, 2));
}

TEST_F(FormControls, ListBoxSelectionDoubleClickAndEnter) {
    show();
    auto& lst = f.listBox(L"lst");
    for (const wchar_t* item : {L"a", L"b", L"c"}) lst.AddItem(item);
    int itemHeight = static_cast<int>(SendMessageW(lst.hWnd(), LB_GETITEMHEIGHT, 0, 0));
    doubleClick(lst.hWnd(), 20, itemHeight * 3 / 2, [&] { return lst.ListIndex() == 1; });
    EXPECT_EQ(lst.ListIndex(), 1);
    type(VK_RETURN);
    EXPECT_EQ(seen(L"lst.DblClick") * 10 + seen(L"lst.KeyPress 13"), 11);
}

TEST_F(FormControls, TheImageShowsItsPointerAndClicksOnlyWhenReleasedOverIt) {
    show();
    pointerTo(f.hwnd(), 130, 110);
    EXPECT_EQ(GetCursor(), f.image(L"img").MouseIcon()->icon());
    click(f.hwnd(), 130, 110);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    pointerTo(f.hwnd(), 300, 200);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(seen(L"img.Click"), 1);
}

// Windows without a tab index are made after the numbered ones, in the
// order of the layout, and Tab reaches them last.
TEST(FormTabOrder, ControlsWithoutATabIndexComeLastInLayoutOrder) {
    TestForm f([](rt::FormLayout& l) {
        for (rt::ControlLayout& row : l.controls)
            if (row.name == L"txt" || row.name == L"chk") row.tabIndex = -1;
    });
    f.Show();
    settle();
    const HWND txt = f.textBox(L"txt").hWnd(), chk = f.checkBox(L"chk").hWnd(), lst = f.listBox(L"lst").hWnd();
    const HWND cmd = f.control(L"cmd").hWnd();
    std::vector<HWND> made;
    for (HWND w = GetWindow(f.hwnd(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) made.push_back(w);
    std::vector<HWND> focused{GetFocus()};
    for (int i = 0; i < 4; ++i) type(VK_TAB), focused.push_back(GetFocus());
    EXPECT_EQ(made, (std::vector<HWND>{lst, cmd, txt, chk}));
    EXPECT_EQ(focused, (std::vector<HWND>{lst, cmd, txt, chk, lst}));
}
