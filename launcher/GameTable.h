#pragma once
// The eight supported games as data: detection and launch both read this
// table rather than each game having its own copy of one procedure.
#include <array>
#include <cstdint>
#include <vector>

namespace GameTable {

// One installation key under HKEY_LOCAL_MACHINE and the detect operation
// that reads it (its name appears in the trace).
struct InstallKey {
    const wchar_t* operation;  // "detectAoe3"
    const wchar_t* keyPath;    // used exactly as written, trailing "\" or not
    const wchar_t* folderValue;
    const wchar_t* versionValue;
};

// The command-line switches a group of games understands; nullptr where the
// group has no switch for that option.
struct SwitchRule {
    const wchar_t* noSound;
    const wchar_t* noIntro;
    const wchar_t* addressPrefix;  // followed by the address in double quotes
    const wchar_t* portPrefix;     // followed by the port in double quotes
    const wchar_t* directIp;
};

struct Game {
    int32_t index;  // position in the game menu
    const wchar_t* caption;
    const wchar_t* tag;  // AoE2, AoMTitans, ...
    const InstallKey* key;
    // Relative to the installation folder; the first that exists is taken,
    // else the last one tried stays.
    std::vector<const wchar_t*> executables;
    const wchar_t* fileTraceLabel;
    const SwitchRule* switches;
};

constexpr int32_t kGameCount = 8;

const std::array<Game, kGameCount>& games();

// The game of a menu index, or nullptr outside 0-7.
const Game* gameAt(int32_t index);

}  // namespace GameTable
