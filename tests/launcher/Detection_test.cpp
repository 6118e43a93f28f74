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

// Where each game's installer leaves its folder, by game index 0-6.
struct Install {
    const wchar_t* key;
    const wchar_t* folderValue;
    const wchar_t* exe;
};
const Install kInstalls[] = {
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires\\2.0", L"EXE Path", L"empires2.exe"},
    {L"SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0",
     L"Exe Path", L"age2_x1.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0", L"AppPath", L"aom.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack\\1.0", L"AppPath", L"aomx.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0", L"SetupPath", L"age3.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0", L"SetupPath", L"age3x.exe"},
    {L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0", L"SetupPath", L"age3y.exe"},
};
constexpr int kAoM = 2, kAoE3 = 4, kNapoleonicEra = 7;

class Detection : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testenv::makeTempDir(L"detect");
        ASSERT_TRUE(testenv::isAnsiRepresentable(folder(0)));
    }
    void TearDown() override { testenv::removeTree(root_); }

    // A folder name with blanks and letters beyond ASCII, one per game.
    std::wstring folder(int game) const { return root_ + L"\\Spiele f\u00fcr M\u00e4rz " + std::to_wstring(game); }

    void install(int game, const std::wstring& folderValue, const std::wstring& version = L"1.0") {
        keys_.setText(kInstalls[game].key, kInstalls[game].folderValue, folderValue);
        keys_.setText(kInstalls[game].key, L"Version", version);
    }
    void placeFile(const std::wstring& path) {
        CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
        ASSERT_TRUE(testenv::writeFile(path)) << testing::PrintToString(path);
    }
    void installWithExe(int game, bool trailingBackslash) {
        CreateDirectoryW(folder(game).c_str(), nullptr);
        install(game, folder(game) + (trailingBackslash ? L"\\" : L""));
        placeFile(folder(game) + L"\\" + kInstalls[game].exe);
    }

    testenv::GameKeys keys_;
    std::wstring root_;
    modFunctions::GameRecords records_;
};

TEST_F(Detection, EveryGameIsFoundInItsFolderWithOrWithoutATrailingBackslash) {
    for (int game = 0; game < 7; ++game) installWithExe(game, game % 2 == 0);
    placeFile(folder(kAoE3) + L"\\ne.exe");
    modFunctions::detectGames(records_);
    for (int game = 0; game < 8; ++game) {
        int home = game == kNapoleonicEra ? kAoE3 : game;
        const auto& r = records_[game];
        EXPECT_TRUE(r.detected) << game;
        EXPECT_EQ(r.folder, folder(home) + L"\\") << game;
        EXPECT_EQ(r.file, folder(home) + L"\\" + (game == kNapoleonicEra ? L"ne.exe" : kInstalls[game].exe)) << game;
        EXPECT_EQ(r.version, L"1.0") << game;
    }
}

TEST_F(Detection, AGameCountsOnlyWithKeyFolderVersionAndExecutable) {
    const std::wstring f = folder(kAoM) + L"\\", exe = f + L"aom.exe";
    const struct Case {
        const char* what;
        bool key, folderValue, versionValue, numericVersion, exePresent;
        bool detected;
        std::wstring folder, file, version;
    } cases[] = {
        {"no key", false, false, false, false, true, false, L"", L"", L""},
        {"empty key", true, false, false, false, true, false, L"", L"", L""},
        {"no version", true, true, false, false, true, false, f, L"", L""},
        {"no folder", true, false, true, false, true, false, L"", L"", L"1.0"},
        {"no executable", true, true, true, false, false, false, f, exe, L"1.0"},
        {"all there", true, true, true, false, true, true, f, exe, L"1.0"},
        {"numeric version", true, true, true, true, true, true, f, exe, L"65537"},
    };
    for (const Case& c : cases) {
        testenv::GameKeys::removeAll();
        testenv::removeTree(folder(kAoM));
        CreateDirectoryW(folder(kAoM).c_str(), nullptr);
        const std::wstring key = kInstalls[kAoM].key;
        if (c.key) keys_.createKey(key);
        if (c.folderValue) keys_.setText(key, L"AppPath", folder(kAoM));
        if (c.versionValue && c.numericVersion) keys_.setNumber(key, L"Version", 65537);
        if (c.versionValue && !c.numericVersion) keys_.setText(key, L"Version", L"1.0");
        if (c.exePresent) placeFile(exe);

        modFunctions::GameRecords records;
        modFunctions::detectGames(records);
        EXPECT_EQ(records[kAoM].detected, c.detected) << c.what;
        EXPECT_EQ(records[kAoM].folder, c.folder) << c.what;
        EXPECT_EQ(records[kAoM].file, c.file) << c.what;
        EXPECT_EQ(records[kAoM].version, c.version) << c.what;
    }
}

TEST_F(Detection, NapoleonicEraTakesTheFirstCandidateInTheAgeOfEmpiresIIIFolder) {
    const struct Case {
        std::vector<const wchar_t*> present;
        bool detected;
        const wchar_t* file;
    } cases[] = {
        {{L"ne.exe", L"Napoleonic Era\\age3ne.exe"}, true, L"ne.exe"},
        {{L"age3ne.exe", L"Napoleonic Era\\ne.exe"}, true, L"age3ne.exe"},
        {{L"Napoleonic Era\\ne.exe", L"Napoleonic Era\\age3ne.exe"}, true, L"Napoleonic Era\\ne.exe"},
        {{L"Napoleonic Era\\age3ne.exe"}, true, L"Napoleonic Era\\age3ne.exe"},
        {{}, false, L"Napoleonic Era\\age3ne.exe"},
    };
    for (const Case& c : cases) {
        testenv::removeTree(folder(kAoE3));
        installWithExe(kAoE3, false);
        for (const wchar_t* name : c.present) placeFile(folder(kAoE3) + L"\\" + name);

        modFunctions::GameRecords records;
        modFunctions::detectGames(records);
        const auto& r = records[kNapoleonicEra];
        EXPECT_EQ(r.detected, c.detected) << c.file;
        EXPECT_EQ(r.folder, folder(kAoE3) + L"\\") << c.file;
        EXPECT_EQ(r.file, folder(kAoE3) + L"\\" + c.file) << c.file;
    }
}

TEST_F(Detection, TheSevenOperationsReadTheirOwnKeys) {
    using Detect = bool (*)(std::wstring&, std::wstring&);
    const struct {
        Detect detect;
        int game;
        const char* entry;
    } cases[] = {
        {modFunctions::detectAoe2, 0, "modFunctions.detectAoe2\t"},
        {modFunctions::detectAoe2Conquerors, 1, "modFunctions.detectAoe2Conquerors\t"},
        {modFunctions::detectAoM, 2, "modFunctions.detectAoM\t"},
        {modFunctions::detectAoMTitans, 3, "modFunctions.detectAoMTitans\t"},
        {modFunctions::detectAoe3, 4, "modFunctions.detectAoe3\t"},
        {modFunctions::detectAoe3Warchiefs, 5, "modFunctions.detectAoe3Warchiefs\t"},
        {modFunctions::detectAoe3Asians, 6, "modFunctions.detectAoe3Asians\t"},
    };
    for (const auto& c : cases) {
        install(c.game, L"C:\\Game " + std::to_wstring(c.game), L"2.5");
        testenv::TraceCapture capture;
        std::wstring f = L"kept", v = L"kept";
        EXPECT_TRUE(c.detect(f, v)) << c.entry;
        EXPECT_EQ(f, L"C:\\Game " + std::to_wstring(c.game) + L"\\") << c.entry;
        EXPECT_EQ(v, L"2.5") << c.entry;
        ASSERT_EQ(capture.messages().size(), 7u) << c.entry;
        EXPECT_EQ(capture.messages()[0], c.entry);
        EXPECT_EQ(capture.messages()[3], "SectionKeyExists\tTrue\t") << c.entry;
    }
    // A missing key leaves what the caller passed.
    testenv::GameKeys::removeAll();
    std::wstring f = L"kept", v = L"kept";
    EXPECT_FALSE(modFunctions::detectAoM(f, v));
    EXPECT_EQ(f + v, L"keptkept");
}

TEST_F(Detection, TraceShowsEachOperationAndEveryGamesExecutable) {
    installWithExe(kAoM, false);
    const std::string f = rt::toAnsi(folder(kAoM)) + "\\";
    const std::string dash = std::string(49, '-') + "\t";
    const struct {
        const char* operation;
        const char* key;
    } operations[] = {
        {"detectAoe2", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires\\2.0\\"},
        {"detectAoe2Conquerors",
         "SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0\\"},
        {"detectAoM", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0\\"},
        {"detectAoMTitans", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack\\1.0\\"},
        {"detectAoe3", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0\\"},
        {"detectAoe3Warchiefs", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0"},
        {"detectAoe3Asians", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0"},
        {"detectAoe3", "SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0\\"},
    };
    std::vector<std::string> expected;
    for (const auto& op : operations) {
        bool found = std::string(op.operation) == "detectAoM";
        expected.push_back("modFunctions." + std::string(op.operation) + "\t");
        expected.push_back(dash);
        expected.push_back("SectionKey\t" + std::string(op.key) + "\t");
        expected.push_back(found ? "SectionKeyExists\tTrue\t" : "SectionKeyExists\tFalse\t");
        expected.push_back("sFolder\t" + (found ? f : "") + "\t");
        expected.push_back(found ? "sVersion\t1.0\t" : "sVersion\t\t");
        expected.push_back(dash);
    }
    expected.push_back(dash);
    for (const char* label : {"sAoE2File", "sAoE2ConquerorsFile", "sAoMFile", "sAoMTitansFile", "sAoE3File",
                              "sAoE3WarchiefsFile", "sAoE3AsiansFile", "sAoE3NapoleonicEraFile"}) {
        expected.push_back(std::string(label) + "\t" + (std::string(label) == "sAoMFile" ? f + "aom.exe" : "") + "\t");
        expected.push_back(dash);
    }

    testenv::TraceCapture capture;
    modFunctions::detectGames(records_);
    EXPECT_EQ(capture.messages(), expected);
    EXPECT_FALSE(records_[kAoE3].detected);
    EXPECT_FALSE(records_[kNapoleonicEra].detected);
}

}  // namespace
