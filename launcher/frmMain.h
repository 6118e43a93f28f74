#pragma once
// The launcher's main window: the proposed IP address, the options, the
// game menu under "&Start game..." and the alert line for every message.
#include <cstdint>
#include <string>

#include "launcher/Settings.h"
#include "launcher/modFunctions.h"
#include "runtime/Form.h"

namespace button {
class skinButton;
}

class frmMain : public rt::Form, private modFunctions::OptionControls {
public:
    // The one global instance.
    static frmMain& instance();

    frmMain();

protected:
    void bindEvents() override;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    rt::TextBox& txtIp() { return textBox(L"txtIp"); }
    rt::TextBox& txtOverridePort() { return textBox(L"txtOverridePort"); }
    rt::CheckBox& chkOverridePort() { return checkBox(L"chkOverridePort"); }
    button::skinButton& button(const wchar_t* name);
    button::skinButton& cmdStart() { return button(L"cmdStart"); }
    bool isChecked(const wchar_t* checkBoxName) { return checkBox(checkBoxName).Value() == rt::vbChecked; }
    bool anyGameDetected() const;

    void showError(const std::wstring& sMessage, bool bShow);
    void validateIP();

    void txtIp_KeyPress(int16_t& KeyAscii);
    void txtIp_Change() { validateIP(); }
    void txtIp_KeyUp() { validateIP(); }
    void txtOverridePort_KeyPress(int16_t& KeyAscii);
    void txtOverridePort_Change() { sOverridePort = txtOverridePort().Text(); }
    void chkOverridePort_Click();
    void chkOverridePort_Validate(bool& Cancel) { chkOverridePort_Click(); }
    void cmdStart_Click();
    void cmdExit_Click() { Unload(); }
    void cmdPublicIp_Click();
    void cmdHamachiIp_Click();
    void mnuGame_Click(int16_t Index);
    void imgPayPal_Click();

    // The options, as the settings see them.
    int checkValue(modFunctions::OptionBox box) override;
    void setCheckValue(modFunctions::OptionBox box, int value) override;
    std::wstring overridePortText() override { return txtOverridePort().Text(); }
    void setOverridePortText(const std::wstring& text) override { txtOverridePort().Text(text); }
    void overridePortClicked() override { chkOverridePort_Click(); }
    void rememberOverridePort() override { sOverridePort = txtOverridePort().Text(); }

    modFunctions::GameRecords games;
    std::wstring sIp;            // the address last taken from txtIp
    std::wstring sOverridePort;  // txtOverridePort's text
};
