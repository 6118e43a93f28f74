// ctest-lock: settings-key
#include <gtest/gtest.h>

#include <vector>

#include "common/RaisedError.h"
#include "common/SettingsKey.h"
#include "common/TraceCapture.h"
#include "launcher/Settings.h"
#include "launcher/frmMain.h"
#include "launcher/modMain.h"
#include "support/TracedProcedure.h"
#include "support/cRegistry.h"

using modFunctions::OptionBox;
using testenv::StoredSetting;

namespace {

const wchar_t* boxName(OptionBox box) {
    switch (box) {
        case OptionBox::NoSound: return L"NoSound";
        case OptionBox::NoIntro: return L"NoIntro";
        case OptionBox::OverridePort: return L"OverridePort";
        default: return L"DirectIpConnectivity";
    }
}

// Check boxes and port box as plain values; every change is logged in order.
struct FakeControls : modFunctions::OptionControls {
    int values[4];
    std::wstring port;
    std::vector<std::wstring> log;

    explicit FakeControls(int layoutValue = 2) : values{layoutValue, layoutValue, layoutValue, layoutValue} {}
    int checkValue(OptionBox box) const override { return values[static_cast<int>(box)]; }
    void setCheckValue(OptionBox box, int value) override {
        values[static_cast<int>(box)] = value;
        log.push_back(std::wstring(boxName(box)) + L"=" + std::to_wstring(value));
    }
    std::wstring overridePortText() const override { return port; }
    void setOverridePortText(const std::wstring& text) override {
        port = text;
        log.push_back(L"port=" + text);
    }
    void overridePortClicked() override { log.push_back(L"click"); }
    void rememberOverridePort() override { log.push_back(L"remember"); }
};

struct SettingsTest : ::testing::Test {
    testenv::TraceCapture trace;

    void SetUp() override {
        testenv::useSettingsKeyAsDefault();
        testenv::deleteSettingsKey();
    }
    void TearDown() override { testenv::deleteSettingsKey(); }

    void restore(FakeControls& controls) {
        TracedProcedure p(L"frmMain", L"Form_Load", ProcKind::Form);
        modFunctions::restoreOptions(controls, p);
    }
    void save(const FakeControls& controls) {
        TracedProcedure p(L"frmMain", L"Form_Unload", ProcKind::Form);
        modFunctions::saveOptions(controls, p);
    }
};

StoredSetting sz(const wchar_t* text) { return {REG_SZ, text}; }

}  // namespace

TEST_F(SettingsTest, NoKeyRestoresTheDefaultsInOrder) {
    FakeControls controls;
    restore(controls);
    std::vector<std::wstring> expected = {L"NoSound=0", L"NoIntro=1", L"OverridePort=0", L"click",
                                          L"port=",     L"remember",  L"DirectIpConnectivity=1"};
    EXPECT_EQ(controls.log, expected);
    EXPECT_EQ(testenv::storedSetting(L"NoSound"), std::nullopt);  // reading creates nothing
}

TEST_F(SettingsTest, StoredTextsConvertAsTheRuntimeDoes) {
    struct Case {
        const wchar_t* stored;
        int expected;  // 2: the box keeps its layout state
        bool traced;
    } cases[] = {
        {L"true", 1, false}, {L"FALSE", 0, false}, {L"1", 1, false}, {L"-1", 1, false},
        {L"0", 0, false},    {L"", 1, false},      {L"yes", 2, true},
    };
    for (const auto& c : cases) {
        testenv::storeSetting(L"NoIntro", c.stored);
        testenv::storeSetting(L"OverridePort", L"True");
        FakeControls controls;
        trace.clear();
        restore(controls);
        EXPECT_EQ(controls.checkValue(OptionBox::NoIntro), c.expected) << c.stored;
        EXPECT_EQ(controls.checkValue(OptionBox::OverridePort), 1) << c.stored;  // the next ones still load
        bool traced = false;
        for (const auto& m : trace.messages())
            traced |= m == "Error (13):Type mismatch Formular frmMain; procedure: Form_Load\t";
        EXPECT_EQ(traced, c.traced) << c.stored;
    }
}

TEST_F(SettingsTest, ReadSettingFallsBackOnlyForMissingOrEmpty) {
    EXPECT_EQ(modFunctions::readSetting(L"NoSound").kind(), rt::Variant::Kind::String);
    EXPECT_EQ(modFunctions::readSetting(L"NoSound").toString(), L"");
    EXPECT_EQ(modFunctions::readSetting(L"NoSound", rt::Variant(L"False")).toString(), L"False");
    testenv::storeSetting(L"NoSound", L"");
    EXPECT_EQ(modFunctions::readSetting(L"NoSound", rt::Variant(L"x")).toString(), L"x");
    testenv::storeSettingDword(L"NoSound", 7);
    EXPECT_EQ(modFunctions::readSetting(L"NoSound", rt::Variant(L"x")).toLong(), 7);
    EXPECT_EQ(modMain::oRegistry().ValueKey(), L"NoSound");
}

TEST_F(SettingsTest, SavesFiveTextsFromNoKeyAndRestoresThem) {
    FakeControls cleared(0);
    cleared.port = L"2300";
    save(cleared);
    for (const wchar_t* name : {L"NoSound", L"NoIntro", L"OverridePort", L"DirectIpConnectivity"})
        EXPECT_EQ(testenv::storedSetting(name), sz(L"False")) << name;
    EXPECT_EQ(testenv::storedSetting(L"OverridePortValue"), sz(L"2300"));

    FakeControls mixed(1);
    mixed.values[static_cast<int>(OptionBox::NoIntro)] = 2;  // greyed is not checked
    save(mixed);
    EXPECT_EQ(testenv::storedSetting(L"NoSound"), sz(L"True"));
    EXPECT_EQ(testenv::storedSetting(L"NoIntro"), sz(L"False"));
    EXPECT_EQ(testenv::storedSetting(L"OverridePortValue"), sz(L""));

    FakeControls restored;
    restore(restored);
    EXPECT_EQ(std::vector<int>(restored.values, restored.values + 4), (std::vector<int>{1, 0, 1, 1}));
}

TEST_F(SettingsTest, AFailingWriteIsTracedAndTheNextOneRuns) {
    modMain::oRegistry().DefaultClassKey(0);  // no such root: every write fails
    EXPECT_EQ(testenv::raisedError([] { modFunctions::writeSetting(L"NoSound", L"True"); }), cRegistry::errRegistry);
    trace.clear();
    save(FakeControls(1));
    EXPECT_EQ(trace.messages().size(), 6u);  // the entry line and five errors
    testenv::useSettingsKeyAsDefault();
}

TEST_F(SettingsTest, TheMainWindowSavesWhatItRestored) {
    testenv::storeSetting(L"NoSound", L"1");
    testenv::storeSetting(L"NoIntro", L"false");
    testenv::storeSetting(L"OverridePortValue", L"2300");
    frmMain::instance().Load();
    frmMain::instance().Unload();
    EXPECT_EQ(testenv::storedSetting(L"NoSound"), sz(L"True"));
    EXPECT_EQ(testenv::storedSetting(L"NoIntro"), sz(L"False"));
    EXPECT_EQ(testenv::storedSetting(L"OverridePort"), sz(L"False"));
    EXPECT_EQ(testenv::storedSetting(L"OverridePortValue"), sz(L"2300"));
    EXPECT_EQ(testenv::storedSetting(L"DirectIpConnectivity"), sz(L"True"));
}
