// ctest-lock: hklm-games
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

using B = std::string;

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
    modFunctions::GameRecords records;

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
    void install(int game, const std::wstring& backslash = L"") {
        set(game, kInstalls[game][1], folder(game) + backslash);
        set(game, "Version", L"1.0");
        placeFile(folder(game) + L"\\" + rt::fromAnsi(kInstalls[game][2]));
    }
};

}  // namespace

TEST_F(Detection, EveryGameIsFoundInItsFolderWithOrWithoutATrailingBackslash) {
    ASSERT_EQ(rt::fromAnsi(rt::toAnsi(folder(0))), folder(0));
    for (int game = 0; game < 7; ++game) install(game, game % 2 ? L"\\" : L"");
    placeFile(folder(kAoE3) + L"\\ne.exe");
    modFunctions::detectGames(records);
    for (int game = 0; game < 8; ++game) {
        int home = game == kNE ? kAoE3 : game;
        EXPECT_TRUE(records[game].detected) << game;
        EXPECT_EQ(records[game].folder, folder(home) + L"\\") << game;
        EXPECT_EQ(records[game].file, folder(home) + L"\\" + rt::fromAnsi(game == kNE ? "ne.exe" : kInstalls[game][2]));
        EXPECT_EQ(records[game].version, L"1.0") << game;
    }
}

TEST_F(Detection, AGameCountsOnlyWithKeyFolderVersionAndExecutable) {
    const std::wstring f = folder(kAoM) + L"\\", exe = f + L"aom.exe";
    const struct {
        bool key, folder, exe;
        int version;  // 0 none, 1 text "1.0", 2 the number 65537
        std::wstring result;  // detected|folder|file|version
    } cases[] = {
        {false, false, true, 0, L"0|||"},           {true, false, true, 0, L"0|||"},
        {true, true, true, 0, L"0|" + f + L"||"},   {true, false, true, 1, L"0|||1.0"},
        {true, true, false, 1, L"0|" + f + L"|" + exe + L"|1.0"},
        {true, true, true, 1, L"1|" + f + L"|" + exe + L"|1.0"},
        {true, true, true, 2, L"1|" + f + L"|" + exe + L"|65537"},
    };
    for (const auto& c : cases) {
        removeKeys();
        testenv::removeTree(folder(kAoM));
        CreateDirectoryW(folder(kAoM).c_str(), nullptr);
        if (c.key) testenv::regStore(HKEY_LOCAL_MACHINE, kInstalls[kAoM][0], "other", testenv::sz(""));
        if (c.folder) set(kAoM, "AppPath", folder(kAoM));
        if (c.version == 1) set(kAoM, "Version", L"1.0");
        if (c.version == 2) testenv::regStore(HKEY_LOCAL_MACHINE, kInstalls[kAoM][0], "Version", {REG_DWORD, B("\1\0\1\0", 4)});
        if (c.exe) placeFile(exe);
        modFunctions::GameRecords fresh;
        modFunctions::detectGames(fresh);
        const auto& r = fresh[kAoM];
        EXPECT_EQ((r.detected ? L"1|" : L"0|") + r.folder + L"|" + r.file + L"|" + r.version, c.result);
    }
}

TEST_F(Detection, NapoleonicEraTakesTheFirstCandidateInTheAgeOfEmpiresIIIFolder) {
    const std::pair<std::vector<const wchar_t*>, const wchar_t*> cases[] = {
        {{L"ne.exe", L"Napoleonic Era\\age3ne.exe"}, L"ne.exe"},
        {{L"age3ne.exe", L"Napoleonic Era\\ne.exe"}, L"age3ne.exe"},
        {{L"Napoleonic Era\\ne.exe", L"Napoleonic Era\\age3ne.exe"}, L"Napoleonic Era\\ne.exe"},
        {{L"Napoleonic Era\\age3ne.exe"}, L"Napoleonic Era\\age3ne.exe"},
        {{}, L"Napoleonic Era\\age3ne.exe"},  // none: the last one tried stays
    };
    for (const auto& [present, file] : cases) {
        testenv::removeTree(folder(kAoE3));
        install(kAoE3);
        for (const wchar_t* name : present) placeFile(folder(kAoE3) + L"\\" + name);
        modFunctions::GameRecords fresh;
        modFunctions::detectGames(fresh);
        EXPECT_EQ(fresh[kNE].detected, !present.empty()) << file;
        EXPECT_EQ(fresh[kNE].file, folder(kAoE3) + L"\\" + file);
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
        {"detectAoe3", "Microsoft Games\\Age of Empires 3\\1.0\\"},  // again for Napoleonic Era
    };
    std::vector<std::string> expected;
    for (const auto& [operation, key] : operations) {
        bool found = std::string(operation) == "detectAoM";
        for (std::string line : {"modFunctions." + std::string(operation) + "\t", dash,
                                 "SectionKey\tSOFTWARE\\Microsoft\\" + std::string(key) + "\t",
                                 std::string("SectionKeyExists\t") + (found ? "True\t" : "False\t"),
                                 "sFolder\t" + (found ? f : "") + "\t", std::string("sVersion\t") + (found ? "1.0\t" : "\t"),
                                 dash})
            expected.push_back(line);
    }
    expected.push_back(dash);
    for (std::string label : {"sAoE2File", "sAoE2ConquerorsFile", "sAoMFile", "sAoMTitansFile", "sAoE3File",
                              "sAoE3WarchiefsFile", "sAoE3AsiansFile", "sAoE3NapoleonicEraFile"}) {
        expected.push_back(label + "\t" + (label == "sAoMFile" ? f + "aom.exe" : "") + "\t");
        expected.push_back(dash);
    }
    testenv::TraceCapture capture;
    modFunctions::detectGames(records);
    EXPECT_EQ(capture.messages(), expected);
    EXPECT_FALSE(records[kAoE3].detected || records[kNE].detected);
}
