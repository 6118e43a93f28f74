#include "runtime/Variant.h"

#include <gtest/gtest.h>

#include "common/TestEnv.h"

using rt::Variant;
using testenv::raisedError;

TEST(Variant, TextAndEquality) {
    EXPECT_TRUE(Variant() == Variant(L"") && Variant() == Variant(0));
    EXPECT_FALSE(Variant() == Variant(L"0"));
    const std::pair<Variant, const wchar_t*> cases[] = {
        {Variant(), L""},         {Variant(true), L"True"}, {Variant(int16_t(-5)), L"-5"},
        {Variant(8.25), L"8.25"}, {Variant(3.0), L"3"},     {Variant(2147483647), L"2147483647"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(v.toString(), text);
    EXPECT_EQ(raisedError([] { (void)Variant(rt::VariantList{Variant(1)}).toString(); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([] { (void)Variant(rt::Null{}).toString(); }), rt::errInvalidUseOfNull);
}

TEST(Variant, BooleanFromText) {
    const std::pair<const wchar_t*, bool> cases[] = {{L"true", true}, {L"TRUE", true}, {L"fALSE", false},
                                                     {L"0", false},   {L"-1", true},   {L" 2.5 ", true}};
    for (const auto& [text, value] : cases) EXPECT_EQ(Variant(text).toBool(), value) << text;
    EXPECT_EQ(raisedError([] { (void)Variant(L"yes").toBool(); }), rt::errTypeMismatch);
    EXPECT_EQ(raisedError([] { (void)Variant(L"").toBool(); }), rt::errTypeMismatch);
}

TEST(Variant, IntegersRoundHalfEvenAndOverflow) {
    EXPECT_EQ(Variant(8.5).toInteger(), 8);
    EXPECT_EQ(Variant(9.5).toInteger(), 10);
    EXPECT_EQ(Variant(-2.5).toLong(), -2);
    EXPECT_EQ(Variant(L"&HFFFF").toInteger(), -1);
    EXPECT_EQ(Variant(true).toInteger(), -1);
    EXPECT_EQ(raisedError([] { (void)Variant(32768).toInteger(); }), rt::errOverflow);
    EXPECT_EQ(raisedError([] { (void)Variant(3e9).toLong(); }), rt::errOverflow);
    EXPECT_EQ(raisedError([] { (void)Variant(L"12x").toLong(); }), rt::errTypeMismatch);
}
