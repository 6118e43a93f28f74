#include <gtest/gtest.h>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "runtime/Ansi.h"
#include "support/mShellExecute.h"

namespace {

class ShellOpen : public ::testing::Test {
protected:
    void SetUp() override { dir_ = testenv::makeTempDir(L"shell") + L"\\Spiele f\u00fcr alle"; }
    void TearDown() override { testenv::removeTree(dir_.substr(0, dir_.rfind(L'\\'))); }
    std::wstring dir_;
};

TEST_F(ShellOpen, ShowCommandFollowsTheProgramNameAndWhetherParametersOrAFolderAreGiven) {
    struct Case {
        const wchar_t* name;
        int32_t show;
        const wchar_t* params;
        bool withFolder;
        int expectedShow;
        const char* expectedArgs;
    } cases[] = {
        {L"game.exe", 10, L" +NoSound", true, 0, " +NoSound"},
        {L"GAME2.EXE", 3, L" -x", false, 0, " -x"},
        {L"folder.exe", 5, L"", true, 0, ""},
        {L"plain.exe", 5, L"", false, 1, ""},
        {L"doc.com", 7, L" a", true, 7, " a"},
        {L"a.exe.com", 7, L" a", true, 0, " a"},
        {L"bare.com", 7, L"", false, 1, ""},
    };
    for (const auto& c : cases) {
        std::wstring exe = dir_ + L"\\" + c.name;
        ASSERT_TRUE(testenv::installFakeGame(exe)) << c.name;
        ASSERT_TRUE(mShellExecute::shellExecute(exe, c.show, c.params, c.withFolder ? dir_ : L"", L"open", 0))
            << c.name;
        auto launch = testenv::waitForLaunch(exe);
        ASSERT_TRUE(launch) << c.name;
        EXPECT_EQ(launch->showCommand, c.expectedShow) << c.name;
        EXPECT_EQ(launch->arguments, c.expectedArgs) << c.name << " | " << launch->commandLine;
        if (c.withFolder) {
            EXPECT_EQ(launch->workingFolder, rt::toAnsi(dir_)) << c.name;
        }
    }
}

TEST_F(ShellOpen, AMissingFileIsRefusedAndTracedWithItsErrorNumber) {
    testenv::TraceCapture capture;
    EXPECT_FALSE(mShellExecute::shellExecute(dir_ + L"\\missing.exe", 10, L" x", dir_, L"open", 0));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0], "mShellExecute.shellExecute\t2\t53\tFile not found\t");
}

TEST(ShellErrors, EachShellNumberHasItsErrorNumberAndMessage) {
    const struct {
        int32_t shell;
        int32_t number;
        const wchar_t* start;
    } cases[] = {
        {0, 7, L"Out of memory"},
        {8, 7, L"Out of memory"},
        {3, 76, L"Path not found"},
        {5, 75, L"Path/file access error"},
        {11, -2147220456 + 11, L"The executable file"},
        {26, 75, L"A sharing violation"},
        {28, 286, L"The file could not be opened due to time out."},
        {30, 285, L"The file could not be opened because the target"},
        {32, 48, L"The specified dynamic-link"},
        {1, -2147220456 + 1, L"An error occurred occurred whilst"},
    };
    for (const auto& c : cases) {
        auto e = mShellExecute::shellErrorFor(c.shell);
        EXPECT_EQ(e.number, c.number) << c.shell;
        EXPECT_EQ(std::wstring(e.message).rfind(c.start, 0), 0u) << c.shell;
    }
}

}  // namespace
