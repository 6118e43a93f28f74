#include <gtest/gtest.h>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "runtime/Ansi.h"
#include "support/mShellExecute.h"

TEST(ShellOpen, ShowCommandFollowsTheNameAndWhetherParametersOrAFolderAreGiven) {
    const std::wstring root = testenv::makeTempDir(L"shell"), dir = root + L"\\Spiele f\u00fcr alle";
    const struct {
        const wchar_t* name;
        int32_t show;
        const wchar_t* params;
        bool withFolder;
        int expectedShow;
    } cases[] = {
        {L"game.exe", 10, L" +NoSound", true, 0}, {L"GAME2.EXE", 3, L" -x", false, 0},
        {L"folder.exe", 5, L"", true, 0},         {L"plain.exe", 5, L"", false, 1},
        {L"doc.com", 7, L" a", true, 7},          {L"a.exe.com", 7, L" a", true, 0},
        {L"bare.com", 7, L"", false, 1},
    };
    for (const auto& c : cases) {
        std::wstring exe = dir + L"\\" + c.name;
        ASSERT_TRUE(testenv::installFakeGame(exe));
        EXPECT_TRUE(mShellExecute::shellExecute(exe, c.show, c.params, c.withFolder ? dir : L"", L"open", 0));
        auto launch = testenv::waitForLaunch(exe);
        ASSERT_TRUE(launch) << c.name;
        EXPECT_EQ(launch->showCommand, c.expectedShow) << c.name;
        EXPECT_EQ(launch->arguments, rt::toAnsi(c.params)) << c.name;
        EXPECT_EQ(launch->workingFolder == rt::toAnsi(dir), c.withFolder) << c.name;
    }
    testenv::removeTree(root);
}

TEST(ShellOpen, AMissingFileIsRefusedAndTracedWithItsErrorNumber) {
    testenv::TraceCapture capture;
    EXPECT_FALSE(mShellExecute::shellExecute(L"C:\\windows\\missing.exe", 10, L" x", L"C:\\", L"open", 0));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0], "mShellExecute.shellExecute\t2\t53\tFile not found\t");
}
