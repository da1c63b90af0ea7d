#!/usr/bin/env bash
# As a player: from the main menu, pick the first file of planning levels in the catalogue and
# play its first level the way a person would, with nothing timed to the step: hold the left arrow
# until the ball rests against the far wall (off the shelf's safe end, over the blue switch), then
# hold the right arrow across the fragile bridge to the goal. The second level loads.
# Usage: menu_reflexion.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

# Its row in the catalogue: the shipped files with their numbers in order ("9-" before "10-"),
# the demonstration level left out.
nom=9-Reflexion
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map -printf '%f\n' |
  LC_ALL=C sort -V | grep -nx "$nom.map" | cut -d: -f1)
[ -n "$rang" ] || echec "no $nom.map shipped"
rang=$((rang - 1))

demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne "$nom\\.map headok\$"
attendre_ligne '^Map 30 x 13'
attendre_ligne '^musicStart$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
# Left until the wall: about 2 s of rolling and falling; held longer (a slow build), the ball
# just rests against it.
xdotool keydown Left
sleep 6
xdotool keyup Left
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
capture gagne
touche Return
attendre_ligne '^Niveau terminé$'
attendre_ligne '^Map 30 x 16'
attendre_ligne '^musicStart$' 2
capture niveau2
fermer_fenetre
attendre_fin
echo "ok"
