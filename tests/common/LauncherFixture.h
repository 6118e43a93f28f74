#pragma once
// The frame of a test that starts tarnwicket.exe: the main window's control
// positions, and a fixture that starts from (and leaves) no stored settings,
// no installed game and no Hamachi ini.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/LauncherProcess.h"
#include "common/TestAdapters.h"
#include "common/TestEnv.h"
#include "launcher/GameTable.h"
#include "launcher/modMain.h"
#include "runtime/Ansi.h"
#include "support/cPathExt.h"

namespace testenv {

// Client pixels of the main window's controls at 96 DPI (top left corners).
inline constexpr POINT kIpBox{104, 128}, kPortBox{240, 256}, kPublicIp{104, 152}, kHamachiIp{240, 152},
    kStart{344, 424}, kExit{464, 424}, kNoSound{104, 224}, kNoIntro{104, 240}, kOverridePort{104, 256},
    kDirectIp{104, 272}, kDonate{272, 420};

inline std::wstring hamachiFolder() { return modMain::oPathExt().getSpecialPath(26) + L"\\Hamachi"; }

struct LauncherTest : ::testing::Test {
    std::unique_ptr<LauncherProcess> app;
    HWND main = nullptr;

    void SetUp() override {
        if (!adaptersControllable()) GTEST_SKIP() << "not inside the suite's network namespace";
        clean();
    }
    void TearDown() override {
        app.reset();
        clean();
        setTestAdapters({});
    }
    static void clean() {
        regDeleteTree(HKEY_CURRENT_USER, kSettingsKey);
        for (const GameTable::Game& game : GameTable::games())
            regDeleteTree(HKEY_LOCAL_MACHINE, rt::toAnsi(game.key->keyPath));
        removeTree(hamachiFolder());
    }
    static auto setting(const char* name) { return regStored(HKEY_CURRENT_USER, kSettingsKey, name); }

    // Starts the program with these adapter addresses; its main window (the
    // dialog shows first with two valid ones).
    void start(const std::vector<std::string>& adapters, bool expectDialog = false) {
        ASSERT_EQ(setTestAdapters(adapters).substr(0, 2), "ok");  // adapters made by other tests have no address
        app = std::make_unique<LauncherProcess>();
        ASSERT_TRUE(app->started());
        if (expectDialog) return;
        main = app->window(kMainCaption);
        ASSERT_NE(main, nullptr);
    }
    HWND at(POINT p) const { return childAt(main, p.x, p.y); }
    std::wstring ipText() const { return textOf(at(kIpBox)); }
    void clickOn(POINT p, int dx = 4, int dy = 4) const { click(main, p.x + dx, p.y + dy); }
};

}  // namespace testenv
