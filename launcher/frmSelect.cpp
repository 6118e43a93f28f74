#include "launcher/frmSelect.h"

#include <vector>

#include "button/skinButton.h"
#include "launcher/StoredButton.h"
#include "resources/ResourceIds.h"
#include "support/TextParts.h"
#include "support/modIpCheck.h"

namespace {

using rt::ControlKind;

rt::FormLayout selectLayout() {
    rt::FormLayout l{.caption = L"Select ip",
                     .clientWidthTwips = 3135,
                     .clientHeightTwips = 2415,
                     .maxButton = false,
                     .minButton = false,
                     .startUpPosition = rt::StartUpPosition::CenterOwner,
                     .iconResource = IDI_APP};
    auto button = rt::newUserControl<button::skinButton>;
    // clang-format off
    l.controls = {
        {.kind = ControlKind::ListBox, .name = L"lstIps", .at = {120, 600, 2895, 1230}, .tabIndex = 0},
        {.kind = ControlKind::User, .name = L"cmdOk", .at = {720, 1920, 1095, 375}, .tabIndex = 1,
         .properties = StoredButton::bag(L"cmdOk"), .create = button},
        {.kind = ControlKind::User, .name = L"cmdCancel", .at = {1920, 1920, 1095, 375}, .tabIndex = 2,
         .properties = StoredButton::bag(L"cmdCancel"), .create = button},
        {.kind = ControlKind::Label, .name = L"lblDescription", .at = {120, 240, 2895, 255},
         .text = L"Select the desired ip address:", .tabIndex = 3},
    };
    // clang-format on
    return l;
}

constexpr int16_t kEnter = 13;

}  // namespace

frmSelect& frmSelect::instance() {
    static frmSelect form;
    return form;
}

frmSelect::frmSelect() : rt::Form(selectLayout()) {}

button::skinButton& frmSelect::button(const wchar_t* name) { return userControl<button::skinButton>(name); }

void frmSelect::bindEvents() {
    button(L"cmdOk").events.Click = [this] { cmdOk_Click(); };
    button(L"cmdCancel").events.Click = [this] { cmdCancel_Click(); };
    lstIps().DblClick = [this] { lstIps_DblClick(); };
    lstIps().KeyPress = [this](int16_t& KeyAscii) { lstIps_KeyPress(KeyAscii); };
}

// The dialog is only loaded when it has something to ask.
std::wstring frmSelect::getIP(std::wstring& sIP, std::wstring& sDelimiter) {
    bCanceled = false;
    sSelectedIp.clear();
    std::vector<std::wstring> valid;
    for (std::wstring part : TextParts::split(sIP, sDelimiter))
        if (modIpCheck::isValidIp(part)) valid.push_back(part);
    if (valid.size() == 1) sSelectedIp = valid.front();
    if (valid.size() >= 2) {
        for (const std::wstring& ip : valid) lstIps().AddItem(ip);
        showModal();
    }
    std::wstring result = bCanceled ? L"" : sSelectedIp;
    Unload();
    return result;
}

void frmSelect::closeDialog(bool bCancel) {
    bCanceled = bCancel;
    int selected = lstIps().ListIndex();
    if (selected >= 0)
        sSelectedIp = lstIps().List(selected);
    else
        sSelectedIp = lstIps().ListCount() > 0 ? lstIps().List(0) : L"";
    Unload();
}

void frmSelect::lstIps_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == kEnter) closeDialog(false);
}
