#!/usr/bin/env bash
# As a player, with 2,000 level files of one's own: the catalogue list answers the keys at once
# (End to the last file, typed letters to the first name starting with them, Home and Page Down
# by pages) and the mouse wheel scrolls it; each file reached opens in the editor.
# Usage: catalogue_liste.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

cartes="$home/mapsusr"
mkdir -p "$cartes"
modele="$src/data/mapsoff/1-Premiers-pas.map"
# One process for the 2,000 copies: a cp each takes minutes on a loaded machine.
/usr/bin/python3 - "$modele" "$cartes" <<'PY' || echec "cannot copy the level files"
import shutil, sys
for i in range(2000):
    shutil.copyfile(sys.argv[1], "%s/k%04d.map" % (sys.argv[2], i))
PY
cp "$modele" "$cartes/q-milieu.map"
cp "$modele" "$cartes/zz-fin.map"
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
ouvertures=0
# The selected file opens in the editor (the Edit choice shows for it), then the editor is left.
editer() {  # expected file name
  ouvertures=$((ouvertures + 1))
  attendre_image
  cliquer 90 "$(menu_label_y 156)"
  attendre_ligne "^Chargement de tout .*/$1\.map$"
  attendre_ligne "^Demarre l'editeur$" "$ouvertures"
  quitter_editeur
}

debut=$(date +%s%N)
demarrer
echo "menu with $((2000 + 2 + expedies)) files in $((($(date +%s%N) - debut) / 1000000)) ms"
xdotool mousemove --window "$fenetre" 480 300
touche End
editer zz-fin
taper "q-m"
attendre_image
capture catalogue-lettres
editer q-milieu
# Home, then two pages of (480 - 100) / 20 = 19 rows.
touche Home Next Next
editer "k$(printf '%04d' $((2 * 19 - expedies)))"
# Four notches of the wheel over the list scroll twelve rows; the top row is then clicked.
xdotool mousemove --window "$fenetre" 480 "$(ligne_catalogue_y 5)" click 5 click 5 click 5 click 5
attendre_image
capture catalogue-molette
cliquer 480 "$(ligne_catalogue_y 0)"
editer "k$(printf '%04d' $((12 - expedies)))"
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/catalogue-lettres.png" "$tmp/catalogue-molette.png" "$CAPTURES/"
echo "ok"
