#include "launcher/modFunctions.h"

#include <algorithm>
#include <cwchar>

#include "launcher/modMain.h"
#include "support/TracedProcedure.h"
#include "support/cPathExt.h"
#include "support/cRegistry.h"
#include "support/mShellExecute.h"
#include "support/modIpCheck.h"
#include "support/modTrace.h"

namespace modFunctions {
namespace {

const wchar_t* const kDashLine = L"-------------------------------------------------";
constexpr int32_t kShowDefault = 10;
constexpr size_t kMaxPortDigits = 5;

const GameTable::InstallKey& keyOfGame(int32_t index) { return *GameTable::gameAt(index)->key; }

// The one detect operation behind the seven named ones.
bool detect(const GameTable::InstallKey& key, std::wstring& sFolder, std::wstring& sVersion) {
    TracedProcedure p(L"modFunctions", key.operation, ProcKind::Module);
    cRegistry& reg = modMain::oRegistry();
    bool result = false;
    bool keyExists = false;
    p.step([&] { reg.ClassKey(HKEY_LOCAL_MACHINE_ID); });
    p.step([&] { reg.SectionKey(key.keyPath); });
    p.step([&] { keyExists = reg.KeyExists(); });
    if (keyExists) {
        p.step([&] { reg.ValueKey(key.folderValue); });
        p.step([&] { sFolder = modMain::oPathExt().normalizePath(reg.Value().toString()); });
        p.step([&] { reg.ValueKey(key.versionValue); });
        p.step([&] { sVersion = reg.Value().toString(); });
        p.step([&] { result = !sFolder.empty() && !sVersion.empty(); });
    }
    p.step([&] { modTrace::Trace(kDashLine); });
    p.step([&] { modTrace::Trace(L"SectionKey", reg.SectionKey()); });
    p.step([&] { modTrace::Trace(L"SectionKeyExists", reg.KeyExists()); });
    p.step([&] { modTrace::Trace(L"sFolder", sFolder); });
    p.step([&] { modTrace::Trace(L"sVersion", sVersion); });
    p.step([&] { modTrace::Trace(kDashLine); });
    return result;
}

// Tries the game's executables in order; the last one tried stays in the record.
void findExecutable(const GameTable::Game& game, GameRecord& record) {
    cPathExt& paths = modMain::oPathExt();
    for (const wchar_t* name : game.executables) {
        record.file = paths.normalizePath(record.folder) + name;
        if (paths.fileExists(record.file)) {
            record.detected = true;
            return;
        }
    }
}

void traceExecutables(const GameRecords& records, TracedProcedure& p) {
    p.step([] { modTrace::Trace(kDashLine); });
    for (const GameTable::Game& game : GameTable::games()) {
        p.step([&] { modTrace::Trace(game.fileTraceLabel, records[static_cast<size_t>(game.index)].file); });
        p.step([] { modTrace::Trace(kDashLine); });
    }
}

// A port goes onto the command line only as one to five decimal digits:
// anything else (a pasted or stored text with a quote, say) could smuggle
// switches of its own into the game's command line.
bool isPortText(const std::wstring& sPort) {
    return !sPort.empty() && sPort.size() <= kMaxPortDigits &&
           std::all_of(sPort.begin(), sPort.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring quoted(const std::wstring& value) { return L"\"" + value + L"\""; }

void appendSwitches(TracedProcedure& p, const GameTable::SwitchRule& rule, std::wstring& sParams, std::wstring& sIP,
                    const std::wstring& sPort, bool bNoIntro, bool bNoSound, bool bDirectIp) {
    p.step([&] {
        if (bNoSound) appendString(sParams, rule.noSound);
    });
    p.step([&] {
        if (bNoIntro) appendString(sParams, rule.noIntro);
    });
    p.step([&] {
        if (rule.addressPrefix && !sIP.empty() && modIpCheck::isValidIp(sIP))
            appendString(sParams, rule.addressPrefix + quoted(sIP));
    });
    p.step([&] {
        if (isPortText(sPort))
            appendString(sParams, rule.portPrefix + quoted(sPort));
        else if (!sPort.empty())
            modTrace::Trace(L"Port left out: not 1 to 5 decimal digits", sPort);
    });
    p.step([&] {
        if (rule.directIp && bDirectIp) appendString(sParams, rule.directIp);
    });
}

}  // namespace

bool detectAoe2(std::wstring& sFolder, std::wstring& sVersion) { return detect(keyOfGame(0), sFolder, sVersion); }
bool detectAoe2Conquerors(std::wstring& sFolder, std::wstring& sVersion) {
    return detect(keyOfGame(1), sFolder, sVersion);
}
bool detectAoM(std::wstring& sFolder, std::wstring& sVersion) { return detect(keyOfGame(2), sFolder, sVersion); }
bool detectAoMTitans(std::wstring& sFolder, std::wstring& sVersion) { return detect(keyOfGame(3), sFolder, sVersion); }
bool detectAoe3(std::wstring& sFolder, std::wstring& sVersion) { return detect(keyOfGame(4), sFolder, sVersion); }
bool detectAoe3Warchiefs(std::wstring& sFolder, std::wstring& sVersion) {
    return detect(keyOfGame(5), sFolder, sVersion);
}
bool detectAoe3Asians(std::wstring& sFolder, std::wstring& sVersion) { return detect(keyOfGame(6), sFolder, sVersion); }

void detectGames(GameRecords& records, TracedProcedure& p) {
    for (const GameTable::Game& game : GameTable::games()) {
        GameRecord& record = records[static_cast<size_t>(game.index)];
        p.step([&] { record.detected = false; });
        p.step([&] {
            if (detect(*game.key, record.folder, record.version)) findExecutable(game, record);
        });
    }
    traceExecutables(records, p);
}

bool startGame(std::wstring sExe, std::wstring sDir, std::wstring sParams, int32_t lGame, std::wstring sIP,
               std::wstring sPort, bool bNoIntro, bool bNoSound, bool bDirectIp) {
    TracedProcedure p(L"modFunctions", L"startGame", ProcKind::Module);
    bool result = false;
    if (const GameTable::Game* game = GameTable::gameAt(lGame))
        appendSwitches(p, *game->switches, sParams, sIP, sPort, bNoIntro, bNoSound, bDirectIp);
    p.step([&] { result = mShellExecute::shellExecute(sExe, kShowDefault, sParams, sDir, L"open", 0); });
    return result;
}

// Read as a number the way a conversion to a double reads it: blanks around
// it, a sign and an exponent are fine, "." is the decimal separator.
bool isBeforePatch101(const std::wstring& sVersion) {
    const wchar_t* start = sVersion.c_str();
    wchar_t* end = nullptr;
    double version = std::wcstod(start, &end);
    std::wstring read(start, static_cast<size_t>(end - start));
    bool isNumber = end != start && read.find_first_not_of(L" \t+-.0123456789eE") == std::wstring::npos &&
                    std::wcsspn(end, L" \t") == std::wcslen(end);
    return !isNumber || version < 1.01;
}

void filterPortKey(int16_t& KeyAscii) {
    constexpr int16_t kBackspace = 8, kEnter = 13;
    if ((KeyAscii >= L'0' && KeyAscii <= L'9') || KeyAscii == kBackspace || KeyAscii == kEnter) return;
    KeyAscii = 0;
}

std::wstring appendString(std::wstring& s, const std::wstring& sAdd) {
    s += sAdd;
    return s;
}

}  // namespace modFunctions
