#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "runtime/Variant.h"

using rt::Variant;

// A narrow literal (or any pointer) must not pass for a Boolean.
static_assert(!std::is_constructible_v<Variant, const char*> && !std::is_constructible_v<Variant, int*>);

// Empty, Booleans and integers as text show in the trace lines; "True" and
// "False" in the settings; an Integer's overflow in the button's properties.
TEST(Variant, ConversionsAndEquality) {
    EXPECT_TRUE(Variant() == Variant(L"") && Variant() == Variant(0) && !(Variant() == Variant(L"0")));
    for (auto [number, text] : {std::pair{8.25, L"8.25"}, {3.0, L"3"}}) EXPECT_EQ(Variant(number).toString(), text);
    // Whole numbers round half to even; four hexadecimal digits are a 16-bit number.
    const std::pair<Variant, int32_t> wholes[] = {{8.5, 8}, {9.5, 10}, {L"&HFFFF", -1}};
    for (const auto& [v, whole] : wholes) EXPECT_EQ(v.toLong(), whole) << v.toString();
    EXPECT_EQ(testenv::raisedError([] { (void)Variant(L"12x").toLong(); }), rt::errTypeMismatch);
    // An Integer holds -32768 to 32767, after rounding half to even.
    const std::pair<Variant, int32_t> integers[] = {{32767, 0}, {-32768, 0}, {-32768.5, 0}, {32768, rt::errOverflow},
                                                    {-32769, rt::errOverflow}, {32767.5, rt::errOverflow}};
    for (const auto& [v, error] : integers)
        EXPECT_EQ(testenv::raisedError([&] { (void)v.toInteger(); }), error) << v.toString();
}
