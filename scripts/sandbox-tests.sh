#!/usr/bin/env bash
# Runs the test suite inside its own network namespace (so the network
# adapters Wine reports are the ones the tests set up) with a throw-away
# Wine prefix and its own X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
ip link set lo up 2>/dev/null || true
unset DISPLAY
source "$root/scripts/wine-session.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
