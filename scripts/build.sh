#!/usr/bin/env bash
# Configures and builds everything (program, tools, tests, benchmarks) into build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
set +e
cmake --build "$build" -j "$(nproc)" -- --no-print-directory 2>&1 | grep -v -E '^\[ *[0-9]+%\] (Building|Linking|Built)'
exit "${PIPESTATUS[0]}"
