#!/usr/bin/env bash
# Timing a person can manage: on small fixtures the tolerance checker passes a forgiving route,
# fails a tight one, a missing one and one too long, and its centring turns the tight route into a
# forgiving one; then every shipped level's human route wins within 45 s (4500 steps) and still
# wins with each key change moved alone by up to 10 steps (10 ms each), and in at least 98 of 100
# draws that move every change at once. Prints the campaign's table.
# Usage: tolerance.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
bin=$2/tools
niveau=$bin/zv-niveau
jouer=$bin/zv-jouer
tolerance=$bin/zv-tolerance
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# --- Fixtures. Level 1: the goal at the end of a corridor. Level 2: the goal behind the ball and
#     red cells four cells ahead of it, so a turn must come within 47 steps. Level 3: no route. ---
cat > "$tmp/f.txt" <<'TXT'
level 1
size 12 3
start 1 1
bombs 0
grid
############
#.........W#
############
end
level 2
size 12 3
start 6 1
bombs 0
grid
############
#W........X#
############
end
level 3
size 12 3
start 1 1
bombs 0
grid
############
#.........W#
############
end
TXT
"$niveau" map "$tmp/f.txt" "$tmp/f.map"
printf '# won at step 113\n0 R\n' > "$tmp/f-1-humain.txt"
# Right for 40 steps, then back left: 10 steps later the ball is in the red.
printf '0 R\n40 L\n' > "$tmp/serre.txt"
pas=$("$jouer" "$tmp/f.map" 2 "$tmp/serre.txt" 1000 2>/dev/null | sed -n 's/^won at step //p')
[ -n "$pas" ] || echec "the tight route does not win"
{ echo "# won at step $pas"; cat "$tmp/serre.txt"; } > "$tmp/f-2-humain.txt"

if "$tolerance" "$tmp/f.map" "$tmp/f" > "$tmp/t1" 2>/dev/null; then echec "the checker passed the fixtures"; fi
grep -q '^level  1 .*changes  1 .*worst shift still won +-40 .*random 100/100  ok$' "$tmp/t1" \
  || echec "level 1: $(sed -n 1p "$tmp/t1")"
grep -q '^level  2 .*changes  2 .*worst shift still won +-6  .*FAIL$' "$tmp/t1" \
  || echec "level 2 not caught: $(sed -n 2p "$tmp/t1")"
grep -q '^level  3  FAIL no readable route' "$tmp/t1" || echec "level 3: $(sed -n 3p "$tmp/t1")"
# A route longer than the limit fails however forgiving it is.
"$tolerance" --longest 100 "$tmp/f.map" "$tmp/f" > "$tmp/t5" 2>/dev/null || true
grep -q '^level  1 .*random 100/100  FAIL too long$' "$tmp/t5" || echec "--longest: $(sed -n 1p "$tmp/t5")"
# Fewer wins asked of fewer draws.
"$tolerance" --seeds 8 --wins 8 "$tmp/f.map" "$tmp/f" > "$tmp/t6" 2>/dev/null || true
grep -q '^level  1 .*random 8/8  ok$' "$tmp/t6" || echec "--seeds 8: $(sed -n 1p "$tmp/t6")"
# A route that does not win where it says fails too.
sed -i '1s/.*/# won at step 112/' "$tmp/f-1-humain.txt"
"$tolerance" "$tmp/f.map" "$tmp/f" > "$tmp/t2" 2>/dev/null || true
grep -qx 'level  1  FAIL the human route does not win at step 112' "$tmp/t2" || echec "$(sed -n 1p "$tmp/t2")"
if "$tolerance" --bogus "$tmp/f.map" "$tmp/f" > /dev/null 2>&1; then echec "bad option accepted"; fi
if "$tolerance" "$tmp/absent.map" "$tmp/f" > /dev/null 2>&1; then echec "a missing file passed"; fi

# Centring moves the turn to the middle of its window: the route then forgives.
"$tolerance" --centre "$tmp/f.map" 2 "$tmp/serre.txt" > "$tmp/g-2-humain.txt" 2>/dev/null \
  || echec "centring failed"
cp "$tmp/g-2-humain.txt" "$tmp/g-1-humain.txt"
cp "$tmp/g-2-humain.txt" "$tmp/g-3-humain.txt"
"$tolerance" "$tmp/f.map" "$tmp/g" > "$tmp/t3" 2>/dev/null || true
grep -Eq '^level  2 .*worst shift still won \+-(1[0-9]|[2-4][0-9]) .*ok$' "$tmp/t3" \
  || echec "the centred route: $(sed -n 2p "$tmp/t3") from $(tr '\n' ' ' < "$tmp/g-2-humain.txt")"

# --- Every shipped campaign file. ---
echecs=0
total=0
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  [ "$nom" = logom ] && continue
  echo "== $nom"
  if ! "$tolerance" "$f" "$src/tools/niveaux/solutions/$nom" | tee "$tmp/c"; then
    echecs=$((echecs + 1))
  fi
  total=$((total + $(grep -c '^level ' "$tmp/c")))
done
echo "$total human routes checked for timing"
[ "$echecs" -eq 0 ] || echec "$echecs campaign files have a level whose human route needs exact timing or is too long"
