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

// A file or folder the shell would read as another, and parameters it would
// cut, are refused before the shell sees them: the programs beside them,
// which those names reach when misread, never start.
TEST(ShellOpen, NamesTheShellWouldReadAsOthersAndParametersItWouldCutAreRefused) {
    testenv::TempDir root(L"shell-names");
    const std::wstring victim = root.file(L"victim.exe"), c = root.file(L"C.exe");
    ASSERT_TRUE(testenv::installFakeGame(victim) && testenv::installFakeGame(c));
    const std::wstring folder = root.path + L"\\";
    // file, parameters, folder, the trace's error number
    const std::tuple<std::wstring, std::wstring, std::wstring, int> rows[] = {
        {victim + L'\0' + L"x", L"", L"", 53},
        {root.file(L"\u0108.exe"), L" x", folder, 53},                   // best fit: C.exe
        {root.file(L"sub\\\uFF0E\uFF0E\uFF3Cvictim.exe"), L" x", folder, 53},  // best fit: sub\..\victim.exe
        {root.file(L"%TW_VICTIM%"), L" x", folder, 53},                  // the shell expands it: victim.exe
        {root.file(std::wstring(300, L'a') + L".exe"), L" x", folder, 53},
        {victim, L" x", folder + L'\0' + L"x", 76},
        {victim, L" x", root.file(L"\u0108"), 76},
        {victim, std::wstring(40000, L'1'), folder, 7}};
    SetEnvironmentVariableW(L"TW_VICTIM", L"victim.exe");
    testenv::TraceCapture capture;
    for (const auto& [file, params, dir, number] : rows)
        EXPECT_FALSE(mShellExecute::shellExecute(file, 10, params, dir, L"open", 0)) << testing::PrintToString(file);
    std::vector<int> traced;  // each line: the procedure, the shell's number, the error number, the message
    for (const std::string& line : capture.messages()) traced.push_back(std::stoi(line.substr(line.find('\t', line.find('\t') + 1) + 1)));
    EXPECT_EQ(traced, (std::vector<int>{53, 53, 53, 53, 53, 76, 76, 7}));
    // Parameters the command line still holds go whole.
    EXPECT_TRUE(mShellExecute::shellExecute(c, 10, std::wstring(30000, L'2'), folder, L"open", 0));
    auto launch = testenv::waitForLaunch(c);
    EXPECT_EQ(launch ? launch->arguments.size() : 0u, 30000u);
    EXPECT_EQ(testenv::readFile(victim + L".launched.txt"), "") << "a misread name started victim.exe";
}
