// ctest-lock: appdata
#include "launcher/IpDiscovery.h"

#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "launcher/frmSelect.h"
#include "launcher/modMain.h"
#include "support/cPathExt.h"

// A single valid entry (an empty one and an invalid one beside it) is taken
// in normal form without showing the dialog.
TEST(SelectDialog, TakesTheOnlyValidEntryInNormalFormWithoutAsking) {
    std::wstring sIP = L"010.1.2.3||1.2.3.4", sDelimiter = L"|";
    frmSelect& dialog = frmSelect::instance();
    EXPECT_EQ(dialog.getIP(sIP, sDelimiter), L"10.1.2.3");
    EXPECT_FALSE(dialog.isLoaded());
}

// The main window's Hamachi button shows the missing, locked and unreadable
// ini files; here the choice between the lines.
TEST(Hamachi, LineTwoThenLineTenWhenItPassesTheCheck) {
    const std::wstring folder = modMain::oPathExt().getSpecialPath(26) + L"\\Hamachi";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::tuple<std::string, std::string, const wchar_t*> cases[] = {
        {"5.12.34.56", "5.99.1.1", L"5.12.34.56"},
        {"1.2.3", "IP=5.99.1.1,5.0.0.0", L"5.99.1.1"},
        {"5.012.0.1", "", L"5.012.0.1"},  // as read, not in normal form
        {"5.1.2.0", "nothing", L""},
    };
    for (const auto& [line2, line10, expected] : cases) {
        testenv::writeFile(folder + L"\\Hamachi.ini",
                           "[Hamachi]\r\n" + line2 + "\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\n" + line10 + "\r\n");
        EXPECT_EQ(modFunctions::getHamachiIp(), expected) << line2 << " / " << line10;
    }
    testenv::removeTree(folder);
}
