#!/usr/bin/env bash
# Makes every data file of the game under data/ (pictures, font sheets, languages, shaders,
# sound effects, music), the contact sheet docs/contact-sheet.png and the desktop icons under
# packaging/. The output is committed, so the game runs from a checkout without this; running
# it again gives identical files.
# Needs: bash tools/install-deps.sh --generators
set -euo pipefail
cd "$(dirname "$0")/.."
py=/usr/bin/python3     # Debian's interpreter, which has python3-pil and python3-numpy
for outil in "$py" oggenc oggdec; do
  command -v "$outil" >/dev/null || { echo "missing $outil: bash tools/install-deps.sh --generators"; exit 1; }
done
cd tools/donnees
echo "font sheets";    "$py" police.py
echo "languages";      "$py" langues.py
echo "pictures";       "$py" images.py
echo "shaders";        mkdir -p ../../data/shaders && cp shaders/*.vert shaders/*.frag ../../data/shaders/
echo "sound effects";  "$py" sons.py
echo "music";          "$py" musique.py
echo "contact sheet";  "$py" planche.py
echo "desktop icon";   convert ../../data/imgs/icon.bmp -strip -define png:exclude-chunks=date,time ../../packaging/zarvinel.png
echo "desktop icons";  "$py" icones.py
echo "done: $(du -sh ../../data | cut -f1) in data/"
