// Names crossing into the ANSI calls: only those the code page holds exactly,
// whole, reach the system.
#include <gtest/gtest.h>

#include <optional>

#include "runtime/Ansi.h"

using namespace std::string_literals;

TEST(Ansi, ANameIsConvertedOnlyWhenTheSystemWouldGetExactlyIt) {
    const std::pair<std::wstring, std::optional<std::string>> cases[] = {
        {L"C:\\a.txt", "C:\\a.txt"}, {L"\u00E9", "\xE9"}, {L"", ""},  // 1252 holds é
        {L"\u0108.txt", std::nullopt},                                  // best fit would give "C.txt"
        {L"\uFF0E\uFF0E\uFF3Cv", std::nullopt},                         // and "..\v"
        {L"keep\0other"s, std::nullopt}, {L"x\0"s, std::nullopt}};      // the system would read "keep", "x"
    for (const auto& [name, ansi] : cases) EXPECT_EQ(rt::toAnsiName(name), ansi) << testing::PrintToString(name);
}

TEST(Ansi, AListOfNamesKeepsItsSeparatorsAndFailsForAnyNameThatFails) {
    EXPECT_EQ(rt::toAnsiNameList(L"a\0\u00E9\0\0"s), "a\0\xE9\0\0"s);
    EXPECT_EQ(rt::toAnsiNameList(L""), "");
    EXPECT_EQ(rt::toAnsiNameList(L"a\0\u0108\0\0"s), std::nullopt);
}
