#include "launcher/frmMain.h"

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
    layout.icon = LoadIconW(rt::App::hInstance(), MAKEINTRESOURCEW(1));
    return layout;
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
}

void frmMain::Form_Unload(int& cancel) {
    TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
    p.step([] { modMain::unloadApp(); });
}
