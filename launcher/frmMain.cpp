#include "launcher/frmMain.h"

#include <memory>

#include "button/skinButton.h"
#include "launcher/DonationLink.h"
#include "launcher/IpDiscovery.h"
#include "launcher/StoredButton.h"
#include "launcher/modMain.h"
#include "resources/ResourceIds.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "support/TracedProcedure.h"
#include "support/mShellExecute.h"
#include "support/modIpCheck.h"

namespace {

using rt::ControlKind;

constexpr int16_t kAgeOfMythology = 2;
constexpr int32_t kShowDefault = 10;

rt::PictureRef icon16(int resource) { return rt::StdPicture::fromIconResource(resource, 16); }

std::vector<rt::ControlLayout> mainControls() {
    auto arial = std::make_shared<rt::StdFont>(L"Arial", 8.25);
    auto title = std::make_shared<rt::StdFont>(L"Arial", 13.5);
    auto button = rt::newUserControl<button::skinButton>;
    auto description = [&](int16_t index, rt::TwipsRect at, const wchar_t* text, int tabIndex) {
        return rt::ControlLayout{.kind = ControlKind::Label, .name = L"lblDescription", .index = index, .at = at,
                                 .text = text, .font = arial, .tabIndex = tabIndex};
    };
    // clang-format off
    return {
        {.kind = ControlKind::TextBox, .name = L"txtIp", .at = {1560, 1920, 3975, 230}, .text = L"255.255.255.255",
         .font = arial, .tabIndex = 0, .maxLength = 15},
        {.kind = ControlKind::User, .name = L"cmdPublicIp", .at = {1560, 2280, 1935, 375}, .tabIndex = 1,
         .properties = StoredButton::bag(L"cmdPublicIp"), .create = button},
        {.kind = ControlKind::User, .name = L"cmdHamachiIp", .at = {3600, 2280, 1935, 375}, .tabIndex = 2,
         .properties = StoredButton::bag(L"cmdHamachiIp"), .create = button},
        {.kind = ControlKind::CheckBox, .name = L"chkNoSound", .at = {1560, 3360, 195, 195}, .tabIndex = 3},
        {.kind = ControlKind::CheckBox, .name = L"chkNoIntro", .at = {1560, 3600, 195, 195}, .tabIndex = 4},
        {.kind = ControlKind::CheckBox, .name = L"chkOverridePort", .at = {1560, 3840, 195, 195}, .tabIndex = 5},
        {.kind = ControlKind::TextBox, .name = L"txtOverridePort", .at = {3600, 3840, 1935, 230}, .font = arial,
         .tabIndex = 6, .maxLength = 5},
        {.kind = ControlKind::User, .name = L"cmdStart", .at = {5160, 6360, 1695, 375}, .tabIndex = 7,
         .properties = StoredButton::bag(L"cmdStart"), .create = button},
        {.kind = ControlKind::User, .name = L"cmdExit", .at = {6960, 6360, 1695, 375}, .tabIndex = 8,
         .properties = StoredButton::bag(L"cmdExit"), .create = button},
        description(0, {1560, 1560, 3975, 255}, L"Please type your ip address in the textbox below.", 9),
        {.kind = ControlKind::Label, .name = L"lblTitle", .at = {1560, 840, 7335, 375},
         .text = L"Enter the desired ip address", .font = title, .tabIndex = 10},
        {.kind = ControlKind::Label, .name = L"lblAlert", .at = {1560, 5040, 7335, 375}, .text = L"error",
         .font = arial, .tabIndex = 11},
        description(1, {1560, 4680, 3975, 255}, L"Warnings", 12),
        description(2, {1560, 3000, 3975, 255}, L"Additional", 13),
        description(3, {1920, 3600, 3615, 255}, L"No intro video", 14),
        description(4, {1920, 3840, 3615, 255}, L"OverridePort", 15),
        description(5, {1920, 3360, 3615, 255}, L"No sound", 16),
        {.kind = ControlKind::CheckBox, .name = L"chkDirectIpConnectivity", .at = {1560, 4080, 195, 195},
         .tabIndex = 17},
        description(6, {1920, 4080, 3615, 255}, L"Direct IP Connectivity", 18),
        {.kind = ControlKind::Image, .name = L"imgIp", .at = {5640, 1905, 240, 240}, .picture = icon16(IDI_CROSS)},
        {.kind = ControlKind::Image, .name = L"imgOk", .at = {6000, 1920, 240, 240}, .visible = false,
         .picture = icon16(IDI_TICK)},
        {.kind = ControlKind::Image, .name = L"imgError", .at = {6360, 1920, 240, 240}, .visible = false,
         .picture = icon16(IDI_CROSS)},
        {.kind = ControlKind::Image, .name = L"imgAlert", .at = {1200, 5040, 240, 240}, .picture = icon16(IDI_ALERT)},
        {.kind = ControlKind::Image, .name = L"imgPayPal", .at = {4080, 6300, 930, 465},
         .picture = rt::StdPicture::fromBitmapResource(IDB_DONATE), .mousePointer = rt::vbCustom,
         .mouseIcon = rt::StdPicture::fromCursorResource(IDC_HAND_POINTER)},
        {.kind = ControlKind::Line, .name = L"linSeperator", .index = 0, .at = {1560, 3240, 3960, 0},
         .lineColor = 0xE0E0E0},
        {.kind = ControlKind::Line, .name = L"linSeperator", .index = 1, .at = {1560, 4920, 3960, 0},
         .lineColor = 0xE0E0E0},
    };
    // clang-format on
}

// The popup lists the entries of the games 2 to 7 only.
std::vector<rt::MenuLayout> gameMenu() {
    std::vector<rt::MenuLayout> menus{{.name = L"mnuGames", .caption = L"", .visible = false}};
    for (const GameTable::Game& game : GameTable::games())
        menus.push_back({.name = L"mnuGame", .index = static_cast<int16_t>(game.index), .caption = game.caption,
                         .parent = L"mnuGames", .visible = game.index >= 2});
    return menus;
}

rt::FormLayout mainLayout() {
    rt::FormLayout l{.caption = L"tarnwicket - <VERSION>",
                     .clientWidthTwips = 9135,
                     .clientHeightTwips = 7320,
                     .maxButton = false,
                     .iconResource = IDI_APP,
                     .picture = rt::StdPicture::fromBitmapResource(IDB_BACKGROUND)};
    l.controls = mainControls();
    l.menus = gameMenu();
    return l;
}

const wchar_t* optionBoxName(modFunctions::OptionBox box) {
    static const wchar_t* const names[] = {L"chkNoSound", L"chkNoIntro", L"chkOverridePort",
                                           L"chkDirectIpConnectivity"};
    return names[static_cast<int>(box)];
}

}  // namespace

frmMain& frmMain::instance() {
    static frmMain form;
    return form;
}

frmMain::frmMain() : rt::Form(mainLayout()) {}

button::skinButton& frmMain::button(const wchar_t* name) { return userControl<button::skinButton>(name); }

void frmMain::bindEvents() {
    txtIp().KeyPress = [this](int16_t& KeyAscii) { txtIp_KeyPress(KeyAscii); };
    txtIp().Change = [this] { txtIp_Change(); };
    txtIp().KeyUp = [this](int16_t&, int16_t&) { txtIp_KeyUp(); };
    txtOverridePort().KeyPress = [this](int16_t& KeyAscii) { txtOverridePort_KeyPress(KeyAscii); };
    txtOverridePort().Change = [this] { txtOverridePort_Change(); };
    chkOverridePort().Click = [this] { chkOverridePort_Click(); };
    chkOverridePort().Validate = [this](bool& Cancel) { chkOverridePort_Validate(Cancel); };
    cmdStart().events.Click = [this] { cmdStart_Click(); };
    button(L"cmdExit").events.Click = [this] { cmdExit_Click(); };
    button(L"cmdPublicIp").events.Click = [this] { cmdPublicIp_Click(); };
    button(L"cmdHamachiIp").events.Click = [this] { cmdHamachiIp_Click(); };
    image(L"imgPayPal").Click = [this] { imgPayPal_Click(); };
    for (int16_t i = 0; i < GameTable::kGameCount; ++i) menu(L"mnuGame", i).Click = [this, i] { mnuGame_Click(i); };
}

void frmMain::Form_Load() {
    TracedProcedure p(L"frmMain", L"Form_Load", ProcKind::Form);
    games = {};
    sIp.clear();
    sOverridePort.clear();
    p.step([&] { showError(L"", false); });
    p.step([&] {
        setCaption(L"tarnwicket - " + std::to_wstring(rt::App::major()) + L"." + std::to_wstring(rt::App::minor()) +
                   L"." + std::to_wstring(rt::App::revision()));
    });
    // With two or more adapter addresses the dialog asks here, before this window is seen.
    p.step([&] { txtIp().Text(modFunctions::selectAdapterIp()); });
    p.step([&] { sIp = txtIp().Text(); });
    p.step([&] { validateIP(); });
    modFunctions::detectGames(games, p);
    if (!anyGameDetected()) {
        p.step([&] { cmdStart().Enabled(false); });
        p.step([&] { showError(L"None of the supported Age of Empires versions could be detected!", true); });
    } else {
        for (int16_t i = 0; i < GameTable::kGameCount; ++i)
            p.step([&] { menu(L"mnuGame", i).Enabled(games[static_cast<size_t>(i)].detected); });
        p.step([&] { cmdStart().Enabled(modIpCheck::isValidIp(sIp)); });
    }
    modFunctions::restoreOptions(*this, p);
}

void frmMain::Form_Unload(int& cancel) {
    TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
    modFunctions::saveOptions(*this, p);
    p.step([] { modMain::unloadApp(); });
}

bool frmMain::anyGameDetected() const {
    for (const modFunctions::GameRecord& game : games)
        if (game.detected) return true;
    return false;
}

void frmMain::showError(const std::wstring& sMessage, bool bShow) {
    TracedProcedure p(L"frmMain", L"showError", ProcKind::Form);
    p.step([&] { image(L"imgAlert").Visible(bShow); });
    p.step([&] { label(L"lblAlert").Visible(bShow); });
    p.step([&] { label(L"lblAlert").Caption(bShow ? sMessage : L""); });
}

// The box's own text stays as typed: only a copy is brought into normal form.
void frmMain::validateIP() {
    TracedProcedure p(L"frmMain", L"validateIP", ProcKind::Form);
    bool ok = false;
    p.step([&] {
        std::wstring copy = txtIp().Text();
        ok = modIpCheck::isValidIp(copy);
    });
    p.step([&] { image(L"imgIp").Picture(image(ok ? L"imgOk" : L"imgError").Picture()); });
    p.step([&] {
        if (anyGameDetected()) cmdStart().Enabled(ok);
    });
    p.step([&] { showError(ok ? L"" : L"The ip isn't correct!", !ok); });
}

void frmMain::txtIp_KeyPress(int16_t& KeyAscii) {
    modIpCheck::filterIpKey(KeyAscii);
    validateIP();
}

void frmMain::txtOverridePort_KeyPress(int16_t& KeyAscii) {
    modFunctions::filterPortKey(KeyAscii);
    sOverridePort = txtOverridePort().Text();
}

// The port box keeps its text while it is disabled.
void frmMain::chkOverridePort_Click() { txtOverridePort().Enabled(chkOverridePort().Value() == rt::vbChecked); }

void frmMain::cmdStart_Click() {
    TracedProcedure p(L"frmMain", L"cmdStart_Click", ProcKind::Form);
    p.step([&] { sIp = txtIp().Text(); });
    p.step([&] {
        const rt::Control& start = control(L"cmdStart");
        PopupMenu(L"mnuGames", start.Left(), start.Top() + start.Height());
    });
}

void frmMain::cmdPublicIp_Click() { txtIp().Text(modFunctions::selectAdapterIp()); }

// An ini file that cannot be read (held open by another program, say) gets
// the same message; the address in the box stays as it is.
void frmMain::cmdHamachiIp_Click() {
    std::wstring ip;
    try {
        ip = modFunctions::getHamachiIp();
    } catch (const std::exception&) {  // run-time errors and running out of memory alike
        showError(L"Hamachi doesn't seem to be installed!", true);
        return;
    }
    if (ip.empty())
        showError(L"Hamachi doesn't seem to be installed!", true);
    else
        showError(L"", false);
    txtIp().Text(ip);
}

void frmMain::mnuGame_Click(int16_t Index) {
    TracedProcedure p(L"frmMain", L"mnuGame_Click", ProcKind::Form);
    const modFunctions::GameRecord& game = games.at(static_cast<size_t>(Index));
    bool started = false;
    p.step([&] { sIp = txtIp().Text(); });
    p.step([&] {
        if (Index == kAgeOfMythology && modFunctions::isBeforePatch101(game.version))
            rt::MsgBox(L"The OverrideAdress-feature only works with patch 1.01 or higher installed!", rt::vbInformation,
                       rt::App::title());
    });
    p.step([&] {
        std::wstring port = isChecked(L"chkOverridePort") ? sOverridePort : L"";
        started = modFunctions::startGame(game.file, game.folder, L"", Index, sIp, port, isChecked(L"chkNoIntro"),
                                          isChecked(L"chkNoSound"), isChecked(L"chkDirectIpConnectivity"));
    });
    p.step([&] {
        if (started)
            showError(L"", false);
        else
            showError(L"There was an error starting the game!", true);
    });
}

// What the shell makes of the page (no browser, say) is not looked at.
void frmMain::imgPayPal_Click() {
    mShellExecute::shellExecute(modFunctions::getDonateUrl(), kShowDefault, L"", L"", L"open", 0);
}

int frmMain::checkValue(modFunctions::OptionBox box) { return checkBox(optionBoxName(box)).Value(); }

void frmMain::setCheckValue(modFunctions::OptionBox box, int value) {
    checkBox(optionBoxName(box)).Value(static_cast<int16_t>(value));
}
