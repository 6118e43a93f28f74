#include <gtest/gtest.h>

#include "support/modIpCheck.h"

TEST(IpCheck, IsValidIpGivesTheNormalFormOrLeavesTheTextUnchanged) {
    const std::pair<const wchar_t*, const wchar_t*> accepted[] = {{L"5.0.0.1", L"5.0.0.1"},
                                                                  {L"010.001.002.003", L"10.1.2.3"}};
    for (const auto& [in, normal] : accepted) {
        std::wstring s = in;
        EXPECT_EQ(std::make_pair(modIpCheck::isValidIp(s), s), std::make_pair(true, std::wstring(normal)));
    }
    for (const wchar_t* in : {L"4.1.1.1", L"6.1.1.1", L"256.1.1.1", L"192.168.0.0", L"10.1.1", L"10..1.1", L"10.a.1.1",
                              L"10.1.1.99999999999"}) {
        std::wstring s = in;
        EXPECT_EQ(std::make_pair(modIpCheck::isValidIp(s), s), std::make_pair(false, std::wstring(in)));
    }
}

// Digits, full stops, commas and other signs typed into the box: the main window's tests.
TEST(IpCheck, FilterIpKeyKeepsBackspaceAndEnter) {
    for (int16_t typed : {8, 13}) {
        int16_t key = typed;
        modIpCheck::filterIpKey(key);
        EXPECT_EQ(key, typed);
    }
}
