// ctest-lock: appdata
// ctest-serial
#include "launcher/IpDiscovery.h"

#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstring>

#include "common/TestEnv.h"
#include "common/TestForm.h"
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

// Keys on the shown dialog, starting in its list: Enter there answers,
// Space presses OK or Cancel; Escape, and Enter on a button, do nothing. The
// title-bar close after the keys ends the calls they leave open. Each key
// goes out once the one before was handled: the script's timer ticks only
// when no input is waiting.
TEST(SelectDialog, KeysOnTheListAndTheButtons) {
    const struct { std::vector<WORD> keys; const wchar_t* answer; bool canceled; } cases[] = {
        {{VK_RETURN}, L"192.168.0.5", false},
        {{VK_TAB, VK_SPACE}, L"192.168.0.5", false},
        {{VK_TAB, VK_TAB, VK_SPACE}, L"", true},
        {{VK_ESCAPE, VK_TAB, VK_RETURN, VK_ESCAPE, VK_TAB, VK_RETURN, VK_ESCAPE}, L"", false},
    };
    frmSelect& dialog = frmSelect::instance();
    for (const auto& c : cases) {
        std::vector<std::function<bool()>> steps{[&] {
            bool shown = dialog.isLoaded() && IsWindowVisible(dialog.hwnd());
            if (shown) SetForegroundWindow(dialog.hwnd());
            return shown;
        }};
        for (WORD vk : c.keys)
            steps.push_back([vk] {
                INPUT in[2] = {rt::keyInput(vk, false), rt::keyInput(vk, true)};
                SendInput(2, in, sizeof(INPUT));
                return true;
            });
        steps.push_back([&] { return PostMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0; });
        testenv::Script script(steps);
        std::wstring sIP = L"192.168.0.5|5.12.34.56", sDelimiter = L"|";
        EXPECT_EQ(dialog.getIP(sIP, sDelimiter), c.answer) << c.keys.size() << " keys";
        EXPECT_EQ(dialog.Canceled(), c.canceled) << c.keys.size() << " keys";
    }
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

namespace {

// Adapters as GetAdaptersInfo gives them: `adapters` records, of which
// `arriving` more appear after each of the first `growths` answers.
struct FakeAdapters {
    static inline int adapters = 0, arriving = 0, growths = 0;
    static ULONG WINAPI query(IP_ADAPTER_INFO* buffer, ULONG* size) {
        const ULONG needed = adapters * sizeof(IP_ADAPTER_INFO);
        if (growths > 0) {
            --growths;
            adapters += arriving;
        }
        if (!buffer || *size < needed) {
            *size = needed;
            return ERROR_BUFFER_OVERFLOW;
        }
        for (int i = 0; i < adapters; ++i) {
            buffer[i] = IP_ADAPTER_INFO{};
            buffer[i].Next = i + 1 < adapters ? &buffer[i + 1] : nullptr;
            std::strcpy(buffer[i].IpAddressList.IpAddress.String, ("10.0.0." + std::to_string(i + 1)).c_str());
        }
        return NO_ERROR;
    }
};

}  // namespace

// An adapter that arrives between the size asked and the read makes the
// buffer too small: asked again with the size the query gave, a few times.
TEST(AdapterIps, ReadAgainWhenAdaptersArriveMeanwhile) {
    const std::tuple<int, int, const wchar_t*> cases[] = {
        {0, 0, L"10.0.0.1"}, {1, 1, L"10.0.0.1|10.0.0.2"}, {100, 1, L""} /* ever more */};
    for (const auto& [growths, arriving, expected] : cases) {
        FakeAdapters::adapters = 1;
        FakeAdapters::growths = growths;
        FakeAdapters::arriving = arriving;
        EXPECT_EQ(modFunctions::getAdapterIps(L"|", &FakeAdapters::query), expected) << growths << " " << arriving;
    }
}
