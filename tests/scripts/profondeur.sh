#!/usr/bin/env bash
# Depth against a player who only reads the start view: on fixtures the depth check fails a
# corridor (hold right, then left at almost any moment), passes a level whose turn must come in
# a narrow window, and its shared work gives the same results as plain replays; then every
# shipped campaign level past the first file, each file's first level aside, is won by at most
# 5 % of the scripts "one key held from step 0, another from step T" (T = 1..2500, each run at
# most 6000 steps). Prints the campaign's table.
# Usage: profondeur.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
niveau=$2/tools/zv-niveau
profondeur=$2/tools/zv-profondeur
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# Level 1: the goal at the left end, the ball starts at the right: any turn wins. Level 2: the
# blue switch on the left opens the wall before the goal on the right, and red lies two cells
# past the switch: only a turn in those two cells wins. Level 3: a bomb and a wall before the
# goal.
cat > "$tmp/f.txt" <<'TXT'
level 1
size 14 3
start 11 1
bombs 0
grid
##############
#W...........#
##############
end
level 2
size 14 3
start 6 1
bombs 0
grid
@@@@@@@@@@@@@@
@X.b.....B..W@
@@@@@@@@@@@@@@
end
level 3
size 14 3
start 1 1
bombs 1
grid
@@@@@@@@@@@@@@
@.......#...W@
@@@@@@@@@@@@@@
end
TXT
"$niveau" map "$tmp/f.txt" "$tmp/f.map"
if "$profondeur" --verify 13 "$tmp/f.map" > "$tmp/t1" 2> "$tmp/e1"; then
  echec "the check passed the fixtures"
fi
cat "$tmp/t1"
grep -q '^f  *level  1  scripts   5000  won  *[0-9]*  share  *[1-9][0-9]\.[0-9]*%.*FAIL$' "$tmp/t1" \
  || echec "the corridor is not caught: $(grep 'level  1' "$tmp/t1")"
grep -q '^f  *level  2  scripts   5000  won  *[0-9]*  share  *[0-4]\.[0-9]*%.* ok$' "$tmp/t1" \
  || echec "the narrow turn: $(grep 'level  2' "$tmp/t1")"
# With a bomb the space bar joins the keys: four held-key states, twelve ordered pairs.
grep -q '^f  *level  3  scripts  30000 ' "$tmp/t1" || echec "the bomb level: $(grep 'level  3' "$tmp/t1")"
grep -c 'scripts replayed, 0 differ$' "$tmp/t1" | grep -qx 3 || echec "the shared work differs from replays"
[ ! -s "$tmp/e1" ] || echec "$(cat "$tmp/e1")"
grep -q '^2 levels over 5.0%: f-1 f-3$' "$tmp/t1" || echec "the failure list: $(tail -n 1 "$tmp/t1")"
"$profondeur" --exempt-first --limit 60 "$tmp/f.map" > /dev/null || echec "--exempt-first --limit 60"
"$profondeur" --report "$tmp/f.map" > /dev/null || echec "--report exits 1"
if "$profondeur" --bogus "$tmp/f.map" > /dev/null 2>&1; then echec "bad option accepted"; fi
if "$profondeur" "$tmp/absent.map" > /dev/null 2>&1; then echec "a missing file passed"; fi

# --- The shipped campaign past its first file. ---
fichiers=()
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  case $nom in logom | 1-*) continue ;; esac
  fichiers+=("$f")
done
"$profondeur" --exempt-first "${fichiers[@]}" || echec "a campaign level is won by too many two-key scripts"
