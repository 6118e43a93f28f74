#pragma once
// The launcher's main window.
#include "runtime/Form.h"

class frmMain : public rt::Form {
public:
    // The one global instance.
    static frmMain& instance();

    frmMain();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};
