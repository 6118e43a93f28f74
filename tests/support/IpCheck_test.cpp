#include <gtest/gtest.h>

#include "support/modIpCheck.h"

TEST(IpCheck, IsValidIpGivesTheNormalFormOrLeavesTheTextUnchanged) {
    const std::pair<const wchar_t*, const wchar_t*> accepted[] = {
        {L"5.0.0.1", L"5.0.0.1"}, {L"010.001.002.003", L"10.1.2.3"}, {L"255.255.255.255", L"255.255.255.255"}};
    for (const auto& [in, normal] : accepted) {
        std::wstring s = in;
        EXPECT_EQ(std::make_pair(modIpCheck::isValidIp(s), s), std::make_pair(true, std::wstring(normal)));
    }
    // Each place's bounds, then the count of parts: none, three, five, empty ones, a "." at either end.
    for (const wchar_t* in : {L"4.1.1.1", L"6.1.1.1", L"9.1.1.1", L"0.1.2.3", L"256.1.1.1", L"10.256.1.1",
                              L"10.1.256.1", L"192.168.0.0", L"10.1.1.256", L"", L"10", L"10.1.1", L"10.1.1.1.1",
                              L"10..1.1", L"...", L"10.1.1.", L"10.1.1.1.", L".10.1.1.1", L"10.a.1.1",
                              L"10.1.1.99999999999"}) {
        std::wstring s = in;
        EXPECT_EQ(std::make_pair(modIpCheck::isValidIp(s), s), std::make_pair(false, std::wstring(in)));
    }
}

TEST(IpCheck, FilterIpKeyKeepsDigitsDotBackspaceAndEnterMakesCommaADotAndDropsTheRest) {
    auto filtered = [](wchar_t typed) {
        int16_t key = static_cast<int16_t>(typed);
        modIpCheck::filterIpKey(key);
        return key;
    };
    for (wchar_t typed : std::wstring(L"0123456789.\b\r")) EXPECT_EQ(filtered(typed), typed) << int(typed);
    EXPECT_EQ(filtered(L','), L'.');
    for (wchar_t typed : std::wstring(L"aZ -+/:;\t\n\x7f\xe9\x0660")) EXPECT_EQ(filtered(typed), 0) << int(typed);
}
