// The modal loops: a popup menu, message boxes and modal forms, driven from
// a timer while they run.
// ctest-serial
#include <gtest/gtest.h>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "common/TestForm.h"
#include "runtime/MsgBox.h"
#include "runtime/SendKeys.h"

using namespace testenv;

namespace {

HWND menuWindow() { return FindWindowW(L"#32768", nullptr); }
HMENU menuOf(HWND menu) { return reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)); }

// A popup menu's items are found through its own window (none given).
POINT menuItemCentre(HWND menu, int position) {
    RECT r{};
    GetMenuItemRect(nullptr, menuOf(menu), position, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

TEST(PopupMenu, ListsTheVisibleEntriesAndRunsTheChosenClickBeforeReturning) {
    TestForm f;
    f.Show();
    settle();
    int listed = 0;
    bool stayedAfterDisabledClick = false;
    // Three entries listed, "Two" stays after its click and "Three" is the third:
    // the invisible "Zero" is not among them.
    Script script({
        [&] { return menuWindow() && (listed = GetMenuItemCount(menuOf(menuWindow())), true); },
        [&] { return sendClick(menuItemCentre(menuWindow(), 1)), true; },
        [&] { return stayedAfterDisabledClick = IsWindowVisible(menuWindow()), true; },
        [&] { return sendClick(menuItemCentre(menuWindow(), 2)), true; },
    });
    f.PopupMenu(L"mnuTop", 1500, 1500);
    f.events.push_back(L"returned");
    EXPECT_EQ(listed, 3);
    EXPECT_TRUE(stayedAfterDisabledClick);
    EXPECT_EQ(std::vector<std::wstring>(f.events.end() - 2, f.events.end()),
              std::vector<std::wstring>({L"mnuItem.Click 3", L"returned"}));
}

// The style's buttons (the one pressed must be there) under the title.
TEST(MsgBox, ShowsTheStylesButtonsUnderTheTitle) {
    bool hasNo = false;
    Script script({[&] {
        HWND box = FindWindowW(L"#32770", L"Question");
        hasNo = box && GetDlgItem(box, IDNO);
        return box && PostMessageW(box, WM_COMMAND, IDNO, 0);
    }});
    EXPECT_EQ(std::make_pair(rt::MsgBox(L"text", rt::vbYesNo | rt::vbQuestion, L"Question"), hasNo),
              std::make_pair(int{rt::vbNo}, true));
}

// Its owner takes no click while it runs; its own access keys still work,
// and its button's Click unloads it.
TEST(ModalForm, BlocksItsOwnerKeepsTheKeyboardHandlingThenGivesTheFocusBack) {
    TestForm owner, dialog;
    owner.Show();
    settle();
    dialog.bind = [](TestForm& f) {
        auto& cmd = f.userControl<button::skinButton>(L"cmd");
        cmd.events.Click = [&f] { f.events.push_back(L"cmd.Click"), f.Unload(); };
    };
    Script script({
        [&] {
            if (GetActiveWindow() != dialog.hwnd()) return false;
            // Beside the owner, so that the click below lands on the owner and not on it.
            RECT o{};
            GetWindowRect(owner.hwnd(), &o);
            SetWindowPos(dialog.hwnd(), nullptr, o.right, o.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return true;
        },
        [&] {
            POINT chk{16, 46};
            ClientToScreen(owner.hwnd(), &chk);
            sendClick(chk);
            return true;
        },
        [&] {
            INPUT altG[] = {rt::keyInput(VK_MENU, false), rt::keyInput('G', false), rt::keyInput('G', true),
                            rt::keyInput(VK_MENU, true)};
            return SendInput(4, altG, sizeof(INPUT)) == 4;
        },
    });
    dialog.showModal(&owner);
    EXPECT_EQ(owner.events, std::vector<std::wstring>({L"Form_Load"}));
    EXPECT_EQ(dialog.events, std::vector<std::wstring>({L"Form_Load", L"cmd.Click", L"Form_Unload"}));
    EXPECT_TRUE(IsChild(owner.hwnd(), GetFocus()));
}
