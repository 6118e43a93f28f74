#include <gtest/gtest.h>

#include "support/modIpCheck.h"

TEST(IpCheck, IsValidIpGivesTheNormalFormOrLeavesTheTextUnchanged) {
    const std::pair<const wchar_t*, const wchar_t*> accepted[] = {{L"5.0.0.1", L"5.0.0.1"}, {L"010.001.002.003", L"10.1.2.3"}};
    for (const auto& [in, normal] : accepted) {
        std::wstring s = in;
        EXPECT_TRUE(modIpCheck::isValidIp(s)) << in;
        EXPECT_EQ(s, normal);
    }
    for (const wchar_t* in : {L"4.1.1.1", L"6.1.1.1", L"256.1.1.1", L"192.168.0.0", L"10.256.1.1", L"", L"10.1.1",
                              L"10.1.1.1.1", L"10..1.1", L"10.1.1.", L"10.a.1.1", L"10.1.1.99999999999"}) {
        std::wstring s = in;
        EXPECT_FALSE(modIpCheck::isValidIp(s)) << in;
        EXPECT_EQ(s, in);
    }
}

TEST(IpCheck, FilterIpKeyKeepsDigitsDotsAndEditingKeysOnly) {
    const std::pair<int16_t, int16_t> cases[] = {{'0', '0'}, {'9', '9'}, {'.', '.'}, {',', '.'}, {8, 8},
                                                 {13, 13},   {'a', 0},   {' ', 0},   {'/', 0},   {228, 0}};
    for (auto [typed, kept] : cases) {
        int16_t key = typed;
        modIpCheck::filterIpKey(key);
        EXPECT_EQ(key, kept) << typed;
    }
}
