#!/usr/bin/env bash
# What a player sees before pressing Enter: on fixtures the start-view check passes a room and
# fails a level too long to read in a 640 x 480 window; then every shipped campaign level shows
# all its goals, springs, switches and red cells inside the window, none smaller than 12 pixels.
# Prints the campaign's table.
# Usage: vue_depart.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
niveau=$2/tools/zv-niveau
vue=$2/tools/zv-vue-depart
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# Level 1: a room. Level 2: a corridor 200 cells long with its goal at the far end.
{
  printf 'level 1\nsize 12 4\nstart 1 2\nbombs 0\ngrid\n############\n#..^....X.W#\n#.r........#\n############\nend\n'
  printf 'level 2\nsize 200 3\nstart 1 1\nbombs 0\ngrid\n'
  printf '%0.s#' $(seq 200); echo
  printf '#'; printf '%0.s.' $(seq 197); printf 'W#\n'
  printf '%0.s#' $(seq 200); echo
  printf 'end\n'
} > "$tmp/f.txt"
"$niveau" map "$tmp/f.txt" "$tmp/f.map"
if "$vue" "$tmp/f.map" > "$tmp/t1" 2>&1; then echec "the check passed the fixtures"; fi
grep -q '^level  1 .*cells to see   4  outside  0 .* ok$' "$tmp/t1" || echec "level 1: $(sed -n 1p "$tmp/t1")"
grep -q '^level  2 .*cells to see   1 .*FAIL$' "$tmp/t1" || echec "level 2 not caught: $(sed -n 2p "$tmp/t1")"
"$vue" --window 1920 1080 --min 1 "$tmp/f.map" > /dev/null || echec "a 1-pixel minimum failed"
if "$vue" --bogus "$tmp/f.map" > /dev/null 2>&1; then echec "bad option accepted"; fi
if "$vue" "$tmp/absent.map" > /dev/null 2>&1; then echec "a missing file passed"; fi

echecs=0
total=0
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  [ "$nom" = logom ] && continue
  echo "== $nom"
  if ! "$vue" "$f" | tee "$tmp/c"; then echecs=$((echecs + 1)); fi
  total=$((total + $(grep -c '^level ' "$tmp/c")))
done
echo "$total level starts checked in a 640 x 480 window"
[ "$echecs" -eq 0 ] || echec "$echecs campaign files have a level whose start view hides or shrinks a cell"
