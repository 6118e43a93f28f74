// ctest-lock: settings-key
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/Settings.h"
#include "launcher/modMain.h"
#include "support/TracedProcedure.h"
#include "support/cRegistry.h"

using modFunctions::OptionBox;
using testenv::kSettingsKey;
using testenv::sz;

namespace {

// Check boxes and port box as plain values.
struct FakeControls : modFunctions::OptionControls {
    int values[4];
    std::wstring port;

    explicit FakeControls(int layoutValue = 2) : values{layoutValue, layoutValue, layoutValue, layoutValue} {}
    int checkValue(OptionBox box) override { return values[static_cast<int>(box)]; }
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

    static void store(const char* name, const std::string& text) {
        testenv::regStore(HKEY_CURRENT_USER, kSettingsKey, name, sz(text));
    }
    static auto stored(const char* name) { return testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, name); }
    static void restore(FakeControls& controls) {
        TracedProcedure p(L"frmMain", L"Form_Load", ProcKind::Form);
        modFunctions::restoreOptions(controls, p);
    }
    static void save(FakeControls& controls) {
        TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
        modFunctions::saveOptions(controls, p);
    }
};

}  // namespace

TEST_F(Settings, StoredTextsConvertAsTheRuntimeDoes) {
    // Stored text, the box's value (2: kept as laid out), whether a type mismatch is traced.
    const std::tuple<const char*, int, bool> cases[] = {
        {"true", 1, false}, {"FALSE", 0, false}, {"1", 1, false},  {"-1", 1, false},
        {"0", 0, false},    {"", 1, false},      {"yes", 2, true},
    };
    for (const auto& [text, expected, traced] : cases) {
        store("NoIntro", text);
        store("OverridePort", "True");
        FakeControls controls;
        trace.clear();
        restore(controls);
        EXPECT_EQ(controls.checkValue(OptionBox::NoIntro), expected) << text;
        EXPECT_EQ(controls.checkValue(OptionBox::OverridePort), 1) << text;  // the next ones still load
        auto m = trace.messages();
        EXPECT_EQ(std::count(m.begin(), m.end(), "Error (13):Type mismatch Formular frmMain; procedure: Form_Load\t"),
                  traced ? 1 : 0)
            << text;
    }
}

// Greyed is not checked; the port text is saved whatever its box says.
TEST_F(Settings, OnlyACheckedBoxSavesTrue) {
    FakeControls controls(1);
    controls.values[static_cast<int>(OptionBox::NoIntro)] = 2;
    controls.values[static_cast<int>(OptionBox::OverridePort)] = 0;
    controls.port = L"2300";
    save(controls);
    for (auto [name, text] : {std::pair{"NoSound", "True"}, {"NoIntro", "False"}, {"OverridePort", "False"},
                              {"DirectIpConnectivity", "True"}, {"OverridePortValue", "2300"}})
        EXPECT_EQ(stored(name), sz(text)) << name;
}
