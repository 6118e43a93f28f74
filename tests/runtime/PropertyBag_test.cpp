#include "runtime/PropertyBag.h"

#include <gtest/gtest.h>

#include "common/TestEnv.h"

using rt::PropertyBag;
using rt::Variant;

TEST(PropertyBag, KeysIgnoreCaseAndKeepTheirOrder) {
    PropertyBag bag;
    bag.WriteProperty(L"BTYPE", Variant(9));
    bag.WriteProperty(L"tx", Variant(L"&Cancel"));
    bag.WriteProperty(L"btype", Variant(3));
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].key, L"BTYPE");
    EXPECT_EQ(bag.ReadProperty(L"Btype", Variant(2)).toLong(), 3);
    EXPECT_EQ(bag.ReadProperty(L"TX", Variant(L"")).toString(), L"&Cancel");
    EXPECT_EQ(bag.ReadProperty(L"missing", Variant(7)).toLong(), 7);
}

TEST(PropertyBag, ObjectsAndValuesDoNotMix) {
    PropertyBag bag;
    auto font = std::make_shared<rt::StdFont>(L"Arial", 9);
    bag.WriteProperty(L"FONT", font);
    bag.WriteProperty(L"PICN", Variant());
    bag.WriteProperty(L"TX", Variant(L"x"));
    EXPECT_EQ(bag.ReadFont(L"font", nullptr), font);
    EXPECT_EQ(bag.ReadPicture(L"picn", nullptr), nullptr);
    EXPECT_EQ(testenv::raisedError([&] { bag.ReadProperty(L"FONT", Variant()); }), 13);
    EXPECT_EQ(testenv::raisedError([&] { bag.ReadFont(L"TX", nullptr); }), 13);
}
