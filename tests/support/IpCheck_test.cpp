#include <gtest/gtest.h>

#include "support/modIpCheck.h"

TEST(IpCheck, IsValidIpGivesTheNormalFormOrLeavesTheTextUnchanged) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {  // no normal form: refused
        {L"5.0.0.1", L"5.0.0.1"}, {L"255.255.255.255", L"255.255.255.255"}, {L"010.001.002.003", L"10.1.2.3"},
        {L"0000000010.0.0.01", L"10.0.0.1"}, {L"4.1.1.1", nullptr},   {L"0.1.2.3", nullptr},
        {L"256.1.1.1", nullptr},  {L"192.168.0.0", nullptr}, {L"10.1.1.256", nullptr}, {L"10.256.1.1", nullptr},
        {L"", nullptr},           {L"10.1.1", nullptr},     {L"10.1.1.1.1", nullptr}, {L"10..1.1", nullptr},
        {L"10.1.1.", nullptr},    {L"10.a.1.1", nullptr},   {L"10.1.1.-1", nullptr},  {L"10.1.1.99999999999", nullptr},
    };
    for (const auto& [in, normal] : cases) {
        std::wstring s = in;
        EXPECT_EQ(modIpCheck::isValidIp(s), normal != nullptr) << in;
        EXPECT_EQ(s, normal ? normal : in);
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
