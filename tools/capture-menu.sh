#!/usr/bin/env bash
# Stills of the demonstration level as the menu background shows it: the menu camera's path
# (start far away aiming at column 128, row 101, then swinging through the middle half of the
# level while closing in) is worked out step by step, and zv-gl-capture draws the level from
# where the camera is every 2 seconds over the first 30, with reflections and the sky, plus a
# contact sheet of the stills. The automaton does not run here (it leaves the name unchanged).
# Usage: bash tools/capture-menu.sh OUTPUT_DIR [WxH]   (under Xvfb when there is no display)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:?usage: capture-menu.sh OUTPUT_DIR [WxH]}
taille=${2:-1024x768}
outil=$racine/build/release/tools/zv-gl-capture
[ -x "$outil" ] || { echo "missing $outil (build the release first)"; exit 1; }
mkdir -p "$sortie"

# The menu thread's loop: one step every 10 ms, the camera eased toward the moving target.
/usr/bin/python3 - <<'PY' > "$sortie/chemin.txt"
W, H = 255, 202
ox, oy, oz, cx, cy = 0.0, 0.0, -15.0, 0.0, 0.0   # a freshly loaded level's camera


def suivre(x, y, z):
    global ox, oy, oz, cx, cy
    cx, cy = 0.5 * x + 0.5 * ox, 0.5 * y + 0.5 * oy
    ox, oy, oz = 0.1 * cx + 0.9 * ox, 0.1 * cy + 0.9 * oy, 0.1 * z + 0.9 * oz


tx, ty, vx, vy, px, py = 128.0, 101.0, 0.0, 0.0, 0.01, -0.01
tourne_x = tourne_y = False
suivre(128, 101, -300)
for pas in range(3001):
    if pas and pas % 200 == 0:
        print(f"{pas // 100:02d} {ox:.2f},{oy:.2f},{oz:.2f},{cx:.2f},{cy:.2f},0")
    if int(tx) > 3 * (W // 4) or tx < W // 4:
        if not tourne_x:
            px, tourne_x = -px, True
    else:
        tourne_x = False
    if int(ty) > 3 * (H // 4) or ty < H // 4:
        if not tourne_y:
            py, tourne_y = -py, True
    else:
        tourne_y = False
    s = 300.0 if pas == 0 else min(300.0, 250.0 / (pas / 500))
    vx, vy = (vx + px) * 0.97, (vy + py) * 0.97
    tx, ty = tx + vx * s / 300, ty + vy * s / 300
    suivre(tx, ty, -20 - s)
PY

while read -r seconde camera; do
  "$outil" --taille "$taille" --reflets --fond --camera "$camera" --donnees "$racine/data" \
    "$racine/data/mapsoff/logom.map" "$sortie/menu-$seconde.png" > /dev/null
done < "$sortie/chemin.txt"

/usr/bin/python3 - "$sortie" <<'PY'
import glob, sys
from PIL import Image
fichiers = sorted(glob.glob(sys.argv[1] + "/menu-*.png"))
w, h = 320, 240
planche = Image.new("RGB", (w * 5, h * 3))
for i, f in enumerate(fichiers):
    planche.paste(Image.open(f).convert("RGB").resize((w, h), Image.LANCZOS), ((i % 5) * w, (i // 5) * h))
planche.save(sys.argv[1] + "/planche.png", optimize=True)
print(len(fichiers), "stills and", sys.argv[1] + "/planche.png")
PY
