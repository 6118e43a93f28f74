#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ "$(id -u)" -eq 0 ]; then
  exec unshare --net "$root/scripts/sandbox-tests.sh" "$@"
else
  exec unshare --user --map-root-user --net "$root/scripts/sandbox-tests.sh" "$@"
fi
