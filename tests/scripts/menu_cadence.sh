#!/usr/bin/env bash
# As a player: the menus' pace. The game logs its start-up time at the menu's first frame and
# how it paces its frames; ticking "menus at 30 frames a second" on the options screen and "OK"
# writes the option and applies it at once: back on the menu, it draws at most 30 frames a second.
# Usage: menu_cadence.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

options="$home/conf/options.conf"
ouvrir_options() {  # n-th time
  cliquer 90 "$(menu_label_y 122)"
  attendre_ligne '^Menu : ordre 254$' "$1"
  attendre_image
}
# The menu's frame rate as the screen's loop logs it when the screen ends: "Images : N en T ms".
ips_menu() {  # n-th screen's line
  awk '/^Images : / {n++; if (n == '"$1"') printf "%d", $3 * 1000 / $5}' "$journal"
}

demarrer
attendre_ligne '^Premiere image du menu : [0-9]+ ms, monotone [0-9.]+ s$'
attendre_ligne '^Cadence : (minuterie|synchro ecran)'

ouvrir_options 1
capture options
cliquer 359 120  # MenuTrenteImages at (350, 110)
cliquer 265 440  # OK
attendre_ligne '^Options sauvegardées$'
grep -qx 'MenuTrenteImages=1' "$options" || echec "the options file does not hold MenuTrenteImages=1"
attendre_ligne '^Menu : ordre 254$' 1
# No restart for this one: the options screen ends, the menu comes back capped.
attendre_ligne '^Images : ' 2
sleep 0.3
grep -q '^Redemarge demande$' "$journal" && echec "the frame cap asked for a restart"
# Two seconds on the menu, then the options screen ends it and its count is logged.
sleep 2
menus=$(compter '^Images : ')
ouvrir_options 2
attendre_ligne '^Images : ' $((menus + 1))
ips=$(ips_menu $((menus + 1)))
[ -n "$ips" ] && [ "$ips" -le 31 ] || echec "the capped menu drew $ips frames a second"
[ "$ips" -ge 2 ] || echec "the capped menu drew only $ips frames a second"
fermer_fenetre
attendre_ligne '^Fin OK$'
fenetre=
echo "ok ($ips frames a second)"
