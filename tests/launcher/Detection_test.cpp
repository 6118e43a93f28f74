// ctest-lock: hklm-games
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "support/TracedProcedure.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

namespace {

// What each game's installer leaves, by game index 0-6: key, folder value, executable.
const char* const kInstalls[][3] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires\\2.0", "EXE Path", "empires2.exe"},
    {"SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0", "Exe Path",
     "age2_x1.exe"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0", "AppPath", "aom.exe"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack\\1.0", "AppPath", "aomx.exe"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0", "SetupPath", "age3.exe"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0", "SetupPath", "age3x.exe"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0", "SetupPath", "age3y.exe"},
};
constexpr int kAoM = 2, kAoE3 = 4, kNE = 7;

// Each case starts from no installed game: the games' product keys go.
struct Detection : ::testing::Test {
    testenv::TempDir root{L"detect"};

    void SetUp() override { removeKeys(); }
    void TearDown() override { removeKeys(); }
    static void removeKeys() {
        for (const auto& game : kInstalls) {
            std::string key = game[0];
            testenv::regDeleteTree(HKEY_LOCAL_MACHINE, key.substr(0, key.rfind('\\')));
        }
    }
    // One folder per game, named with blanks and letters beyond ASCII.
    std::wstring folder(int game) const { return root.file(L"Spiele f\u00fcr M\u00e4rz " + std::to_wstring(game)); }
    static void set(int game, const char* name, const std::wstring& text) {
        testenv::regStore(HKEY_LOCAL_MACHINE, kInstalls[game][0], name, testenv::sz(rt::toAnsi(text)));
    }
    static void placeFile(const std::wstring& path) {
        CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
        ASSERT_TRUE(testenv::writeFile(path));
    }
    // Game `game` as detection finds it: "detected|folder|file|version".
    static std::wstring detect(int game) {
        modFunctions::GameRecords records;
        TracedProcedure load(L"frmMain", L"Form_Load", ProcKind::Form);
        modFunctions::detectGames(records, load);
        const auto& r = records[game];
        return (r.detected ? L"1|" : L"0|") + r.folder + L"|" + r.file + L"|" + r.version;
    }
    void install(int game, const std::wstring& backslash = L"") {
        set(game, kInstalls[game][1], folder(game) + backslash);
        set(game, "Version", L"1.0");
        placeFile(folder(game) + L"\\" + rt::fromAnsi(kInstalls[game][2]));
    }
};

}  // namespace

TEST_F(Detection, EveryGameIsFoundInItsFolderWithOrWithoutATrailingBackslash) {
    for (int game = 0; game < 7; ++game) install(game, game % 2 ? L"\\" : L"");
    placeFile(folder(kAoE3) + L"\\ne.exe");
    for (int game = 0; game < 8; ++game) {
        std::wstring f = folder(game == kNE ? kAoE3 : game) + L"\\";
        EXPECT_EQ(detect(game),
                  L"1|" + f + L"|" + f + rt::fromAnsi(game == kNE ? "ne.exe" : kInstalls[game][2]) + L"|1.0");
    }
}

TEST_F(Detection, AGameCountsOnlyWithFolderVersionAndExecutable) {
    const std::wstring f = folder(kAoM) + L"\\", exe = f + L"aom.exe";
    set(kAoM, "AppPath", folder(kAoM));
    placeFile(exe);
    EXPECT_EQ(detect(kAoM), L"0|" + f + L"||");  // no version
    set(kAoM, "Version", L"1.0");
    DeleteFileW(exe.c_str());
    EXPECT_EQ(detect(kAoM), L"0|" + f + L"|" + exe + L"|1.0");
}

TEST_F(Detection, NapoleonicEraTakesTheFirstCandidateInTheAgeOfEmpiresIIIFolder) {
    const std::pair<std::vector<const wchar_t*>, std::wstring> cases[] = {
        {{L"age3ne.exe", L"Napoleonic Era\\ne.exe"}, L"age3ne.exe"},
        {{}, L"Napoleonic Era\\age3ne.exe"},  // none: the last one tried stays
    };
    for (const auto& [present, file] : cases) {
        testenv::removeTree(folder(kAoE3));
        install(kAoE3);
        for (const wchar_t* name : present) placeFile(folder(kAoE3) + L"\\" + name);
        std::wstring f = folder(kAoE3) + L"\\";
        EXPECT_EQ(detect(kNE), (present.empty() ? L"0|" : L"1|") + f + L"|" + f + file + L"|1.0");
    }
}

TEST_F(Detection, TraceShowsEachOperationsKeyAndResultThenEveryGamesExecutable) {
    install(kAoM);
    const std::string f = rt::toAnsi(folder(kAoM)) + "\\", dash = std::string(49, '-') + "\t";
    const char* const operations[] = {"Aoe2", "Aoe2Conquerors", "AoM",        "AoMTitans",
                                      "Aoe3", "Aoe3Warchiefs",  "Aoe3Asians", "Aoe3"};
    const char* const labels[] = {"AoE2", "AoE2Conquerors", "AoM",        "AoMTitans",
                                  "AoE3", "AoE3Warchiefs",  "AoE3Asians", "AoE3NapoleonicEra"};
    std::vector<std::string> expected{"frmMain.Form_Load\t"}, files;
    for (int game = 0; game < 8; ++game) {
        int op = game == kNE ? kAoE3 : game;
        bool found = op == kAoM;
        // The expansion packs of Age of Empires III trace their key without the closing "\".
        std::string key = kInstalls[op][0] + std::string(op == 5 || op == 6 ? "" : "\\");
        for (std::string line :
             {std::string("modFunctions.detect") + operations[game] + "\t", dash, "SectionKey\t" + key + "\t",
              std::string("SectionKeyExists\t") + (found ? "True\t" : "False\t"), "sFolder\t" + (found ? f : "") + "\t",
              std::string("sVersion\t") + (found ? "1.0\t" : "\t"), dash})
            expected.push_back(line);
        files.push_back(std::string("s") + labels[game] + "File\t" + (found ? f + "aom.exe" : "") + "\t");
        files.push_back(dash);
    }
    expected.push_back(dash);
    expected.insert(expected.end(), files.begin(), files.end());
    testenv::TraceCapture capture;
    EXPECT_EQ(detect(kAoE3).substr(0, 2), L"0|");
    EXPECT_EQ(capture.messages(), expected);
}
