#pragma once
// The IP selection dialog: lets the user pick one of several local
// addresses. It asks only when two or more of the offered ones are valid.
#include <string>

#include "runtime/Form.h"

namespace button {
class skinButton;
}

class frmSelect : public rt::Form {
public:
    // The one global instance.
    static frmSelect& instance();

    frmSelect();

    // The chosen address of the list `sIP` (entries joined by sDelimiter),
    // in normal form; "" when none is valid, the user cancelled or closed the
    // dialog. A single valid entry is taken without asking.
    std::wstring getIP(std::wstring& sIP, std::wstring& sDelimiter);
    // True when the last getIP ended by Cancel.
    bool Canceled() const { return bCanceled; }

protected:
    void bindEvents() override;

private:
    rt::ListBox& lstIps() { return listBox(L"lstIps"); }
    button::skinButton& button(const wchar_t* name);

    void closeDialog(bool bCancel);
    void cmdOk_Click() { closeDialog(false); }
    void cmdCancel_Click() { closeDialog(true); }
    void lstIps_DblClick() { closeDialog(false); }
    void lstIps_KeyPress(int16_t& KeyAscii);

    bool bCanceled = false;
    std::wstring sSelectedIp;
};
