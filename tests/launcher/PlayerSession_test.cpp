// What a player's session brings beyond single clicks: a quick second click
// on a button, the end of the Windows session, a screen above 96 DPI.
// ctest-serial
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "button/skinButton.h"
#include "common/LauncherFixture.h"
#include "common/LauncherProcess.h"
#include "common/Screenshot.h"
#include "common/TestAdapters.h"
#include "common/TraceCapture.h"
#include "launcher/frmMain.h"
#include "launcher/frmSelect.h"
#include "launcher/modMain.h"
#include "resources/ResourceIds.h"
#include "runtime/Ansi.h"
#include "runtime/Image.h"
#include "support/cPathExt.h"

using namespace testenv;

namespace {

// Two left clicks in the middle of `button`: the second 100 ms after the
// first press, once `firstHandled` holds (and `between` has run), at the
// same point and within the system's double-click time, so that the system
// makes the second press a double-click press.
void quickClicks(HWND button, const std::function<bool()>& firstHandled, const std::function<void()>& between = {}) {
    RECT r{};
    GetClientRect(button, &r);
    settle(GetDoubleClickTime() + 50);  // the first press is a plain one
    doubleClick(button, r.right / 2, r.bottom / 2, firstHandled, between);
}

// One of the launcher's windows with its buttons' Clicks counted instead of
// acted on, and its load and unload doing nothing.
template <typename Window>
struct Counted : Window {
    std::vector<std::wstring> names;
    std::map<std::wstring, int> clicks;
    std::map<std::wstring, std::vector<float>> downs;  // X + Y of each MouseDown
    explicit Counted(std::vector<std::wstring> buttons) : names(std::move(buttons)) {}
    void bindEvents() override {
        Window::bindEvents();
        for (const std::wstring& name : names) {
            auto& b = this->template userControl<button::skinButton>(name);
            b.events.Click = [this, name] { ++clicks[name]; };
            b.events.MouseDown = [this, name](int16_t&, int16_t&, float& x, float& y) { downs[name].push_back(x + y); };
        }
    }
    void Form_Load() override {}
    void Form_Unload(int&) override {}
};

template <typename Window>
void expectTwoClicksOnEachButton(Counted<Window>& form) {
    form.Show();
    SetForegroundWindow(form.hwnd());
    settle();
    for (const std::wstring& name : form.names) {
        quickClicks(form.template userControl<button::skinButton>(name).hwnd(), [&] { return form.clicks[name] == 1; });
        pumpUntil([&] { return form.clicks[name] == 2; }, 2000);
        EXPECT_EQ(form.clicks[name], 2) << rt::toAnsi(name);
        // The second MouseDown is the double-click handling's, at 0, 0.
        EXPECT_EQ(form.downs[name].size(), 2u) << rt::toAnsi(name);
        EXPECT_EQ(form.downs[name].back(), 0.0f) << rt::toAnsi(name);
    }
    form.Unload();
}

struct PlayerSession : LauncherTest {
    // What the system sends at log-off: the question to each of the
    // program's windows, then the end to each; true when all agreed.
    bool endSession() const {
        const HWND windows[] = {app->anyWindow(L"Select ip"), app->anyWindow(kMainCaption)};
        bool agreed = true;
        for (UINT msg : {WM_QUERYENDSESSION, WM_ENDSESSION})
            for (HWND w : windows) {
                DWORD_PTR answer = 0;
                if (!IsWindow(w)) continue;
                SendMessageTimeoutW(w, msg, msg == WM_ENDSESSION, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer);
                if (msg == WM_QUERYENDSESSION) agreed = agreed && answer;
            }
        return agreed;
    }
};

// A trace viewer that answers the first line holding `trigger` by calling
// `answer`, while the program still waits for the line to be taken.
struct AnsweringViewer : TraceCapture {
    std::string trigger;
    std::function<void()> answer;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = TraceCapture::onMessage(msg, wParam, lParam);
        if (msg == WM_COPYDATA && answer && lines.back().find(trigger) != std::string::npos)
            std::exchange(answer, {})();
        return result;
    }
};

// The screen at `dpi` dots per inch for the programs started while it lives
// (Wine reads LogPixels when a process starts).
struct ScreenAt : ValueWhileAlive {
    explicit ScreenAt(uint8_t dpi)
        : ValueWhileAlive(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels",
                          {REG_DWORD, std::string{static_cast<char>(dpi), 0, 0, 0}}) {}
};

// At 120 DPI a pixel is 12 twips; Arial and MS Sans Serif 8.25 pt are 14
// pixels high, Arial 13.5 pt 23.
RECT at120Dpi(rt::TwipsRect t) {
    return {t.left / 12, t.top / 12, t.left / 12 + t.width / 12, t.top / 12 + t.height / 12};
}

// The block `text` takes when the platform wraps it to the width of `room`.
RECT textBlock(const wchar_t* text, HFONT font, RECT room) {
    rt::unique_hdc dc(CreateCompatibleDC(nullptr));
    rt::select_object into(dc.get(), font);
    DrawTextW(dc.get(), text, -1, &room, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_CALCRECT);
    return room;
}

struct LabelRow {
    const wchar_t* text;
    rt::TwipsRect at;
    const wchar_t* face;
    int pixels;
};

// True when `label` fits its rectangle and the window shows it there whole,
// over what `background` paints.
bool showsWhole(HWND window, const LabelRow& label, const std::function<void(HDC)>& background) {
    RECT r = at120Dpi(label.at);
    rt::unique_hfont font = fixedFont(label.pixels, FW_NORMAL, label.face);
    RECT block = textBlock(label.text, font.get(), r);
    if (block.right > r.right || block.bottom > r.bottom) return false;
    return waitFor([&] {
        return Screenshot(window).showsPainted(block, [&](HDC dc) {
            background(dc);
            rt::select_object into(dc, font.get());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextW(dc, label.text, -1, &r, DT_LEFT | DT_TOP | DT_WORDBREAK);
        });
    });
}

// Each button has its size at 120 DPI, and its caption fits beside its
// 16-pixel picture (one pixel in from each edge).
void expectCaptionsFit(HWND window, std::initializer_list<std::pair<const wchar_t*, rt::TwipsRect>> buttons) {
    for (auto [caption, twips] : buttons) {
        RECT r = at120Dpi(twips), client{};
        HWND button = childAt(window, r.left, r.top);
        ASSERT_TRUE(button && GetClientRect(button, &client)) << rt::toAnsi(caption);
        EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(r.right - r.left, r.bottom - r.top));
        RECT room{16 + 1, 1, client.right - 2, client.bottom - 2};
        RECT block = textBlock(caption, fixedFont(14, FW_NORMAL, L"Arial").get(), room);
        EXPECT_TRUE(block.right <= room.right && block.bottom <= room.bottom) << rt::toAnsi(caption);
    }
}

}  // namespace

TEST_F(PlayerSession, OptionsChangedInTheRunAreSavedWhenTheSessionEnds) {
    start({"-"});
    clickOn(kNoSound);
    clickOn(kNoIntro);
    clickOn(kOverridePort);
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(at(kPortBox)); }));
    clickOn(kPortBox);
    typeText(L"2300");
    clickOn(kDirectIp);
    ASSERT_TRUE(waitFor([&] { return SendMessageW(at(kDirectIp), BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    EXPECT_EQ(textOf(at(kPortBox)), L"2300");

    EXPECT_TRUE(endSession());
    for (auto [name, text] : {std::pair{"NoSound", "True"}, {"NoIntro", "False"}, {"OverridePort", "True"},
                              {"OverridePortValue", "2300"}, {"DirectIpConnectivity", "False"}})
        EXPECT_EQ(setting(name), sz(text)) << name;
    EXPECT_TRUE(app->ended());
}

// The main window is still loading behind the first dialog: nothing shown
// could have been changed, so nothing is stored over the options.
TEST_F(PlayerSession, TheSessionEndingDuringTheFirstDialogKeepsTheStoredOptions) {
    regStore(HKEY_CURRENT_USER, kSettingsKey, "NoSound", sz("True"));
    regStore(HKEY_CURRENT_USER, kSettingsKey, "OverridePortValue", sz("2300"));
    start({"192.168.0.5", "5.12.34.56"}, true);
    ASSERT_NE(app->window(L"Select ip"), nullptr);
    EXPECT_TRUE(endSession());
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(setting("NoSound"), sz("True"));
    EXPECT_EQ(setting("OverridePortValue"), sz("2300"));
    EXPECT_EQ(setting("NoIntro"), std::nullopt);
}

// The session ends while the main window unloads: the end comes in while
// the window's first trace line waits on the viewer. The window still saves
// every option, then goes.
TEST_F(PlayerSession, TheSessionEndingWhileTheMainWindowUnloadsLetsItSaveEveryOption) {
    AnsweringViewer viewer;  // there before the start, which looks for a viewer
    start({"-"});
    clickOn(kNoSound);
    ASSERT_TRUE(waitFor([&] { return SendMessageW(at(kNoSound), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    bool agreed = false;
    viewer.trigger = "frmMain.Form_Unload";
    viewer.answer = [&] { agreed = endSession(); };
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app->ended());
    EXPECT_TRUE(agreed);
    for (auto [name, text] : {std::pair{"NoSound", "True"}, {"NoIntro", "True"}, {"OverridePort", "False"},
                              {"OverridePortValue", ""}, {"DirectIpConnectivity", "True"}})
        EXPECT_EQ(setting(name), sz(text)) << name;
}

TEST(QuickSecondClick, CountsOnEveryButtonOfBothWindows) {
    Counted<frmMain> main({L"cmdPublicIp", L"cmdHamachiIp", L"cmdStart", L"cmdExit"});
    expectTwoClicksOnEachButton(main);
    Counted<frmSelect> dialog({L"cmdOk", L"cmdCancel"});
    expectTwoClicksOnEachButton(dialog);
}

TEST_F(PlayerSession, TwoQuickClicksOnGetHamachiIpReadTheIniTwice) {
    const std::wstring ini = hamachiFolder() + L"\\Hamachi.ini";
    CreateDirectoryW(hamachiFolder().c_str(), nullptr);
    writeFile(ini, "[Hamachi]\r\nIP=5.1.1.1,5.0.0.0\r\n");
    start({"-"});
    quickClicks(
        at(kHamachiIp), [&] { return ipText() == L"5.1.1.1"; },
        [&] { writeFile(ini, "[Hamachi]\r\nIP=5.2.2.2,5.0.0.0\r\n"); });
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.2.2.2"; })) << rt::toAnsi(ipText());
}

// The donation image takes its picture's size, 62 x 31 pixels, not the
// size its twips give (77 x 38 at 120 DPI, 85 x 42 at 132): the clicks right
// of the picture and below it open nothing; the one on its last pixel opens
// the page (and fails, as the browser is missing, which the trace tells).
TEST_F(PlayerSession, AboveNinetySixDpiTheDonationImageIsTheSizeOfItsPicture) {
    ValueWhileAlive browser(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", "",
                            sz("\"C:\\missing\\browser.exe\" \"%1\""));
    TraceCapture trace;
    // dots per inch; the image's top left corner and the "No sound" box's
    const struct { uint8_t dpi; POINT image, noSound; } screens[] = {{120, {340, 525}, {130, 280}},
                                                                  {132, {374, 577}, {143, 308}}};
    for (const auto& [perInch, image, noSound] : screens) {
        ScreenAt dpi(perInch);
        start({"-"});
        trace.clear();
        const POINT clicks[] = {{image.x + 62, image.y + 5}, {image.x + 5, image.y + 31}, {image.x + 61, image.y + 30}};
        for (POINT p : clicks) click(main, p.x, p.y);
        click(main, noSound.x + 4, noSound.y + 4);  // handled after the clicks before it
        ASSERT_TRUE(waitFor([&] { return SendMessageW(at(noSound), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        auto lines = trace.messages("tarnwicket");
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& s) { return s.rfind("mShellExecute.shellExecute", 0) == 0; }),
                  1)
            << int{perInch};
    }
}

TEST_F(PlayerSession, At120DpiTheLayoutsGrowWithTheirTexts) {
    ScreenAt dpi(120);
    start({"192.168.0.5", "5.12.34.56"}, true);
    HWND dialog = app->window(L"Select ip");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Screenshot(dialog).width() * 1000 + Screenshot(dialog).height(), 261201);
    auto face = [](HDC dc) {
        RECT all{0, 0, 1000, 1000};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    };
    EXPECT_TRUE(
        showsWhole(dialog, {L"Select the desired ip address:", {120, 240, 2895, 255}, L"MS Sans Serif", 14}, face));
    expectCaptionsFit(dialog, {{L"&Ok", {720, 1920, 1095, 375}}, {L"&Cancel", {1920, 1920, 1095, 375}}});
    RECT listAt = at120Dpi({120, 600, 2895, 1230}), list{};
    HWND lstIps = childAt(dialog, listAt.left, listAt.top);
    ASSERT_TRUE(lstIps && GetClientRect(lstIps, &list));
    EXPECT_EQ(SendMessageW(lstIps, LB_GETCOUNT, 0, 0), 2);
    EXPECT_LE(2 * SendMessageW(lstIps, LB_GETITEMHEIGHT, 0, 0), list.bottom);
    EXPECT_TRUE(Screenshot(dialog, true).save(L"select-ip-dialog-120dpi"));

    click(dialog, 720 / 12 + 20, 1920 / 12 + 12);  // "&Ok"
    main = app->window(kMainCaption);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Screenshot(main).width() * 1000 + Screenshot(main).height(), 761610);
    auto background = [](HDC dc) { drawBitmapResource(dc, IDB_BACKGROUND, 0, 0); };
    const LabelRow labels[] = {
        {L"Please type your ip address in the textbox below.", {1560, 1560, 3975, 255}, L"Arial", 14},
        {L"Enter the desired ip address", {1560, 840, 7335, 375}, L"Arial", 23},
        {L"Warnings", {1560, 4680, 3975, 255}, L"Arial", 14},
        {L"Additional", {1560, 3000, 3975, 255}, L"Arial", 14},
        {L"No intro video", {1920, 3600, 3615, 255}, L"Arial", 14},
        {L"OverridePort", {1920, 3840, 3615, 255}, L"Arial", 14},
        {L"No sound", {1920, 3360, 3615, 255}, L"Arial", 14},
        {L"Direct IP Connectivity", {1920, 4080, 3615, 255}, L"Arial", 14},
    };
    for (const LabelRow& label : labels) EXPECT_TRUE(showsWhole(main, label, background)) << rt::toAnsi(label.text);
    expectCaptionsFit(main, {{L"Get &public ip", {1560, 2280, 1935, 375}},
                             {L"Get &Hamachi ip", {3600, 2280, 1935, 375}},
                             {L"&Start game...", {5160, 6360, 1695, 375}},
                             {L"&Exit", {6960, 6360, 1695, 375}}});
    EXPECT_TRUE(Screenshot(main, true).save(L"main-window-120dpi"));
}
