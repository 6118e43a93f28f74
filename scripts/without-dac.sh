#!/usr/bin/env bash
# Runs a Wine command without the capabilities that let root read and list
# any folder, whatever its mode (as a plain user runs it).
#   without-dac.sh COMMAND [ARGUMENT]...
# Wine's server opens files and folders for its clients, so the command gets
# a server of its own, started without them too, on a copy of the session's
# prefix. The copy's files are links: Wine replaces the files it changes
# there (the registry) rather than writing into them.
# Only the parts of the prefix that nothing changes while the suite runs are
# copied: tests make and remove their scratch folders in the users' folders,
# and the session's server writes its registry through temporary files
# beside the registry's own. Each user gets an empty Temp folder.
set -euo pipefail
shared=${WINEPREFIX:-$HOME/.wine}
prefix=$(mktemp -d /tmp/tarnwicket-nodac.XXXXXX)
finish() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$prefix"
}
trap finish EXIT
# A new prefix's server may not have written the registry's files yet.
for file in system.reg user.reg userdef.reg .update-timestamp; do
  [ ! -e "$shared/$file" ] || cp -as "$shared/$file" "$prefix/"
done
cp -a "$shared/dosdevices" "$prefix/"
mkdir "$prefix/drive_c"
for entry in "$shared/drive_c"/*; do
  [ "${entry##*/}" = users ] || cp -as "$entry" "$prefix/drive_c/"
done
for user in "$shared/drive_c/users"/*; do
  mkdir -p "$prefix/drive_c/users/${user##*/}/Temp"
done
WINEPREFIX=$prefix setpriv --bounding-set=-dac_override,-dac_read_search "$@"
