#pragma once
// Game detection and game launch.
#include <array>
#include <cstdint>
#include <string>

#include "launcher/GameTable.h"
#include "support/TracedProcedure.h"

namespace modFunctions {

// The detect operations: each reads one game's installation key under
// HKEY_LOCAL_MACHINE into the folder (with a trailing "\") and version, and
// is True when both are non-empty. A missing key leaves both as passed.
bool detectAoe2(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoe2Conquerors(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoM(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoMTitans(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoe3(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoe3Warchiefs(std::wstring& sFolder, std::wstring& sVersion);
bool detectAoe3Asians(std::wstring& sFolder, std::wstring& sVersion);

// What detection found out about one game.
struct GameRecord {
    bool detected = false;
    std::wstring folder;   // installation folder with its trailing "\"
    std::wstring file;     // the executable tested last ("" when the key did not qualify)
    std::wstring version;  // the "Version" value as text
};
using GameRecords = std::array<GameRecord, GameTable::kGameCount>;

// Detects the eight games in menu order into `records` and traces each
// game's executable, each statement a step of the caller's procedure `p`. A game counts when its key, folder and version are
// there and its executable exists.
void detectGames(GameRecords& records, TracedProcedure& p);

// Starts `sExe` in `sDir` through the shell with the switches of game
// `lGame`'s group appended to `sParams`; True when the shell accepted it.
// A path or folder that the shell would read as another one (it expands
// environment references such as %OS% in them) is not started: False.
bool startGame(std::wstring sExe, std::wstring sDir, std::wstring sParams, int32_t lGame, std::wstring sIP,
               std::wstring sPort, bool bNoIntro, bool bNoSound, bool bDirectIp);

// True for an Age of Mythology version before patch 1.01, and for one that
// is no decimal number with "." at all (such as 1.0.0).
bool isBeforePatch101(const std::wstring& sVersion);

// Key filter of the port box: digits, Backspace and Enter pass; any other
// key becomes 0 (dropped).
void filterPortKey(int16_t& KeyAscii);

// Appends `sAdd` to `s` and returns the new `s`.
std::wstring appendString(std::wstring& s, const std::wstring& sAdd);

}  // namespace modFunctions
