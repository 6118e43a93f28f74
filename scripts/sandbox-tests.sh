#!/usr/bin/env bash
# Runs the test suite inside its own network namespace (so the network
# adapters Wine reports are the ones the tests set up) with a throw-away
# Wine prefix and its own X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
ip link set lo up 2>/dev/null || true
# Adapter tests set this namespace's adapters per case through this script;
# outside the namespace the variable is missing and they are skipped.
export TW_ADAPTERS_SCRIPT="$root/scripts/net-adapters.sh"
unset DISPLAY
source "$root/scripts/wine-session.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
