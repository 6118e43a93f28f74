#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "runtime/PropertyBag.h"
#include "runtime/Variant.h"

using rt::Variant;
using testenv::raisedError;

// A narrow literal (or any pointer) must not pass for a Boolean.
static_assert(!std::is_constructible_v<Variant, const char*> && !std::is_constructible_v<Variant, int*>);

TEST(Variant, ConversionsAndEquality) {
    EXPECT_TRUE(Variant() == Variant(L"") && Variant() == Variant(0) && !(Variant() == Variant(L"0")));
    // Empty, Booleans and integers as text show in the trace lines; "True" and "False" in the settings.
    for (auto [number, text] : {std::pair{8.25, L"8.25"}, {3.0, L"3"}}) EXPECT_EQ(Variant(number).toString(), text);
    EXPECT_TRUE(Variant(L" 2.5 ").toBool());
    // Whole numbers round half to even; four hexadecimal digits are a 16-bit number.
    const std::pair<Variant, int32_t> wholes[] = {{8.5, 8}, {9.5, 10}, {-2.5, -2}, {L"&HFFFF", -1}};
    for (const auto& [v, whole] : wholes) EXPECT_EQ(v.toLong(), whole) << v.toString();
}

TEST(Variant, MismatchAndOverflowRaiseTheirErrors) {
    EXPECT_EQ(raisedError([] { (void)Variant(L"").toBool(); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([] { (void)Variant(L"12x").toLong(); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([] { (void)Variant(rt::VariantList{Variant(1)}).toString(); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([] { (void)Variant(rt::Null{}).toString(); }), rt::errInvalidUseOfNull);
    EXPECT_EQ(raisedError([] { (void)Variant(32768).toInteger(); }), rt::errOverflow);
    EXPECT_EQ(raisedError([] { (void)Variant(3e9).toLong(); }), rt::errOverflow);
}

// Case-insensitive keys, order and defaults show in the button's stored form;
// here: a rewrite in another case keeps the first place, and reading an object
// as a plain value, or the reverse, is a type mismatch.
TEST(PropertyBag, RewriteKeepsItsPlaceAndKindsDoNotMix) {
    rt::PropertyBag bag;
    bag.WriteProperty(L"BTYPE", Variant(9));
    bag.WriteProperty(L"FONT", std::make_shared<rt::StdFont>(L"Arial", 9));
    bag.WriteProperty(L"btype", Variant(3));
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].key, L"BTYPE");
    EXPECT_EQ(bag.ReadProperty(L"Btype", Variant(2)).toLong(), 3);
    EXPECT_EQ(raisedError([&] { bag.ReadProperty(L"FONT", Variant()); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([&] { bag.ReadFont(L"BTYPE", nullptr); }), rt::errTypeMismatch);
}
