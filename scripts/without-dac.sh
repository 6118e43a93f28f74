#!/usr/bin/env bash
# Runs a Wine command without the capabilities that let root read and list
# any folder, whatever its mode (as a plain user runs it).
#   without-dac.sh COMMAND [ARGUMENT]...
# Wine's server opens files and folders for its clients, so the command gets
# a server of its own, started without them too, on a copy of the session's
# prefix. The copy's files are links: Wine replaces the files it changes
# there (the registry) rather than writing into them.
set -euo pipefail
prefix=$(mktemp -d /tmp/tarnwicket-nodac.XXXXXX)
finish() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$prefix"
}
trap finish EXIT
cp -as "${WINEPREFIX:-$HOME/.wine}/." "$prefix/"
WINEPREFIX=$prefix setpriv --bounding-set=-dac_override,-dac_read_search "$@"
