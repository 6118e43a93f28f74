#include "launcher/frmMain.h"

#include "launcher/Settings.h"
#include "launcher/modMain.h"
#include "runtime/App.h"
#include "support/TracedProcedure.h"

namespace {

rt::FormLayout mainLayout() {
    rt::FormLayout layout;
    layout.caption = L"tarnwicket - <VERSION>";
    layout.clientWidthTwips = 9135;
    layout.clientHeightTwips = 7320;
    layout.maxButton = false;
    layout.minButton = true;
    layout.iconResource = 1;
    return layout;
}

// The options restored at load, kept until the window has its own check boxes
// and port box, so that the unload saves them unchanged.
class HeldOptions : public modFunctions::OptionControls {
public:
    int checkValue(modFunctions::OptionBox box) const override { return values_[static_cast<int>(box)]; }
    void setCheckValue(modFunctions::OptionBox box, int value) override { values_[static_cast<int>(box)] = value; }
    std::wstring overridePortText() const override { return port_; }
    void setOverridePortText(const std::wstring& text) override { port_ = text; }
    void overridePortClicked() override {}
    void rememberOverridePort() override {}

private:
    int values_[4] = {};
    std::wstring port_;
};

HeldOptions& heldOptions() {
    static HeldOptions options;
    return options;
}

}  // namespace

frmMain& frmMain::instance() {
    static frmMain form;
    return form;
}

frmMain::frmMain() : rt::Form(mainLayout()) {}

void frmMain::Form_Load() {
    TracedProcedure p(L"frmMain", L"Form_Load", ProcKind::Form);
    p.step([&] {
        setCaption(L"tarnwicket - " + std::to_wstring(rt::App::major()) + L"." + std::to_wstring(rt::App::minor()) +
                   L"." + std::to_wstring(rt::App::revision()));
    });
    modFunctions::restoreOptions(heldOptions(), p);
}

void frmMain::Form_Unload(int& cancel) {
    TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
    modFunctions::saveOptions(heldOptions(), p);
    p.step([] { modMain::unloadApp(); });
}
