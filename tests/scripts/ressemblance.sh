#!/usr/bin/env bash
# No near-copies: on fixtures the likeness check catches a level that repeats another with a
# few cells changed and passes a small room that fits in a corner of a larger level; then no two
# shipped campaign levels share more than 70 % of their non-empty cells (same code, same place,
# grids aligned at the top-left corner, frames left out, over the mean of the two counts).
# Usage: ressemblance.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
niveau=$2/tools/zv-niveau
ressemblance=$2/tools/zv-ressemblance
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# Level 2 is level 1 with one brick moved; level 3 is a room the size of level 1's top-left
# corner, with the same shelf; level 4 is another design.
cat > "$tmp/f.txt" <<'TXT'
level 1
size 12 6
start 1 1
bombs 0
grid
@@@@@@@@@@@@
@....#....W@
@####.####.@
@.....#....@
@.######^..@
@@@@@@@@@@@@
end
level 2
size 12 6
start 1 1
bombs 0
grid
@@@@@@@@@@@@
@...#.....W@
@####.####.@
@.....#....@
@.######^..@
@@@@@@@@@@@@
end
level 3
size 6 4
start 1 1
bombs 0
grid
@@@@@@
@...W@
@####@
@@@@@@
end
level 4
size 12 6
start 1 1
bombs 0
grid
@@@@@@@@@@@@
@.........W@
@..%%%%%%%%@
@.^........@
@XXXXXXXXXX@
@@@@@@@@@@@@
end
TXT
"$niveau" map "$tmp/f.txt" "$tmp/f.map"
if "$ressemblance" "$tmp/f.map" > "$tmp/t1"; then echec "the check passed the fixtures"; fi
cat "$tmp/t1"
grep -q '^f-1 f-2  9[0-9]\.[0-9]%  FAIL$' "$tmp/t1" || echec "the near-copy is not caught"
[ "$(grep -c FAIL "$tmp/t1")" = 1 ] || echec "more than the near-copy caught"
"$ressemblance" --limit 99 "$tmp/f.map" > /dev/null || echec "--limit 99"
"$ressemblance" --report "$tmp/f.map" > /dev/null || echec "--report exits 1"
if "$ressemblance" --bogus "$tmp/f.map" > /dev/null 2>&1; then echec "bad option accepted"; fi
if "$ressemblance" "$tmp/absent.map" > /dev/null 2>&1; then echec "a missing file passed"; fi

# --- The shipped campaign, every file against every other. ---
fichiers=()
for f in "$src"/data/mapsoff/*.map; do
  [ "$(basename "$f" .map)" = logom ] || fichiers+=("$f")
done
"$ressemblance" "${fichiers[@]}" || echec "two campaign levels are near-copies"
