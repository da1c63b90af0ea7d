#!/usr/bin/env bash
# Reflections are added to the cells' colour (GL_ADD), so the sky cube they come from must give
# a gloss, not a white-out: a shipped level with coloured bricks, captured with and without
# reflections, keeps the hue of every coloured cell while its brightness rises a little.
# Usage: reflets_teinte.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
src=$1
capture=$2/tools/zv-gl-capture
niveau=$2/tools/zv-niveau
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for outil in "$capture" "$niveau"; do [ -x "$outil" ] || { echo "missing $outil"; exit 1; }; done

run() { if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; fi; }

# The shipped level with the most coloured bricks (the campaign may change; the choice follows).
for f in "$src"/data/mapsoff/*.map; do
  [ "$(basename "$f")" = logom.map ] && continue
  "$niveau" text "$f" > "$tmp/$(basename "$f" .map).txt"
done
choix=$(/usr/bin/python3 - "$tmp" <<'PY'
import glob, os, sys
meilleur = (0, "", 0)
for f in sorted(glob.glob(sys.argv[1] + "/*.txt")):
    numero, compte, grille = 0, 0, False
    for ligne in open(f, encoding="latin-1"):
        mot = ligne.split()
        if mot[:1] == ["level"]:
            numero, compte, grille = int(mot[1]), 0, False
        elif mot[:1] == ["grid"]:
            grille = True
        elif mot[:1] == ["end"]:
            grille = False
            meilleur = max(meilleur, (compte, os.path.basename(f)[:-4], numero))
        elif grille:
            compte += sum(ligne.count(c) for c in "RYGB")
print(meilleur[1], meilleur[2], meilleur[0])
PY
)
read -r fichier numero briques <<< "$choix"
[ "${briques:-0}" -gt 0 ] || { echo "no shipped level has coloured bricks"; exit 1; }
echo "level $numero of $fichier: $briques coloured bricks"

carte="$src/data/mapsoff/$fichier.map"
run "$capture" --niveau "$numero" --taille 1024x768 --donnees "$src/data" "$carte" "$tmp/sans.png" > /dev/null
run "$capture" --niveau "$numero" --taille 1024x768 --reflets --donnees "$src/data" "$carte" \
  "$tmp/avec.png" > /dev/null

/usr/bin/python3 - "$tmp/sans.png" "$tmp/avec.png" <<'PY'
import sys
import numpy as np
from PIL import Image
sans = np.asarray(Image.open(sys.argv[1]).convert("HSV"), dtype=np.float64)
avec = np.asarray(Image.open(sys.argv[2]).convert("HSV"), dtype=np.float64)
# The coloured cells: saturated and not too dark without reflections.
m = (sans[..., 1] > 110) & (sans[..., 2] > 40)
n = int(m.sum())
assert n > 200, f"only {n} coloured pixels"
ecart = np.abs(((avec[..., 0] - sans[..., 0]) + 128) % 256 - 128)[m] * 360 / 256
gain = avec[..., 2][m] / sans[..., 2][m]
sat = avec[..., 1][m] / sans[..., 1][m]
perdus = float((ecart > 30).mean())
print(f"{n} coloured pixels: hue shift median {np.median(ecart):.1f} deg, {perdus:.1%} beyond 30 deg; "
      f"brightness x{np.median(gain):.2f}, saturation x{np.median(sat):.2f}")
assert np.median(ecart) < 10, "the hue moves"
assert perdus < 0.10, "too many coloured pixels change hue"
assert 1.0 <= np.median(gain) <= 1.6, "the brightness should rise a little"
assert np.median(sat) > 0.6, "the colours wash out"
print("ok")
PY
