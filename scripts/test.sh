#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# Mounts made inside go with the namespace: the suite may make its own.
export TW_OWN_MOUNTS=1
if [ "$(id -u)" -eq 0 ]; then
  exec unshare --net --mount "$root/scripts/sandbox-tests.sh" "$@"
else
  exec unshare --user --map-root-user --net --mount "$root/scripts/sandbox-tests.sh" "$@"
fi
