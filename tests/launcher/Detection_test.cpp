// ctest-lock: hklm-games
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/GameKeys.h"
#include "common/TestEnv.h"
#include "common/TestFiles.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

namespace {

// What each game's installer leaves, by game index 0-6: key, folder value, executable.
const wchar_t* const kInstalls[][3] = {
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires\\2.0", L"EXE Path", L"empires2.exe"},
    {L"SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0", L"Exe Path",
     L"age2_x1.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0", L"AppPath", L"aom.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack\\1.0", L"AppPath", L"aomx.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0", L"SetupPath", L"age3.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0", L"SetupPath", L"age3x.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0", L"SetupPath", L"age3y.exe"},
};
constexpr int kAoM = 2, kAoE3 = 4, kNapoleonicEra = 7;

class Detection : public ::testing::Test {
protected:
    void SetUp() override { root_ = testenv::makeTempDir(L"detect"); }
    void TearDown() override { testenv::removeTree(root_); }

    // One folder per game, named with blanks and letters beyond ASCII.
    std::wstring folder(int game) const { return root_ + L"\\Spiele f\u00fcr M\u00e4rz " + std::to_wstring(game); }
    void placeFile(const std::wstring& path) {
        CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
        ASSERT_TRUE(testenv::writeFile(path));
    }
    void install(int game, const std::wstring& backslash = L"") {
        CreateDirectoryW(folder(game).c_str(), nullptr);
        keys_.setText(kInstalls[game][0], kInstalls[game][1], folder(game) + backslash);
        keys_.setText(kInstalls[game][0], L"Version", L"1.0");
        placeFile(folder(game) + L"\\" + kInstalls[game][2]);
    }

    testenv::GameKeys keys_;
    std::wstring root_;
    modFunctions::GameRecords records_;
};

TEST_F(Detection, EveryGameIsFoundInItsFolderWithOrWithoutATrailingBackslash) {
    ASSERT_TRUE(testenv::isAnsiRepresentable(folder(0)));
    for (int game = 0; game < 7; ++game) install(game, game % 2 ? L"\\" : L"");
    placeFile(folder(kAoE3) + L"\\ne.exe");
    modFunctions::detectGames(records_);
    for (int game = 0; game < 8; ++game) {
        int home = game == kNapoleonicEra ? kAoE3 : game;
        std::wstring exe = game == kNapoleonicEra ? L"ne.exe" : kInstalls[game][2];
        EXPECT_TRUE(records_[game].detected) << game;
        EXPECT_EQ(records_[game].folder, folder(home) + L"\\") << game;
        EXPECT_EQ(records_[game].file, folder(home) + L"\\" + exe) << game;
        EXPECT_EQ(records_[game].version, L"1.0") << game;
    }
}

TEST_F(Detection, AGameCountsOnlyWithKeyFolderVersionAndExecutable) {
    const std::wstring key = kInstalls[kAoM][0], f = folder(kAoM) + L"\\", exe = f + L"aom.exe";
    const struct {
        const char* what;
        bool key, folder, exe;
        int version;  // 0 none, 1 text "1.0", 2 the number 65537
        bool detected;
        std::wstring folder_, file, version_;
    } cases[] = {
        {"no key", false, false, true, 0, false, L"", L"", L""},
        {"empty key", true, false, true, 0, false, L"", L"", L""},
        {"no version", true, true, true, 0, false, f, L"", L""},
        {"no folder", true, false, true, 1, false, L"", L"", L"1.0"},
        {"no executable", true, true, false, 1, false, f, exe, L"1.0"},
        {"all there", true, true, true, 1, true, f, exe, L"1.0"},
        {"numeric version", true, true, true, 2, true, f, exe, L"65537"},
    };
    for (const auto& c : cases) {
        testenv::GameKeys::removeAll();
        testenv::removeTree(folder(kAoM));
        CreateDirectoryW(folder(kAoM).c_str(), nullptr);
        if (c.key) keys_.createKey(key);
        if (c.folder) keys_.setText(key, L"AppPath", folder(kAoM));
        if (c.version == 1) keys_.setText(key, L"Version", L"1.0");
        if (c.version == 2) keys_.setNumber(key, L"Version", 65537);
        if (c.exe) placeFile(exe);
        modFunctions::GameRecords r;
        modFunctions::detectGames(r);
        EXPECT_EQ(r[kAoM].detected, c.detected) << c.what;
        EXPECT_EQ(r[kAoM].folder + L"|" + r[kAoM].file + L"|" + r[kAoM].version,
                  c.folder_ + L"|" + c.file + L"|" + c.version_)
            << c.what;
    }
}

TEST_F(Detection, NapoleonicEraTakesTheFirstCandidateInTheAgeOfEmpiresIIIFolder) {
    const struct {
        std::vector<const wchar_t*> present;
        const wchar_t* file;
    } cases[] = {
        {{L"ne.exe", L"Napoleonic Era\\age3ne.exe"}, L"ne.exe"},
        {{L"age3ne.exe", L"Napoleonic Era\\ne.exe"}, L"age3ne.exe"},
        {{L"Napoleonic Era\\ne.exe", L"Napoleonic Era\\age3ne.exe"}, L"Napoleonic Era\\ne.exe"},
        {{L"Napoleonic Era\\age3ne.exe"}, L"Napoleonic Era\\age3ne.exe"},
        {{}, L"Napoleonic Era\\age3ne.exe"},  // none: the last one tried stays
    };
    for (const auto& c : cases) {
        testenv::removeTree(folder(kAoE3));
        install(kAoE3);
        for (const wchar_t* name : c.present) placeFile(folder(kAoE3) + L"\\" + name);
        modFunctions::GameRecords r;
        modFunctions::detectGames(r);
        EXPECT_EQ(r[kNapoleonicEra].detected, !c.present.empty()) << c.file;
        EXPECT_EQ(r[kNapoleonicEra].folder, folder(kAoE3) + L"\\");
        EXPECT_EQ(r[kNapoleonicEra].file, folder(kAoE3) + L"\\" + c.file);
    }
}

TEST_F(Detection, TraceShowsEachOperationsKeyAndResultThenEveryGamesExecutable) {
    install(kAoM);
    const std::string f = rt::toAnsi(folder(kAoM)) + "\\", dash = std::string(49, '-') + "\t";
    const char* const operations[][2] = {
        {"detectAoe2", "Microsoft Games\\Age of Empires\\2.0\\"},
        {"detectAoe2Conquerors", "DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0\\"},
        {"detectAoM", "Microsoft Games\\Age of Mythology\\1.0\\"},
        {"detectAoMTitans", "Microsoft Games\\Age of Mythology Expansion Pack\\1.0\\"},
        {"detectAoe3", "Microsoft Games\\Age of Empires 3\\1.0\\"},
        {"detectAoe3Warchiefs", "Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0"},
        {"detectAoe3Asians", "Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0"},
        {"detectAoe3", "Microsoft Games\\Age of Empires 3\\1.0\\"},
    };
    std::vector<std::string> expected;
    for (const auto& [operation, key] : operations) {
        bool found = std::string(operation) == "detectAoM";
        for (std::string line :
             {"modFunctions." + std::string(operation) + "\t", dash,
              "SectionKey\tSOFTWARE\\Microsoft\\" + std::string(key) + "\t",
              std::string("SectionKeyExists\t") + (found ? "True\t" : "False\t"), "sFolder\t" + (found ? f : "") + "\t",
              std::string("sVersion\t") + (found ? "1.0\t" : "\t"), dash})
            expected.push_back(line);
    }
    expected.push_back(dash);
    for (std::string label : {"sAoE2File", "sAoE2ConquerorsFile", "sAoMFile", "sAoMTitansFile", "sAoE3File",
                              "sAoE3WarchiefsFile", "sAoE3AsiansFile", "sAoE3NapoleonicEraFile"}) {
        expected.push_back(label + "\t" + (label == "sAoMFile" ? f + "aom.exe" : "") + "\t");
        expected.push_back(dash);
    }
    testenv::TraceCapture capture;
    modFunctions::detectGames(records_);
    EXPECT_EQ(capture.messages(), expected);
    EXPECT_FALSE(records_[kAoE3].detected || records_[kNapoleonicEra].detected);
}

TEST_F(Detection, ANamedOperationWithoutItsKeyLeavesWhatTheCallerPassed) {
    std::wstring f = L"kept", v = L"kept";
    for (auto detect : {modFunctions::detectAoe2, modFunctions::detectAoe2Conquerors, modFunctions::detectAoM,
                        modFunctions::detectAoMTitans, modFunctions::detectAoe3, modFunctions::detectAoe3Warchiefs,
                        modFunctions::detectAoe3Asians})
        EXPECT_FALSE(detect(f, v));
    EXPECT_EQ(f + v, L"keptkept");
}

}  // namespace
