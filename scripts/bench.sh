#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine (throw-away prefix, own X server).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
unset DISPLAY
source "$root/scripts/wine-session.sh"
wine "$build/bench/startup_bench.exe" "${1:-10}"
wine "$build/bench/paint_bench.exe"
wine "$build/bench/listing_bench.exe" "${1:-5}"
