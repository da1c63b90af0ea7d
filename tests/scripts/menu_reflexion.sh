#!/usr/bin/env bash
# As a player: from the main menu, pick the first file of planning levels in the catalogue and
# play its first level the way a person would, with nothing timed to the step: hold the left arrow
# until the ball rests against the blue wall (off the shelf's safe end, sparing the fragile
# bridge), then the right arrow across the bridge until it rests on the blue switch against the
# far wall, then the left arrow to the goal the switch opened. The second level loads.
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
# The ball at rest: the level search starts again each time it comes to rest and says the level
# can still be won ("Victoire encore possible au pas N"); a verdict at step N or later.
repos_apres() { awk -v n="$1" '/^Victoire encore possible au pas / && $NF >= n {t = 1} END {exit !t}' "$journal"; }
xdotool keydown Left
attendre_que "the ball at rest against the blue wall" repos_apres 150
xdotool keyup Left
xdotool keydown Right
attendre_que "the ball at rest on the blue switch" repos_apres 450
xdotool keyup Right
xdotool keydown Left
attendre_ligne '_gagne\.png'
xdotool keyup Left
capture gagne
touche Return
attendre_ligne '^Niveau terminé$'
attendre_ligne '^Map 30 x 16'
attendre_ligne '^musicStart$' 2
capture niveau2
fermer_fenetre
attendre_fin
echo "ok"
