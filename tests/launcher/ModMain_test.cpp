#include <gtest/gtest.h>

#include "launcher/modMain.h"
#include "support/cRegistry.h"

TEST(ModMain, AddBackslashGivesExactlyOneTrailingBackslash) {
    struct Case { const wchar_t* in; const wchar_t* out; };
    const Case cases[] = {
        {L"", L""}, {L"C:", L"C:\\"}, {L"C:\\", L"C:\\"}, {L"C:\\Games", L"C:\\Games\\"},
        {L"C:\\Games\\", L"C:\\Games\\"}, {L"\\\\server\\share", L"\\\\server\\share\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(modMain::addBackslash(c.in), c.out) << c.in;
}

TEST(ModMain, UnloadReplacesTheSharedObjectsWithFreshOnes) {
    cRegistry& before = modMain::oRegistry();
    before.DefaultClassKey(HKEY_CURRENT_USER_ID);
    before.DefaultSectionKey(modMain::settingsKeyPath());
    EXPECT_EQ(&modMain::oRegistry(), &before);  // one shared instance until shutdown

    modMain::unloadApp();
    cRegistry& after = modMain::oRegistry();
    EXPECT_EQ(after.DefaultClassKey(), 0);
    EXPECT_EQ(after.DefaultSectionKey(), L"");
    EXPECT_EQ(modMain::settingsKeyPath(), L"Software\\mornveldt\\tools\\tarnwicket");
}
