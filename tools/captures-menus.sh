#!/usr/bin/env bash
# Screenshots of the real game for the README: the main menu (640 x 480 and 1024 x 768), the
# options screen, the language screen and a level won with its result picture. The game is
# driven like the player scripts do (xdotool), on a fresh user directory; pictures are taken
# with ImageMagick's import. Runs under its own Xvfb when there is no display.
# Usage: tools/captures-menus.sh [BUILD_DIR (default build/release)] [OUT_DIR (default docs)]
set -uo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$racine/build/release}" && pwd)
sortie=$(mkdir -p "${2:-$racine/docs}" && cd "${2:-$racine/docs}" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" "$sortie"
fi
source "$racine/tests/scripts/joueur/commun.bash" "$racine" "$build"

garder() { cp "$tmp/$1.png" "$sortie/$2" && echo "$sortie/$2"; }

# Main menu, options, language.
demarrer
sleep 3  # the background's camera on its way
capture menu && garder menu menu-principal.png
cliquer 90 "$(menu_label_y 122)"
attendre_ligne '^Menu : ordre 254$'
sleep 1
capture options && garder options menu-options.png
cliquer 375 440
attendre_ligne '^[0-9]+ langues$' 2
cliquer 90 "$(menu_label_y 90)"
attendre_ligne '^Menu : ordre 255$'
cliquer $((W / 2)) $((H / 2 - 150 + 2 + 20 + 10))  # English
sleep 1
capture langue && garder langue menu-langue.png
cliquer $((W / 2 - 75)) $((H / 2 - 150 + 2 + 10))   # back to Francais
cliquer $((W / 2 + 75)) $((H / 2 + 160))
attendre_ligne '^[0-9]+ langues$' 3

# The first level, won.
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '^musicStart$'
sleep 1
touche Return
attendre_ligne "^Lancement du thread d'action$"
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
sleep 1.5
capture gagne && garder gagne jeu-gagne.png
touche Return
attendre_ligne '^musicStart$' 2
fermer_fenetre
attendre_fin

# A larger window.
mkdir -p "$home/conf"
printf 'ResX=1024\nResY=768\n' >"$home/conf/options.conf"
demarrer
sleep 3
capture grand && garder grand menu-principal-1024.png
fermer_fenetre
attendre_fin
