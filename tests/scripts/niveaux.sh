#!/usr/bin/env bash
# The shipped levels: compiled from their text sources byte for byte, converted back to the
# same text, every level won by its recorded solution at the recorded step, and the recorded
# wrong moves lost.
# Usage: niveaux.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
niveau=$2/tools/zv-niveau
jouer=$2/tools/zv-jouer
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echecs=0
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }

# The demonstration level's text is what its generator writes.
/usr/bin/python3 "$src/tools/niveaux/logo.py" > "$tmp/logom.txt"
cmp -s "$tmp/logom.txt" "$src/tools/niveaux/logom.txt" || echec "logo.py does not give logom.txt"

# (1) Recompiled sources are the shipped files, and nothing else is shipped.
bash "$src/tools/compiler-niveaux.sh" "$tmp/maps" "$niveau"
for f in "$tmp"/maps/*.map; do
  cmp -s "$f" "$src/data/mapsoff/$(basename "$f")" || echec "$(basename "$f") differs from its source"
done
for f in "$src"/data/mapsoff/*.map; do
  [ -f "$tmp/maps/$(basename "$f")" ] || echec "$(basename "$f") has no source"
done
# The hints the game plays are the recorded solutions, compiled the same way.
diff -r "$tmp/maps/solutions" "$src/data/mapsoff/solutions" >/dev/null ||
  echec "data/mapsoff/solutions differs from the recorded solutions"

# (2) The shipped files convert back to their sources.
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  "$niveau" text "$f" > "$tmp/$nom.txt"
  cmp -s "$tmp/$nom.txt" "$src/tools/niveaux/$nom.txt" || echec "$nom.map does not convert back to its source"
done

# (3) Every level of every campaign file has a solution that wins at its recorded step.
total=0
for f in "$src"/data/mapsoff/*.map; do
  nom=$(basename "$f" .map)
  [ "$nom" = logom ] && continue
  niveaux=$(grep -c '^level ' "$src/tools/niveaux/$nom.txt")
  [ "$niveaux" -gt 0 ] || echec "$nom has no level"
  for ((n = 1; n <= niveaux; n++)); do
    sol=$src/tools/niveaux/solutions/$nom-$n.txt
    if [ ! -f "$sol" ]; then echec "$nom level $n has no solution"; continue; fi
    attendu=$(sed -n '1s/^# won at step \([0-9][0-9]*\)$/\1/p' "$sol")
    if [ -z "$attendu" ]; then echec "$sol lacks its '# won at step N' line"; continue; fi
    resultat=$("$jouer" "$f" "$n" "$sol" $((attendu + 200)) 2>/dev/null | tail -n 1)
    [ "$resultat" = "won at step $attendu" ] || echec "$nom level $n: '$resultat', expected won at step $attendu"
    total=$((total + 1))
  done
done
# (4) The recorded wrong moves lose, at their recorded step.
perdus=0
for sol in "$src"/tools/niveaux/solutions/*-perdu.txt; do
  [ -f "$sol" ] || continue
  base=$(basename "$sol" -perdu.txt)
  n=${base##*-}
  nom=${base%-*}
  attendu=$(sed -n '1s/^# lost at step \([0-9][0-9]*\)$/\1/p' "$sol")
  if [ -z "$attendu" ]; then echec "$sol lacks its '# lost at step N' line"; continue; fi
  resultat=$("$jouer" "$src/data/mapsoff/$nom.map" "$n" "$sol" $((attendu + 200)) 2>/dev/null | tail -n 1)
  [ "$resultat" = "lost at step $attendu" ] || echec "$nom level $n, wrong move: '$resultat', expected lost at step $attendu"
  perdus=$((perdus + 1))
done
echo "$total levels replayed, $perdus wrong moves checked"
[ "$echecs" -eq 0 ]
