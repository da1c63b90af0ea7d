#!/usr/bin/env bash
# The capture tool: a shipped level becomes a PNG of the asked size showing the level (its walls,
# ball, keys panel and the starry sky where they must be); a missing file or level fails with a
# message and writes nothing.
set -euo pipefail
source_dir=$1
binary_dir=$2
outil="$binary_dir/tools/zv-gl-capture"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
[ -x "$outil" ] || { echo "missing $outil"; exit 1; }
niveau="$source_dir/data/mapsoff/1-Premiers-pas.map"
[ -f "$niveau" ] || niveau=$(ls "$source_dir"/data/mapsoff/*.map | head -n 1)

run() { if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; fi; }

run "$outil" --taille 320x240 --reflets --fond "$niveau" "$tmp/a.png" > "$tmp/log"

# The picture must show the level where it stands: regions of the 320 x 240 capture of level 1
# (the start camera) and the colour each must show on average, within a tolerance per channel.
# The sky must also be speckled with stars (a flat region is no background drawn).
cat > "$tmp/regions.py" <<'PY'
import sys
from PIL import Image, ImageStat
REGIONS = [  # name, box (left, top, right, bottom), mean colour, tolerance
    ("sky, left", (0, 0, 120, 240), (13, 10, 21), 20),
    ("sky, bottom", (0, 170, 320, 240), (10, 16, 23), 20),
    ("left wall", (141, 60, 150, 130), (251, 255, 255), 30),
    ("bottom wall", (180, 135, 260, 145), (235, 250, 254), 30),
    ("inside the walls", (240, 70, 300, 115), (7, 10, 18), 20),
    ("ball", (158, 115, 166, 123), (234, 233, 238), 40),
    ("keys panel frame", (182, 91, 230, 93), (13, 25, 58), 20),
    ("keys panel, left key", (185, 95, 193, 103), (152, 160, 182), 40),
]
im = Image.open(sys.argv[1]).convert("RGB")
if im.size != (320, 240):
    sys.exit("size %s" % (im.size,))
fautes = []
for nom, boite, attendu, tolerance in REGIONS:
    moyenne = ImageStat.Stat(im.crop(boite)).mean
    if any(abs(m - a) > tolerance for m, a in zip(moyenne, attendu)):
        fautes.append("%s: %s, expected %s" % (nom, [round(m) for m in moyenne], attendu))
etoiles = ImageStat.Stat(im.crop((0, 0, 120, 240)).convert("L")).stddev[0]
if etoiles < 3:
    fautes.append("sky without stars (deviation %.1f)" % etoiles)
if fautes:
    sys.exit("; ".join(fautes))
print("ok picture", im.size, len(set(im.getdata())), "colours")
PY
/usr/bin/python3 "$tmp/regions.py" "$tmp/a.png" || { echo "FAIL: the capture is not the level"; exit 1; }

# The check itself must refuse wrong pictures: black, noise, upside down, another place.
/usr/bin/python3 - "$tmp" <<'PY'
import random, sys
from PIL import Image
d = sys.argv[1]
im = Image.open(d + "/a.png").convert("RGB")
Image.new("RGB", im.size).save(d + "/faux-noir.png")
r = random.Random(1)
bruit = Image.new("RGB", im.size)
bruit.putdata([tuple(r.randrange(256) for _ in range(3)) for _ in range(im.size[0] * im.size[1])])
bruit.save(d + "/faux-bruit.png")
im.transpose(Image.FLIP_TOP_BOTTOM).save(d + "/faux-renverse.png")
im.transform(im.size, Image.AFFINE, (1, 0, 40, 0, 1, 0)).save(d + "/faux-decale.png")
PY
for faux in noir bruit renverse decale; do
  if /usr/bin/python3 "$tmp/regions.py" "$tmp/faux-$faux.png" > /dev/null 2>&1; then
    echo "FAIL: the region check accepts a wrong picture ($faux)"; exit 1
  fi
done

if run "$outil" "$tmp/absent.map" "$tmp/b.png" > "$tmp/log2" 2> "$tmp/err"; then
  echo "FAIL: a missing file succeeded"; exit 1
fi
grep -q "no level" "$tmp/err"
[ ! -e "$tmp/b.png" ]
if run "$outil" --niveau 999 "$niveau" "$tmp/c.png" > "$tmp/log3" 2> "$tmp/err"; then
  echo "FAIL: a missing level succeeded"; exit 1
fi
[ ! -e "$tmp/c.png" ]
echo ok
