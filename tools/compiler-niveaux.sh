#!/usr/bin/env bash
# Compiles the shipped levels from their text sources (tools/niveaux/*.txt) into level files:
# every NAME.txt becomes NAME.map, logom.txt included (the menu's demonstration level). The
# recorded solutions the game shows as hints go beside them: solutions/NAME-N.txt from
# tools/niveaux/solutions/NAME-N-humain.txt when there is one, else NAME-N.txt.
# Usage: bash tools/compiler-niveaux.sh [OUTPUT_DIR [ZV_NIVEAU]]
#   Without OUTPUT_DIR it writes data/mapsoff and first remakes logom.txt with logo.py; with one
#   (as the tests do) it only reads the sources. ZV_NIVEAU is the level tool (found or built
#   otherwise).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:-$racine/data/mapsoff}
outil=${2:-${ZV_NIVEAU:-}}
if [ -z "$outil" ]; then
  for candidat in "$racine"/build/release/tools/zv-niveau "$racine"/build/*/tools/zv-niveau; do
    if [ -x "$candidat" ]; then outil=$candidat; break; fi
  done
fi
if [ -z "$outil" ]; then
  cmake -S "$racine" -B "$racine/build/niveaux" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$racine/build/niveaux" --target zv-niveau > /dev/null
  outil=$racine/build/niveaux/tools/zv-niveau
fi
if [ $# -eq 0 ]; then
  /usr/bin/python3 "$racine/tools/niveaux/logo.py" > "$racine/tools/niveaux/logom.txt"
fi
mkdir -p "$sortie"
for source in "$racine"/tools/niveaux/*.txt; do
  nom=$(basename "$source" .txt)
  "$outil" map "$source" "$sortie/$nom.map"
done
mkdir -p "$sortie/solutions"
rm -f "$sortie"/solutions/*.txt
for solution in "$racine"/tools/niveaux/solutions/*.txt; do
  nom=$(basename "$solution" .txt)
  [[ $nom =~ -[0-9]+$ ]] || continue
  humaine=${solution%.txt}-humain.txt
  [ -f "$humaine" ] && solution=$humaine
  cp "$solution" "$sortie/solutions/$nom.txt"
done
