#!/usr/bin/env bash
# The capture tool: a shipped level becomes a PNG of the asked size with a picture in it; a
# missing file or level fails with a message and writes nothing.
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
/usr/bin/python3 - "$tmp/a.png" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
assert im.size == (320, 240), im.size
couleurs = len(set(im.getdata()))
assert couleurs > 50, couleurs
print("ok picture", im.size, couleurs, "colours")
PY

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
