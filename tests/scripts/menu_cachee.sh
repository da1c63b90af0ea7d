#!/usr/bin/env bash
# As a player: the game put away. Minimising the window (here: unmapping it, as a window manager
# does) stops the frames and the menu background's animation, so the game hardly uses the
# processor; showing it again brings the frames back at once.
# Usage: menu_cachee.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
attendre_image
xdotool windowunmap "$fenetre"
attendre_ligne "^Fenetre cachee : plus d'images$"
# The share of one core over three seconds hidden: a measure, not a wait. The benchmark
# (bench/cpu_menu.sh) gives the figure; this only tells a game that still draws or steps.
ticks=$(getconf CLK_TCK)
t0=$(temps_jeu)
sleep 3
t1=$(temps_jeu)
part=$(((t1 - t0) * 100 / ticks / 3))
[ "$part" -le 5 ] || echec "hidden, the game still used $part % of a core"
xdotool windowmap "$fenetre"
attendre_ligne '^Fenetre visible : images reprises$'
attendre_image
fermer_fenetre
attendre_ligne '^Fin OK$'
fenetre=
echo "ok ($part % of a core while hidden)"
