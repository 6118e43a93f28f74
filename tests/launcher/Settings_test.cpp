// The options as the main window restores and saves them, through stand-in
// controls; the stored texts are the registry's.
// ctest-lock: settings-key
#include "launcher/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modMain.h"
#include "support/TracedProcedure.h"
#include "support/cRegistry.h"

using modFunctions::OptionBox;
using testenv::kSettingsKey;
using testenv::sz;

namespace {

// Check boxes laid out greyed (2) and the port box, as plain values; reading
// the NoSound box fails when `noSoundFails`.
struct Controls : modFunctions::OptionControls {
    int values[4] = {2, 2, 2, 2};
    std::wstring port = L"2300";
    bool noSoundFails = false;

    int checkValue(OptionBox box) override {
        if (noSoundFails && box == OptionBox::NoSound) rt::raiseStandard(rt::errInvalidCall);
        return values[static_cast<int>(box)];
    }
    void setCheckValue(OptionBox box, int value) override { values[static_cast<int>(box)] = value; }
    std::wstring overridePortText() override { return port; }
    void setOverridePortText(const std::wstring& text) override { port = text; }
    void overridePortClicked() override {}
    void rememberOverridePort() override {}
};

struct Settings : ::testing::Test {
    testenv::TraceCapture trace;

    void SetUp() override {
        modMain::oRegistry().DefaultClassKey(HKEY_CURRENT_USER_ID);  // as start-up does
        modMain::oRegistry().DefaultSectionKey(modMain::settingsKeyPath());
        testenv::regDeleteTree(HKEY_CURRENT_USER, kSettingsKey);
    }
    void TearDown() override { testenv::regDeleteTree(HKEY_CURRENT_USER, kSettingsKey); }

    static auto stored(const char* name) { return testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, name); }
};

}  // namespace

// Each box reads another text than its default says, but NoIntro's empty one.
TEST_F(Settings, StoredTextsAsTheBoxesShowThem) {
    const std::tuple<const char*, const char*, OptionBox, int> rows[] = {
        {"NoSound", "true", OptionBox::NoSound, 1},
        {"OverridePort", "1", OptionBox::OverridePort, 1},
        {"DirectIpConnectivity", "0", OptionBox::DirectIpConnectivity, 0},
        {"NoIntro", "", OptionBox::NoIntro, 1},
    };
    for (const auto& [name, text, box, value] : rows)
        testenv::regStore(HKEY_CURRENT_USER, kSettingsKey, name, sz(text));
    Controls controls;
    {
        TracedProcedure p(L"frmMain", L"Form_Load", ProcKind::Form);
        modFunctions::restoreOptions(controls, p);
    }
    for (const auto& [name, text, box, value] : rows) EXPECT_EQ(controls.checkValue(box), value) << name;
}

// A step of the unload that fails is traced, and the options after it are
// still written.
TEST_F(Settings, AFailingWriteIsTracedAndTheOthersAreStillWritten) {
    Controls controls;
    controls.values[static_cast<int>(OptionBox::DirectIpConnectivity)] = 1;
    controls.noSoundFails = true;
    {
        TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
        modFunctions::saveOptions(controls, p);
    }
    auto m = trace.messages();
    EXPECT_EQ(std::count(m.begin(), m.end(),
                         "Error (5):Invalid procedure call or argument Formular frmMain; procedure: Form_Unload\t"),
              1);
    EXPECT_EQ(stored("NoSound"), std::nullopt);
    for (auto [name, text] : {std::pair{"NoIntro", "False"}, {"OverridePort", "False"}, {"OverridePortValue", "2300"},
                              {"DirectIpConnectivity", "True"}})
        EXPECT_EQ(stored(name), sz(text)) << name;
}
