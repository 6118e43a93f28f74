// tarnwicket.exe started and driven as a player drives it: real clicks and
// keys, checked by what its windows show, what it stores, what the games and
// the browser receive, and its trace.
// ctest-serial
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>

#include "common/ControlHost.h"
#include "common/FakeGame.h"
#include "common/LauncherFixture.h"
#include "common/LauncherProcess.h"
#include "common/Screenshot.h"
#include "common/TestAdapters.h"
#include "common/TestForm.h"
#include "common/TraceCapture.h"
#include "launcher/GameTable.h"
#include "launcher/modMain.h"
#include "resources/ResourceIds.h"
#include "runtime/Ansi.h"
#include "runtime/TextBox.h"
#include "support/cPathExt.h"

using namespace testenv;

namespace {

// The alert line: its sign at the left, its text from kAlertText on.
const RECT kAlertLine{80, 336, 593, 361}, kStatusIcon{376, 127, 392, 143};
constexpr int kAlertText = 104;

// A popup menu as it must look: the picture of these entries (disabled in
// brackets) shown by this program at `at`.
std::optional<Screenshot> referenceMenu(POINT at, const std::vector<std::wstring>& entries) {
    TestForm owner;
    owner.Load();
    rt::unique_hmenu menu(CreatePopupMenu());
    for (size_t i = 0; i < entries.size(); ++i) {
        bool grey = entries[i].front() == L'(';
        std::wstring caption = grey ? entries[i].substr(1, entries[i].size() - 2) : entries[i];
        AppendMenuW(menu.get(), MF_STRING | (grey ? MF_GRAYED : MF_ENABLED), i + 1, caption.c_str());
    }
    std::optional<Screenshot> reference;
    Script script({[&] {
        HWND shown = FindWindowW(L"#32768", nullptr);
        if (!shown || !IsWindowVisible(shown)) return false;
        UpdateWindow(shown);  // visible is not yet painted
        reference.emplace(shown, true);
        EndMenu();
        return true;
    }});
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner.hwnd(), nullptr);
    return reference;
}

// The fake game registered as the web browser while it lives.
struct Browser {
    std::wstring exe;
    bool installed = installFakeGame(exe);
    ValueWhileAlive command{HKEY_CLASSES_ROOT, "https\\shell\\open\\command", "",
                            sz(rt::toAnsi(L"\"" + exe + L"\" \"%1\""))};
    explicit Browser(std::wstring path) : exe(std::move(path)) {}
};

// The settings key cannot be created while it lives: a volatile parent key
// refuses ordinary subkeys. Its own parent is made an ordinary key first.
struct VolatileTools {
    static constexpr char kTools[] = "Software\\mornveldt\\tools";
    VolatileTools() {
        regDeleteTree(HKEY_CURRENT_USER, kTools);
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\mornveldt", &key) == ERROR_SUCCESS) RegCloseKey(key);
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kTools, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) == ERROR_SUCCESS)
            RegCloseKey(key);
    }
    ~VolatileTools() { regDeleteTree(HKEY_CURRENT_USER, kTools); }
};

// Options a player stored, all of them other than the defaults.
const std::pair<const char*, const char*> kPlayersOptions[] = {{"NoSound", "True"},
                                                               {"NoIntro", "False"},
                                                               {"OverridePort", "True"},
                                                               {"OverridePortValue", "2300"},
                                                               {"DirectIpConnectivity", "False"}};

struct MainWindow : LauncherTest {
    TempDir root{L"e2e"};
    TraceCapture trace;
    DWORD lastPress = 0;

    // Game `index` installed in `folder` (under the test's root), its executable the fake game.
    std::wstring install(int index, const std::wstring& folder, const char* version = "1.0") {
        const GameTable::Game& game = *GameTable::gameAt(index);
        std::wstring dir = root.file(folder) + L"\\";
        std::string key = rt::toAnsi(game.key->keyPath);
        regStore(HKEY_LOCAL_MACHINE, key, rt::toAnsi(game.key->folderValue), sz(rt::toAnsi(dir)));
        regStore(HKEY_LOCAL_MACHINE, key, "Version", sz(version));
        EXPECT_TRUE(installFakeGame(dir + game.executables.front()));
        return dir + game.executables.front();
    }
    static void storeSetting(const char* name, const RegValue& v) { regStore(HKEY_CURRENT_USER, kSettingsKey, name, v); }
    static void storePlayersOptions() {
        for (auto [name, text] : kPlayersOptions) storeSetting(name, sz(text));
    }
    static void expectPlayersOptionsStored() {
        for (auto [name, text] : kPlayersOptions) EXPECT_EQ(setting(name), sz(text)) << name;
    }

    bool startEnabled() const { return IsWindowEnabled(at(kStart)); }
    bool isChecked(POINT box) const { return SendMessageW(at(box), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // Clicks a button of the main window; a second click soon after would be a double click.
    void press(POINT button) {
        pumpUntil([&] { return GetTickCount() - lastPress > GetDoubleClickTime(); }, 1000);
        clickOn(button, 40, 12);
        lastPress = GetTickCount();
    }
    // Clicks into a box, empties it and types `text`, all as input, so each
    // step is handled after the one before.
    void retype(POINT box, const std::wstring& text) const {
        clickOn(box);
        type(VK_END);
        key(VK_SHIFT, false);
        type(VK_HOME);
        key(VK_SHIFT, true);
        type(VK_DELETE);
        typeText(text);
    }

    // The alert line as the user sees it, `alert` beside the warning sign or
    // nothing when "", and the status icon beside the address box when one is given.
    bool shows(const std::wstring& alert, int statusIcon = 0) const {
        rt::unique_hfont arial = fixedFont(11, FW_NORMAL, L"Arial");  // 8.25 points at 96 dots per inch
        auto draw = [&](HDC dc) {
            if (!alert.empty()) drawIconResource(dc, IDI_ALERT, kAlertLine.left, kAlertLine.top);
            if (statusIcon) drawIconResource(dc, statusIcon, kStatusIcon.left, kStatusIcon.top);
            RECT text{kAlertText, kAlertLine.top, kAlertLine.right, kAlertLine.bottom};
            rt::select_object font(dc, arial.get());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextW(dc, alert.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_WORDBREAK);
        };
        return waitFor([&] {
            Screenshot shot(main);
            return shot.shows(kAlertLine, IDB_BACKGROUND, draw) &&
                   (!statusIcon || shot.shows(kStatusIcon, IDB_BACKGROUND, draw));
        });
    }
    // Presses Start; the game menu's window once it shows.
    HWND gameMenu() {
        press(kStart);
        HWND menu = nullptr;
        EXPECT_TRUE(waitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }));
        return menu;
    }
    // Clicks the entry at `position` of the game menu: six entries of equal
    // height between thin borders.
    static void choose(HWND menu, int position) {
        RECT r{};
        GetWindowRect(menu, &r);
        sendClick({r.left + 30, r.top + (r.bottom - r.top) * (2 * position + 1) / 12});
    }
    // Clicks "&Exit"; true once the program has ended.
    bool exitClicked() {
        press(kExit);
        return app->ended();
    }
};

}  // namespace

TEST_F(MainWindow, OnlyAgeOfMythologyAndNoAddressThenTypingAndTheOptions) {
    install(2, L"aom");
    start({"-"});
    EXPECT_EQ(textOf(main), L"tarnwicket - 1.6.3");
    EXPECT_EQ(Screenshot(main).width() * 1000 + Screenshot(main).height(), 609488);
    EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX), WS_MINIMIZEBOX);
    EXPECT_EQ(setting("version"), sz("1.6.0.3"));
    EXPECT_EQ(setting("path"), sz(rt::toAnsi(buildDir()) + "\\"));

    EXPECT_EQ(ipText(), L"");
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(shows(L"The ip isn't correct!", IDI_CROSS));

    // Letters and signs are refused, commas become full stops.
    retype(kIpBox, L"a-x");
    EXPECT_EQ(ipText(), L"");
    typeText(L"5,12,0,1");
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.12.0.1" && startEnabled(); })) << rt::toAnsi(ipText());
    EXPECT_TRUE(shows(L"", IDI_TICK));

    // The port box takes digits only, at most five, and only while OverridePort is checked.
    EXPECT_FALSE(IsWindowEnabled(at(kPortBox)));
    EXPECT_EQ(textOf(at(kPortBox)), L"");
    clickOn(kOverridePort);
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(at(kPortBox)); }));
    retype(kPortBox, L"2a3b0,0.59");
    EXPECT_TRUE(waitFor([&] { return textOf(at(kPortBox)) == L"23005"; })) << rt::toAnsi(textOf(at(kPortBox)));
    clickOn(kOverridePort);
    EXPECT_TRUE(waitFor([&] { return !IsWindowEnabled(at(kPortBox)); }));
    EXPECT_EQ(textOf(at(kPortBox)), L"23005");
    clickOn(kNoSound);
    clickOn(kDirectIp);
    EXPECT_TRUE(Screenshot(main, true).save(L"main-window"));

    // A click on the donation image opens the page in the browser.
    Browser browser(root.file(L"browser.exe"));
    clickOn(kDonate, 30, 15);
    auto opened = waitForLaunch(browser.exe);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->arguments, "\"https://www.mornveldt.net/tarnwicket/donate.html?version=1.6.0.3&donate=1\"");

    ASSERT_TRUE(exitClicked());
    for (auto [name, text] : {std::pair{"NoSound", "True"}, {"NoIntro", "True"}, {"OverridePort", "False"},
                              {"OverridePortValue", "23005"}, {"DirectIpConnectivity", "False"}})
        EXPECT_EQ(setting(name), sz(text)) << name;
    auto lines = trace.messages("tarnwicket");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](auto& s) { return s.rfind("Error (", 0) == 0; }), 0);
}

TEST_F(MainWindow, NothingInstalledStoredDataOfAnyShapeAndTheHamachiButton) {
    // A folder the ANSI registry calls cannot name: the game is not found.
    std::wstring greek = root.file(std::wstring(200, L'\u03a9'));
    installFakeGame(greek + L"\\aomx.exe");
    SHSetValueW(HKEY_LOCAL_MACHINE, GameTable::gameAt(3)->key->keyPath, L"AppPath", REG_SZ, greek.c_str(),
                static_cast<DWORD>((greek.size() + 1) * sizeof(wchar_t)));
    regStore(HKEY_LOCAL_MACHINE, rt::toAnsi(GameTable::gameAt(3)->key->keyPath), "Version", sz("1.0"));
    const std::string longPort(100000, '9');
    storeSetting("NoSound", {REG_DWORD, std::string("\1\0\0\0", 4)});
    storeSetting("NoIntro", sz(std::string(100000, 'x')));
    storeSetting("OverridePort", {REG_BINARY, "\x80\xff\x00junk"});
    storeSetting("OverridePortValue", sz(longPort));
    storeSetting("DirectIpConnectivity", sz("yes"));
    start({"-"});
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(shows(L"None of the supported Age of Empires versions could be detected!"));
    // What cannot be read as True or False leaves the box as laid out.
    EXPECT_TRUE(isChecked(kNoSound));
    for (POINT box : {kNoIntro, kOverridePort, kDirectIp}) EXPECT_FALSE(isChecked(box));
    EXPECT_EQ(textOf(at(kPortBox)), std::wstring(rt::TextBox::kShownCharacters, L'9'));  // its head only

    // A valid address hides the message; Start stays disabled.
    retype(kIpBox, L"5.1.2.3");
    EXPECT_TRUE(shows(L""));
    EXPECT_FALSE(startEnabled());

    // No Hamachi: the box empties and says so; pressed again on the empty box, the Hamachi message stays.
    press(kHamachiIp);
    EXPECT_TRUE(waitFor([&] { return ipText().empty(); }));
    EXPECT_TRUE(shows(L"The ip isn't correct!"));
    press(kHamachiIp);
    EXPECT_TRUE(shows(L"Hamachi doesn't seem to be installed!"));

    // An ini file held open by another program cannot be read: the address stays.
    std::wstring ini = hamachiFolder() + L"\\Hamachi.ini";
    CreateDirectoryW(hamachiFolder().c_str(), nullptr);
    writeFile(ini, "[Hamachi]\r\n5.12.34.56\r\n");
    retype(kIpBox, L"5.1.2.3");
    {
        rt::unique_hfile held(CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_TRUE(shows(L""));
        press(kHamachiIp);
        EXPECT_TRUE(shows(L"Hamachi doesn't seem to be installed!"));
        EXPECT_EQ(ipText(), L"5.1.2.3");
    }
    writeFile(ini, "[Hamachi]\r\nIP=5.12.34.56,5.0.0.0\r\n");
    press(kHamachiIp);
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.12.34.56"; })) << rt::toAnsi(ipText());
    EXPECT_TRUE(shows(L""));
    EXPECT_TRUE(Screenshot(main, true).save(L"main-window-nothing-installed"));

    ASSERT_TRUE(exitClicked());
    EXPECT_EQ(setting("OverridePortValue"), sz(longPort));  // nothing lost
    auto lines = trace.messages("tarnwicket");
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "Error (13):Type mismatch Formular frmMain; procedure: Form_Load\t"), 3);
}

TEST_F(MainWindow, TheGameMenuStartsTheChosenGameWithTheStoredOptions) {
    install(0, L"aoe2");
    std::wstring aom = install(2, L"aom", "1.0"), aoe3 = install(4, L"aoe3");
    for (auto [name, text] : {std::pair{"NoSound", "True"}, {"NoIntro", "False"}, {"OverridePort", "True"},
                              {"OverridePortValue", "2300"}})
        storeSetting(name, sz(text));
    start({"5.12.34.56"});
    EXPECT_TRUE(ipText() == L"5.12.34.56" && startEnabled() && shows(L"", IDI_TICK));
    EXPECT_TRUE(IsWindowEnabled(at(kPortBox)));  // the stored options show in the command line below

    // The popup opens just under Start's left edge and never lists the Age of Empires II entries.
    POINT under{kStart.x, kStart.y + 25};
    ClientToScreen(main, &under);
    pointerTo(main, kStart.x + 40, kStart.y + 12);
    std::optional<Screenshot> reference =
        referenceMenu(under, {L"Age Of Mythology", L"(Age Of Mythology: The Titans)", L"Age Of Empires III",
                              L"(Age Of Empires III: The Warchiefs)", L"(Age Of Empires III: Tha Asian Dynasties)",
                              L"(Age Of Empires III: Napoleonic Era (Mod))"});
    ASSERT_TRUE(reference);
    auto chooseGame = [&](int position) {
        HWND menu = gameMenu();
        ASSERT_TRUE(menu);
        RECT r{};
        GetWindowRect(menu, &r);
        EXPECT_EQ(std::make_pair(r.left, r.top), std::make_pair(under.x, under.y));
        EXPECT_TRUE(waitFor([&] { return Screenshot(menu, true) == *reference; }));  // once painted
        choose(menu, position);  // the same picture as the reference
    };
    chooseGame(2);
    auto launched = waitForLaunch(aoe3);
    ASSERT_TRUE(launched);
    EXPECT_EQ(launched->arguments, " +NoSound OverrideAddress=\"5.12.34.56\" OverridePort=\"2300\"");
    EXPECT_EQ(launched->workingFolder + "\\", rt::toAnsi(root.file(L"aoe3\\")));

    // A failing start shows the alert; the next good one hides it.
    EXPECT_TRUE(DeleteFileW(aoe3.c_str()));
    chooseGame(2);
    EXPECT_TRUE(shows(L"There was an error starting the game!"));
    EXPECT_TRUE(Screenshot(main, true).save(L"main-window-start-failed"));
    installFakeGame(aoe3);
    chooseGame(2);
    EXPECT_TRUE(waitForLaunch(aoe3));
    EXPECT_TRUE(shows(L""));

    // Age of Mythology before patch 1.01: the message first, then the game.
    chooseGame(0);
    HWND box = app->window(L"tarnwicket");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)),
              L"The OverrideAdress-feature only works with patch 1.01 or higher installed!");
    RECT ok{};
    GetWindowRect(GetDlgItem(box, IDOK), &ok);
    sendClick({(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
    EXPECT_TRUE(waitForLaunch(aom));
    ASSERT_TRUE(exitClicked());
}

TEST_F(MainWindow, TheDialogChoosesAmongSeveralAddresses) {
    install(4, L"aoe3");
    // An adapter's second address is not offered.
    start({"192.168.0.5", "-", "5.12.34.56+5.12.34.57", "192.168.0.5"}, true);
    HWND dialog = app->window(L"Select ip");
    ASSERT_NE(dialog, nullptr);
    HWND hidden = app->anyWindow(kMainCaption);
    EXPECT_TRUE(hidden && !IsWindowVisible(hidden));
    auto centre = [](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return std::make_pair((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    RECT screen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    auto [x, y] = centre(dialog);
    EXPECT_LE(std::abs(x - screen.right / 2) + std::abs(y - screen.bottom / 2), 2);
    EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    HWND list = childAt(dialog, 8, 40);
    std::wstring entries;
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[32] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries += text + std::wstring(L"|");
    }
    EXPECT_EQ(entries, L"192.168.0.5|5.12.34.56|192.168.0.5|");
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(Screenshot(dialog, true).save(L"select-ip-dialog"));

    // OK with nothing selected takes the first entry.
    click(dialog, 48 + 36, 128 + 12);
    main = app->window(kMainCaption);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(waitFor([&] { return ipText() == L"192.168.0.5"; }));

    // "Get public ip" asks again, over the main window: each way of answering.
    // Each answer puts another address into the box than the one before.
    auto ask = [&](const std::function<void(HWND)>& answer, const std::wstring& expected) {
        press(kPublicIp);
        HWND d = app->window(L"Select ip");
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(centre(d), centre(main));
        answer(d);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(d) && ipText() == expected; })) << rt::toAnsi(ipText());
    };
    ask([&](HWND d) {
        HWND list = childAt(d, 8, 40);
        doubleClick(list, 12, 20, [&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 1; });
    }, L"5.12.34.56");
    ask([&](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, L"");
    ask([&](HWND d) {
        click(d, 20, 40 + 6);
        type(VK_DOWN);
        type(VK_RETURN);
    }, L"5.12.34.56");
    ask([&](HWND d) { click(d, 128 + 36, 128 + 12); }, L"");
    EXPECT_TRUE(shows(L"The ip isn't correct!"));
    EXPECT_FALSE(startEnabled());

    // Later a single valid address: taken without asking.
    ASSERT_EQ(setTestAdapters({"5.99.1.1"}).substr(0, 2), "ok");
    press(kPublicIp);
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.99.1.1"; })) << rt::toAnsi(ipText());
    EXPECT_EQ(app->anyWindow(L"Select ip"), nullptr);
    EXPECT_TRUE(startEnabled());
    ASSERT_TRUE(exitClicked());
}

// Tab goes round the ten controls that take the focus in their tab order;
// the buttons' access keys press them.
TEST_F(MainWindow, TheKeyboardTabsRoundTheControlsAndTheAccessKeysPressTheButtons) {
    install(4, L"aoe3");
    storeSetting("OverridePort", sz("True"));  // the port box takes the focus then
    start({"5.12.34.56"});
    DWORD thread = GetWindowThreadProcessId(main, nullptr);
    auto focus = [&] {
        GUITHREADINFO info{sizeof info};
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    clickOn(kIpBox);
    ASSERT_TRUE(waitFor([&] { return focus() == at(kIpBox); }));
    const POINT order[] = {kPublicIp, kHamachiIp, kNoSound, kNoIntro, kOverridePort,
                           kPortBox,  kStart,     kExit,    kDirectIp, kIpBox};
    for (POINT next : order) {
        type(VK_TAB);
        EXPECT_TRUE(waitFor([&] { return focus() == at(next); })) << next.x << "," << next.y;
    }

    auto alt = [](WORD letter) {
        key(VK_MENU, false);
        type(letter);
        key(VK_MENU, true);
    };
    ASSERT_EQ(setTestAdapters({"5.99.1.1"}).substr(0, 2), "ok");
    alt('P');
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.99.1.1"; })) << rt::toAnsi(ipText());
    CreateDirectoryW(hamachiFolder().c_str(), nullptr);
    writeFile(hamachiFolder() + L"\\Hamachi.ini", "[Hamachi]\r\n5.12.34.56\r\n");
    alt('H');
    EXPECT_TRUE(waitFor([&] { return ipText() == L"5.12.34.56"; })) << rt::toAnsi(ipText());
    alt('S');
    HWND menu = nullptr;
    EXPECT_TRUE(waitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }));
    type(VK_ESCAPE);
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(menu); }));
    alt('E');
    EXPECT_TRUE(app->ended());
}

// A settings key that cannot be created: each value the program writes costs
// one trace line, the window shows all the same and closing it ends the program.
TEST_F(MainWindow, ASettingsKeyThatCannotBeWrittenIsTracedValueByValue) {
    VolatileTools tools;
    start({"-"});
    EXPECT_EQ(setting("path"), std::nullopt);
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(app->ended());
    std::vector<std::string> errors;
    for (const std::string& line : trace.messages("tarnwicket"))
        if (line.rfind("Error (", 0) == 0) errors.push_back(line);
    const char* const values[] = {"path", "version", "NoSound", "NoIntro", "OverridePort", "OverridePortValue",
                                  "DirectIpConnectivity"};
    ASSERT_EQ(errors.size(), std::size(values));
    for (size_t i = 0; i < errors.size(); ++i) {
        EXPECT_NE(errors[i].find(std::string("Key: '") + values[i] + "' to value"), std::string::npos) << errors[i];
        EXPECT_TRUE(errors[i].ends_with(i < 2 ? " Modul modMain; procedure: Main\t"
                                              : " Formular frmMain; procedure: Form_Unload\t"))
            << errors[i];
    }
}

// A close from outside (the task list's, say) that comes while the launcher
// waits for the player's answer takes effect once the answer is given:
// while the patch message is up, the game still gets the player's switches;
// while the first dialog is up, the options the window has not read yet are
// not stored over. Then the program ends.
TEST_F(MainWindow, ACloseWhileThePatchMessageIsUpStartsThePlayersGameThenEnds) {
    const std::wstring aom = install(2, L"aom", "1.0");
    storePlayersOptions();
    start({"5.12.34.56"});
    choose(gameMenu(), 0);
    HWND box = app->window(L"tarnwicket");
    ASSERT_NE(box, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);  // handled after the close
    auto launched = waitForLaunch(aom);
    ASSERT_TRUE(launched);
    EXPECT_EQ(launched->arguments, " +NoSound OverrideAddress=\"5.12.34.56\" OverridePort=\"2300\"");
    EXPECT_TRUE(app->ended());
    expectPlayersOptionsStored();
}

TEST_F(MainWindow, ACloseWhileTheFirstDialogIsUpKeepsTheStoredOptionsThenEnds) {
    storePlayersOptions();
    start({"192.168.0.5", "5.12.34.56"}, true);
    HWND dialog = app->window(L"Select ip");
    ASSERT_NE(dialog, nullptr);
    PostMessageW(app->anyWindow(kMainCaption), WM_CLOSE, 0, 0);
    click(dialog, 48 + 36, 128 + 12);  // "&Ok", handled after the close
    EXPECT_TRUE(app->ended());
    expectPlayersOptionsStored();
}
