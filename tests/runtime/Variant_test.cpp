#include <gtest/gtest.h>

#include "runtime/RuntimeError.h"
#include "runtime/Variant.h"

using rt::Variant;

namespace {

int errorOf(void (*f)()) {
    try {
        f();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(Variant, EmptyEqualsEmptyTextAndZero) {
    EXPECT_TRUE(Variant() == Variant(L""));
    EXPECT_TRUE(Variant() == Variant(0));
    EXPECT_FALSE(Variant() == Variant(L"0"));
    EXPECT_EQ(Variant().toString(), L"");
    EXPECT_EQ(Variant().toLong(), 0);
}

TEST(Variant, TextOfValues) {
    struct Case { Variant v; const wchar_t* text; };
    const Case cases[] = {
        {Variant(true), L"True"}, {Variant(false), L"False"}, {Variant(int16_t(-5)), L"-5"},
        {Variant(2147483647), L"2147483647"}, {Variant(8.25), L"8.25"}, {Variant(3.0), L"3"},
        {Variant(L"abc"), L"abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.v.toString(), c.text);
}

TEST(Variant, BooleanFromText) {
    struct Case { const wchar_t* text; bool value; };
    const Case cases[] = {{L"True", true}, {L"true", true}, {L"TRUE", true}, {L"False", false}, {L"fALSE", false},
                          {L"1", true}, {L"0", false}, {L"-1", true}, {L" 2.5 ", true}};
    for (const auto& c : cases) EXPECT_EQ(Variant(c.text).toBool(), c.value) << c.text;
    EXPECT_EQ(errorOf([] { (void)Variant(L"yes").toBool(); }), rt::errTypeMismatch);
    EXPECT_EQ(errorOf([] { (void)Variant(L"").toBool(); }), rt::errTypeMismatch);
}

TEST(Variant, IntegersRoundHalfEvenAndOverflow) {
    EXPECT_EQ(Variant(8.5).toInteger(), 8);
    EXPECT_EQ(Variant(9.5).toInteger(), 10);
    EXPECT_EQ(Variant(-2.5).toLong(), -2);
    EXPECT_EQ(Variant(L"&HFF").toLong(), 255);
    EXPECT_EQ(Variant(L"&HFFFF").toInteger(), -1);
    EXPECT_EQ(Variant(true).toInteger(), -1);
    EXPECT_EQ(errorOf([] { (void)Variant(32768).toInteger(); }), rt::errOverflow);
    EXPECT_EQ(errorOf([] { (void)Variant(3e9).toLong(); }), rt::errOverflow);
    EXPECT_EQ(errorOf([] { (void)Variant(L"12x").toLong(); }), rt::errTypeMismatch);
}

TEST(Variant, ListsAndObjectsHaveNoText) {
    EXPECT_EQ(errorOf([] { (void)Variant(rt::VariantList{Variant(1)}).toString(); }), rt::errTypeMismatch);
    EXPECT_EQ(errorOf([] { (void)Variant(rt::Null{}).toString(); }), rt::errInvalidUseOfNull);
}
