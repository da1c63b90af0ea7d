#!/usr/bin/env bash
# As a player on three screens (640 x 480, 1920 x 1080, 3840 x 2160), each an Xvfb display of
# its own: a first start fits the window to the screen, and a full-size window scales the GUI
# (1, 2, 4) so that the menu, the options, a level and the editor answer clicks at the scaled
# positions and the name field takes typed text.
# Usage: echelle_interface.sh SOURCE_DIR BINARY_DIR [CAPTURES_DIR]
set -uo pipefail
command -v xvfb-run >/dev/null || { echo "ECHEC: xvfb-run is missing"; exit 1; }
ecran="$(dirname "$0")/joueur/echelle_ecran.bash"
for cas in "640 480 1" "1920 1080 2" "3840 2160 4"; do
  read -r w h e <<<"$cas"
  xvfb-run -a -s "-screen 0 ${w}x${h}x24" bash "$ecran" "$1" "$2" "$w" "$h" "$e" ${3:+"$3"} ||
    exit 1
done
echo "ok"
