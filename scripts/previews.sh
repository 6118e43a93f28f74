#!/usr/bin/env bash
# Builds, then writes PNG previews of the program's pictures into
# build/previews/ (icons, cursors and small bitmaps enlarged 8 times, one
# file per icon image).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TW_BUILD:-$root/build}"
"$root/scripts/build.sh"
out="$build/previews"
rm -rf "$out"
mkdir -p "$out"
for picture in "$build"/resources/*.ico "$build"/resources/*.cur "$build"/resources/*.bmp; do
  name=$(basename "${picture%.*}")
  if [ "$(identify -format '%w\n' "$picture" | sort -n | tail -1)" -lt 100 ]; then
    convert "$picture" -filter point -scale 800% "$out/$name-%d.png"
  else
    convert "$picture" "$out/$name.png"
  fi
done
echo "previews in $out"
