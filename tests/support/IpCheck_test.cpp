#include <gtest/gtest.h>

#include "support/modIpCheck.h"

namespace {

struct IpCase {
    const wchar_t* in;
    bool valid;
    const wchar_t* normal;  // the text afterwards
};

TEST(IpCheck, IsValidIpAcceptsAndNormalisesOrLeavesTheTextAlone) {
    const IpCase cases[] = {
        {L"5.0.0.1", true, L"5.0.0.1"},
        {L"10.0.0.1", true, L"10.0.0.1"},
        {L"255.255.255.255", true, L"255.255.255.255"},
        {L"192.168.0.1", true, L"192.168.0.1"},
        {L"010.001.002.003", true, L"10.1.2.3"},
        {L"0000000000010.0.0.00000000001", true, L"10.0.0.1"},
        // first part: 5 or 10-255 only
        {L"4.1.1.1", false, L"4.1.1.1"},
        {L"9.1.1.1", false, L"9.1.1.1"},
        {L"0.1.2.3", false, L"0.1.2.3"},
        {L"1.2.3.4", false, L"1.2.3.4"},
        {L"256.1.1.1", false, L"256.1.1.1"},
        // fourth part not 0, no part above 255
        {L"192.168.0.0", false, L"192.168.0.0"},
        {L"10.1.1.256", false, L"10.1.1.256"},
        {L"10.256.1.1", false, L"10.256.1.1"},
        {L"10.1.256.1", false, L"10.1.256.1"},
        // part counts and empty parts
        {L"", false, L""},
        {L"10", false, L"10"},
        {L"10.1.1", false, L"10.1.1"},
        {L"10.1.1.1.1", false, L"10.1.1.1.1"},
        {L"10..1.1", false, L"10..1.1"},
        {L".10.1.1", false, L".10.1.1"},
        {L"10.1.1.", false, L"10.1.1."},
        {L"10.1.1.1.", false, L"10.1.1.1."},
        // letters, signs, blanks, eleven digits
        {L"10.a.1.1", false, L"10.a.1.1"},
        {L"ab.cd.ef.gh", false, L"ab.cd.ef.gh"},
        {L"10.1.1.-1", false, L"10.1.1.-1"},
        {L"10.1.1.99999999999", false, L"10.1.1.99999999999"},
        {L"10.1.1.\"1", false, L"10.1.1.\"1"},
    };
    for (const auto& c : cases) {
        std::wstring s = c.in;
        EXPECT_EQ(modIpCheck::isValidIp(s), c.valid) << c.in;
        EXPECT_EQ(s, c.normal) << c.in;
    }
}

TEST(IpCheck, FilterIpKeyKeepsDigitsDotsAndEditingKeysOnly) {
    const struct {
        int16_t typed;
        int16_t kept;
    } cases[] = {
        {'0', '0'}, {'5', '5'}, {'9', '9'}, {'.', '.'}, {',', '.'}, {8, 8}, {13, 13},
        {'a', 0},   {' ', 0},   {'/', 0},   {':', 0},   {27, 0},    {0, 0}, {228, 0},
    };
    for (const auto& c : cases) {
        int16_t key = c.typed;
        modIpCheck::filterIpKey(key);
        EXPECT_EQ(key, c.kept) << c.typed;
    }
}

}  // namespace
