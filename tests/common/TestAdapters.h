#pragma once
// The network adapters of the test suite's private namespace, set per case
// by scripts/net-adapters.sh (a Unix program that Wine starts directly).
// Use with "// ctest-lock: adapters", as should any test whose program
// looks at the adapters (the launcher's main window does at load).
#include <string>
#include <vector>

namespace testenv {

// False outside the suite's own namespace: adapter tests skip then.
bool adaptersControllable();

// Gives the test adapters their addresses, one entry per adapter in order:
// "10.0.0.1", "10.0.0.1+10.0.0.2" for two addresses, "-" for none. Returns
// "ok" when exactly these adapters exist, else what failed. Adapters are
// only ever added (Wine goes on listing a removed one), so the count can
// grow but not shrink; adapters beyond the entries lose their addresses and
// make the answer "ok N" with their total count N.
std::string setTestAdapters(const std::vector<std::string>& adapters);

}  // namespace testenv
