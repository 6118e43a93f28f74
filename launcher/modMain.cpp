#include "launcher/modMain.h"

#include <windows.h>

#include <memory>

#include "launcher/frmMain.h"
#include "runtime/App.h"
#include "runtime/LateLibrary.h"
#include "runtime/MessagePump.h"
#include "support/TracedProcedure.h"
#include "support/cFileFunctions.h"
#include "support/cPathExt.h"
#include "support/cRegistry.h"
#include "support/cTextFiles.h"

namespace modMain {
namespace {

bool gCcInit = false;
std::wstring gAppPath;
std::unique_ptr<cPathExt> gPathExt;
std::unique_ptr<cFileFunctions> gFileFunctions;
std::unique_ptr<cTextFiles> gTextFiles;
std::unique_ptr<cRegistry> gRegistry;

// The common controls' library is loaded only once the main window shows:
// nothing on the window needs it, and loading it costs the start a tenth.
void initCommonControls() {
    if (auto* init = rt::lateFunction<void WINAPI()>(L"comctl32.dll", "InitCommonControls")) init();
}

template <typename T>
T& onFirstUse(std::unique_ptr<T>& slot) {
    if (!slot) slot = std::make_unique<T>();
    return *slot;
}

}  // namespace

std::wstring versionText() {
    return std::to_wstring(rt::App::major()) + L"." + std::to_wstring(rt::App::minor()) + L".0." +
           std::to_wstring(rt::App::revision());
}

std::wstring settingsKeyPath() { return L"Software\\mornveldt\\tools\\" + rt::App::title(); }

void Main() {
    TracedProcedure p(L"modMain", L"Main", ProcKind::Module);
    p.step([] { gAppPath = addBackslash(rt::App::path()); });
    p.step([] { oRegistry().DefaultClassKey(HKEY_CURRENT_USER_ID); });
    p.step([] { oRegistry().DefaultSectionKey(settingsKeyPath()); });
    p.step([] { oRegistry().writeKey(L"path", gAppPath, REG_SZ); });
    p.step([] { oRegistry().writeKey(L"version", versionText(), REG_SZ); });
    p.step([] { frmMain::instance().Show(); });
    p.step([] {
        initCommonControls();
        gCcInit = true;
    });
}

std::wstring addBackslash(const std::wstring& s) {
    if (!s.empty() && s.back() != L'\\') return s + L"\\";
    return s;
}

void unloadApp() {
    TracedProcedure p(L"modMain", L"unloadApp", ProcKind::Module);
    p.step([] { rt::DoEvents(); });
    p.step([] { gPathExt = std::make_unique<cPathExt>(); });
    p.step([] { gFileFunctions = std::make_unique<cFileFunctions>(); });
    p.step([] { gTextFiles = std::make_unique<cTextFiles>(); });
    p.step([] { gRegistry = std::make_unique<cRegistry>(); });
    p.step([] { rt::DoEvents(); });
}

const std::wstring& sAppPath() { return gAppPath; }
bool ccInit() { return gCcInit; }

cPathExt& oPathExt() { return onFirstUse(gPathExt); }
cFileFunctions& oFileFunctions() { return onFirstUse(gFileFunctions); }
cTextFiles& oTextFiles() { return onFirstUse(gTextFiles); }
cRegistry& oRegistry() { return onFirstUse(gRegistry); }

}  // namespace modMain
