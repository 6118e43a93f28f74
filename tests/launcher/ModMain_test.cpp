#include "launcher/modMain.h"

#include <gtest/gtest.h>

#include "support/cRegistry.h"

TEST(ModMain, AddBackslashGivesExactlyOneTrailingBackslash) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""}, {L"C:", L"C:\\"}, {L"C:\\Games", L"C:\\Games\\"}, {L"C:\\Games\\", L"C:\\Games\\"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(modMain::addBackslash(in), out) << in;
}

TEST(ModMain, UnloadReplacesTheSharedObjectsWithFreshOnes) {
    cRegistry& before = modMain::oRegistry();
    before.DefaultSectionKey(modMain::settingsKeyPath());
    EXPECT_EQ(&modMain::oRegistry(), &before);  // one shared instance until shutdown
    modMain::unloadApp();
    EXPECT_EQ(modMain::oRegistry().DefaultSectionKey(), L"");
}
