#!/usr/bin/env bash
# Runs the test suite inside its own network and mount namespaces (so the
# network adapters Wine reports are the ones the tests set up, and a small
# drive can be mounted for them alone) with a throw-away Wine prefix and its
# own X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
ip link set lo up 2>/dev/null || true
# Adapter tests set this namespace's adapters per case through this script;
# outside the namespace the variable is missing and they are skipped.
export TW_ADAPTERS_SCRIPT="$root/scripts/net-adapters.sh"
# A drive of 2 MiB that tests can fill up, mounted only in the mount namespace
# scripts/test.sh gives the suite (never over the machine's); where it cannot
# be, the variable is missing and those tests are skipped.
full_drive="$build/full-drive"
mkdir -p "$full_drive"
if [ -n "${TW_OWN_MOUNTS:-}" ] && mount -t tmpfs -o size=2m tw-full-drive "$full_drive" 2>/dev/null; then
  export TW_FULL_DRIVE="$full_drive"
fi
unset DISPLAY
source "$root/scripts/wine-session.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
