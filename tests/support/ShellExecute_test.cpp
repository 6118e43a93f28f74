#include <gtest/gtest.h>

#include "common/Apartment.h"
#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "runtime/Ansi.h"
#include "runtime/ShellApartment.h"
#include "support/mShellExecute.h"

// The thread enters the single-threaded apartment right before the first
// call, not before, and stays in it until the end leaves it.
TEST(ShellOpen, InTheSingleThreadedApartmentEnteredByTheFirstCall) {
    testenv::TempDir root(L"shell-com");
    const std::wstring exe = root.file(L"game.exe");
    ASSERT_TRUE(testenv::installFakeGame(exe));
    EXPECT_EQ(testenv::apartmentOfThisThread(), testenv::Apartment::None);
    EXPECT_TRUE(mShellExecute::shellExecute(exe, 7, L"", L"", L"open", 0));
    EXPECT_TRUE(testenv::waitForLaunch(exe));
    EXPECT_EQ(testenv::apartmentOfThisThread(), testenv::Apartment::SingleThreaded);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    rt::leaveShellApartment();
    EXPECT_EQ(testenv::apartmentOfThisThread(), testenv::Apartment::None);
}

TEST(ShellOpen, ShowCommandFollowsTheNameAndWhetherParametersOrAFolderAreGiven) {
    testenv::TempDir root(L"shell");
    const std::wstring dir = root.file(L"Spiele f\u00fcr alle");
    // name, parameters, folder, show
    const std::tuple<const wchar_t*, const wchar_t*, bool, int> cases[] = {{L"GAME2.EXE", L" -x", false, 0},
                                                                           {L"folder.exe", L"", true, 0},
                                                                           {L"doc.com", L" a", true, 7},
                                                                           {L"a.exe.com", L" a", true, 0},
                                                                           {L"bare.com", L"", false, 1}};
    for (const auto& [name, params, withFolder, show] : cases) {
        std::wstring exe = dir + L"\\" + name;
        ASSERT_TRUE(testenv::installFakeGame(exe));
        EXPECT_TRUE(mShellExecute::shellExecute(exe, 7, params, withFolder ? dir : L"", L"open", 0));
        auto launch = testenv::waitForLaunch(exe);
        ASSERT_TRUE(launch) << name;
        EXPECT_EQ(std::make_tuple(launch->showCommand, launch->arguments, launch->workingFolder == rt::toAnsi(dir)),
                  std::make_tuple(show, rt::toAnsi(params), withFolder))
            << name;
    }
    testenv::TraceCapture capture;
    EXPECT_FALSE(mShellExecute::shellExecute(L"C:\\windows\\missing.exe", 10, L" x", L"C:\\", L"open", 0));
    EXPECT_EQ(capture.messages(), std::vector<std::string>{"mShellExecute.shellExecute\t2\t53\tFile not found\t"});
}
