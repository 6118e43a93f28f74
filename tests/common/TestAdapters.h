#pragma once
// The network adapters of the test suite's private namespace, set per case
// by scripts/net-adapters.sh (a Unix program that Wine starts directly).
// Use with "// ctest-lock: adapters", as should any test whose program
// looks at the adapters (the launcher's main window does at load).
#include <cstdlib>
#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "common/WineUnix.h"
#include "runtime/Ansi.h"

namespace testenv {

// The script's Unix path; "" outside the suite's own namespace.
inline std::string adaptersScript() {
    const char* path = std::getenv("TW_ADAPTERS_SCRIPT");
    return path ? path : "";
}

// False outside the suite's own namespace: adapter tests skip then.
inline bool adaptersControllable() { return !adaptersScript().empty(); }

// Gives the test adapters their addresses, one entry per adapter in order:
// "10.0.0.1", "10.0.0.1+10.0.0.2" for two addresses, "-" for none. Returns
// "ok" when exactly these adapters exist, else what failed. Adapters are
// only ever added (Wine goes on listing a removed one), so the count can
// grow but not shrink; adapters beyond the entries lose their addresses and
// make the answer "ok N" with their total count N.
inline std::string setTestAdapters(const std::vector<std::string>& adapters) {
    const std::string script = adaptersScript();
    // The script's end is seen through its done file.
    std::string doneFile = "/tmp/tw-adapters-" + std::to_string(GetCurrentProcessId()) + ".done";
    std::wstring doneWindows = windowsPath(rt::fromAnsi(doneFile));
    DeleteFileW(doneWindows.c_str());
    std::string arguments = doneFile;
    for (const auto& a : adapters) arguments += " " + a;
    if (!startUnix(rt::fromAnsi(script), arguments)) return "cannot start " + script;
    std::string answer;
    if (!pumpUntil([&] { return !(answer = readFile(doneWindows)).empty(); }, 10000)) return "no answer from " + script;
    DeleteFileW(doneWindows.c_str());
    answer.erase(answer.find_last_not_of("\r\n") + 1);
    return answer == "ok " + std::to_string(adapters.size()) ? "ok" : answer;
}

}  // namespace testenv
