#!/usr/bin/env bash
# The shortcut finder and the solver: on small fixtures they catch what they are meant to catch,
# then every shipped level passes the finder (fixed seed): no script wins much sooner than the
# recorded solution, no level after the first file is won by one held key, no blastable border
# in a level with bombs, and in the first two files no landing of the solution near a deadly cell.
# Usage: raccourcis.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
bin=$2/tools
niveau=$bin/zv-niveau
jouer=$bin/zv-jouer
finder=$bin/zv-raccourcis
solveur=$bin/zv-resoudre
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# --- Fixtures. Level 1: a corridor. Level 2: a wall to blast, under a brick top border.
#     Level 3: a drop that lands next to a red cell. ---
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
start 1 1
bombs 1
grid
############
#..#......W#
@@@@@@@@@@@@
end
level 3
size 10 6
start 1 1
bombs 0
grid
##########
#........#
#######..#
#........#
#W......X#
##########
end
TXT
"$niveau" map "$tmp/f.txt" "$tmp/f.map"
# A slow solution for level 1 (waits 200 steps), an honest one for level 2 (blast, then roll),
# and level 3's: roll right off the shelf, then left to the goal.
printf '# won at step 313\n0 -\n200 R\n' > "$tmp/f-1.txt"
printf '# won at step 113\n0 R\n10 RS\n20 R\n' > "$tmp/f-2.txt"
"$jouer" "$tmp/f.map" 2 "$tmp/f-2.txt" 400 2>/dev/null | grep -qx 'won at step 113' \
  || echec "fixture 2: $("$jouer" "$tmp/f.map" 2 "$tmp/f-2.txt" 400 2>/dev/null)"
printf '0 R\n80 L\n' > "$tmp/s3.txt"
pas3=$("$jouer" "$tmp/f.map" 3 "$tmp/s3.txt" 600 2>/dev/null | sed -n 's/^won at step //p')
[ -n "$pas3" ] || echec "fixture 3 is not won"
{ echo "# won at step $pas3"; cat "$tmp/s3.txt"; } > "$tmp/f-3.txt"
"$jouer" "$tmp/f.map" 1 "$tmp/f-1.txt" 400 2>/dev/null | grep -qx 'won at step 313' || echec "fixture 1"

if "$finder" "$tmp/f.map" "$tmp/f" > "$tmp/t1" 2>&1; then echec "the finder passed the fixtures"; fi
grep -q '^level  1 .*fastest   113 .*held key 113 R .*FAIL shortcut held-key$' "$tmp/t1" \
  || echec "level 1 not caught: $(sed -n 1p "$tmp/t1")"
grep -q '^level  2 .*FAIL blastable border at column 0 row 0$' "$tmp/t1" \
  || echec "level 2 not caught: $(sed -n 2p "$tmp/t1")"
grep -q '^level  3 .* ok$' "$tmp/t1" || echec "level 3 without --beginner: $(sed -n 3p "$tmp/t1")"
"$finder" --held-key-ok --beginner 3 "$tmp/f.map" "$tmp/f" > "$tmp/t2" 2>&1 || true
grep -q '^level  1 .*FAIL shortcut$' "$tmp/t2" || echec "--held-key-ok: $(sed -n 1p "$tmp/t2")"
grep -q '^level  3 .*FAIL landing-near-deadly$' "$tmp/t2" \
  || echec "--beginner: $(sed -n 3p "$tmp/t2")"
# The same seed gives the same table.
"$finder" "$tmp/f.map" "$tmp/f" > "$tmp/t3" 2>&1 || true
cmp -s "$tmp/t1" "$tmp/t3" || echec "the finder is not deterministic"
if "$finder" --bogus "$tmp/f.map" "$tmp/f" > /dev/null 2>&1; then echec "bad option accepted"; fi
# A solution that does not win where it says, or none at all, fails its level.
cp "$tmp/f-2.txt" "$tmp/g-1.txt"
sed -i '1s/.*/# won at step 112/' "$tmp/g-1.txt"
if "$finder" "$tmp/f.map" "$tmp/g" > "$tmp/t4" 2>&1; then echec "wrong solutions passed"; fi
grep -qx 'level 1: FAIL the solution does not win at step 112' "$tmp/t4" || echec "$(sed -n 1p "$tmp/t4")"
grep -q '^level 2: FAIL no readable solution' "$tmp/t4" || echec "$(sed -n 2p "$tmp/t4")"
if "$finder" "$tmp/absent.map" "$tmp/f" > /dev/null 2>&1; then echec "a missing file passed"; fi

# The solver's script wins where it says, through the runner.
"$solveur" "$tmp/f.map" 3 > "$tmp/r3.txt" 2> /dev/null || echec "the solver found no win"
pas=$(sed -n '1s/^# won at step //p' "$tmp/r3.txt")
[ "$("$jouer" "$tmp/f.map" 3 "$tmp/r3.txt" $((pas + 10)) 2>/dev/null)" = "won at step $pas" ] \
  || echec "the solver's script does not win at step $pas"
[ "$pas" -le "$pas3" ] || echec "the solver is slower ($pas) than a hand script ($pas3)"

# --- Every shipped campaign file. A sanitizer build (ten times slower or more) checks the
#     tools' memory with a lighter search; the campaign's judgement is the optimised build's. ---
leger=()
if grep -Eq '^ZARVINEL_SANITIZE:[A-Z]*=.+' "$2/CMakeCache.txt" 2>/dev/null; then
  leger=(--random 30 --search 30 --states 20000)
fi
total=0
echecs=0
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  [ "$nom" = logom ] && continue
  options=()
  case $nom in
    1-*) options=(--held-key-ok --beginner 6) ;;
    2-*) options=(--beginner 6) ;;
  esac
  echo "== $nom"
  if ! "$finder" ${leger[@]+"${leger[@]}"} ${options[@]+"${options[@]}"} "$f" "$src/tools/niveaux/solutions/$nom" | tee "$tmp/c"; then
    echecs=$((echecs + 1))
  fi
  total=$((total + $(grep -c '^level ' "$tmp/c")))
done
echo "$total levels searched for shortcuts"
[ "$echecs" -eq 0 ] || echec "$echecs campaign files have a failing level"
