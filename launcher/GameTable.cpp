#include "launcher/GameTable.h"

namespace GameTable {
namespace {

constexpr const wchar_t* kVersion = L"Version";

const InstallKey kAoe2{L"detectAoe2", L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires\\2.0\\", L"EXE Path",
                       kVersion};
const InstallKey kAoe2Conquerors{
    L"detectAoe2Conquerors",
    L"SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion\\1.0\\",
    L"Exe Path", kVersion};
const InstallKey kAoM{L"detectAoM", L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0\\", L"AppPath",
                      kVersion};
const InstallKey kAoMTitans{L"detectAoMTitans",
                            L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack\\1.0\\",
                            L"AppPath", kVersion};
const InstallKey kAoe3{L"detectAoe3", L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0\\",
                       L"SetupPath", kVersion};
const InstallKey kAoe3Warchiefs{L"detectAoe3Warchiefs",
                                L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack\\1.0",
                                L"SetupPath", kVersion};
const InstallKey kAoe3Asians{L"detectAoe3Asians",
                             L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2\\1.0",
                             L"SetupPath", kVersion};

// Age of Empires II and The Conquerors.
const SwitchRule kClassicSwitches{L" NoSound", L" NoStartup", nullptr, L" hostPort=", L" +directIPConnectivity"};
// Age of Mythology and Age of Empires III with their expansions.
const SwitchRule kOverrideSwitches{L" +NoSound", L" +NoIntroCinematics", L" OverrideAddress=", L" OverridePort=",
                                   nullptr};

}  // namespace

const std::array<Game, kGameCount>& games() {
    static const std::array<Game, kGameCount> table{{
        {0, L"Age Of Empires II", L"AoE2", &kAoe2, {L"empires2.exe"}, L"sAoE2File", &kClassicSwitches},
        {1, L"Age Of Empires II: The Conquerors", L"AoE2Conquerors", &kAoe2Conquerors, {L"age2_x1.exe"},
         L"sAoE2ConquerorsFile", &kClassicSwitches},
        {2, L"Age Of Mythology", L"AoM", &kAoM, {L"aom.exe"}, L"sAoMFile", &kOverrideSwitches},
        {3, L"Age Of Mythology: The Titans", L"AoMTitans", &kAoMTitans, {L"aomx.exe"}, L"sAoMTitansFile",
         &kOverrideSwitches},
        {4, L"Age Of Empires III", L"AoE3", &kAoe3, {L"age3.exe"}, L"sAoE3File", &kOverrideSwitches},
        {5, L"Age Of Empires III: The Warchiefs", L"AoE3Warchiefs", &kAoe3Warchiefs, {L"age3x.exe"},
         L"sAoE3WarchiefsFile", &kOverrideSwitches},
        {6, L"Age Of Empires III: Tha Asian Dynasties", L"AoE3Asians", &kAoe3Asians, {L"age3y.exe"},
         L"sAoE3AsiansFile", &kOverrideSwitches},
        // The mod has no key of its own: it lives in the Age of Empires III folder.
        {7, L"Age Of Empires III: Napoleonic Era (Mod)", L"AoE3NapoleonicEra", &kAoe3,
         {L"ne.exe", L"age3ne.exe", L"Napoleonic Era\\ne.exe", L"Napoleonic Era\\age3ne.exe"},
         L"sAoE3NapoleonicEraFile", &kOverrideSwitches},
    }};
    return table;
}

const Game* gameAt(int32_t index) {
    if (index < 0 || index >= kGameCount) return nullptr;
    return &games()[static_cast<size_t>(index)];
}

}  // namespace GameTable
