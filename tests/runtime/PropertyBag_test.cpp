#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "runtime/PropertyBag.h"

using rt::PropertyBag;
using rt::Variant;

// Case-insensitive keys, order and defaults show in the button's stored form;
// here: a rewrite in another case keeps the first place, and reading an object
// as a plain value, or the reverse, is a type mismatch.
TEST(PropertyBag, RewriteKeepsItsPlaceAndKindsDoNotMix) {
    PropertyBag bag;
    bag.WriteProperty(L"BTYPE", Variant(9));
    bag.WriteProperty(L"FONT", std::make_shared<rt::StdFont>(L"Arial", 9));
    bag.WriteProperty(L"btype", Variant(3));
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].key, L"BTYPE");
    EXPECT_EQ(bag.ReadProperty(L"Btype", Variant(2)).toLong(), 3);
    EXPECT_EQ(testenv::raisedError([&] { bag.ReadProperty(L"FONT", Variant()); }), 13);
    EXPECT_EQ(testenv::raisedError([&] { bag.ReadFont(L"BTYPE", nullptr); }), 13);
}
