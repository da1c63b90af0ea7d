#!/usr/bin/env bash
# As an author: a 60 x 40 level opens whole between the tool bar and the bottom bar, its four
# corner cells free to paint; an arrow key moves the view one cell, Shift + arrow half the
# window, a held arrow repeats; Home shows the whole level again. Then the properties dialog
# adds two columns on the left and takes the top row off: the cells and the ball's start move
# with them. Each saved file is, byte for byte, what the level tool makes of the expected text.
# Usage: editeur_vue_ancre.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr"
fichier="$home/mapsusr/vaste.map"
rangs=$(/usr/bin/python3 -c '
r = [["."] * 60 for _ in range(40)]
r[1][1] = "S"
print("|".join("".join(l) for l in r))')
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$fichier" "0:$rangs" || echec "no fixture"
"$bin/tools/zv-niveau" text "$fichier" >"$tmp/vaste.txt" || echec "cannot read the fixture"

# Seen whole: 344 / 40 = 8.6 pixels a cell, the centre (30, 20) at (320, 246).
px() { echo $(((3200000 + (2 * $1 + 1 - 60) * 43000 + 5000) / 10000)); }
py() { echo $(((2460000 + (2 * $1 + 1 - 40) * 43000 + 5000) / 10000)); }
# The level's text with cell (c, r) of the grid set to character k.
poser() {  # c r k
  /usr/bin/python3 - "$tmp/vaste.txt" "$@" <<'PY'
import sys
chemin, c, r, k = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
lignes = open(chemin).read().split("\n")
g = lignes.index("grid") + 1 + r
lignes[g] = lignes[g][:c] + k + lignes[g][c + 1:]
open(chemin, "w").write("\n".join(lignes))
PY
}
comparer() {  # what
  "$bin/tools/zv-niveau" map "$tmp/vaste.txt" "$tmp/attendu.map" >/dev/null || echec "bad expected text"
  cmp "$tmp/attendu.map" "$fichier" || {
    "$bin/tools/zv-niveau" text "$fichier" | head -12
    echec "$1: the saved file is not the expected level"
  }
}

demarrer
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Chargement de tout .*/vaste\.map$'
attendre_ligne '^Vue ajustée : niveau 1, profondeur 48$'
capture editeur-vue-ajustee

# The four corners, clear of every button.
touche 1
attendre_ligne '^Obj : 1$'
for coin in "0 0" "59 0" "0 39" "59 39"; do
  set -- $coin
  cliquer "$(px "$1")" "$(py "$2")"
  poser "$1" "$2" "#"
done
attendre_image

# One cell right; half the window down (kept 0.2 inside the bottom edge); Left held repeats.
touche Right
attendre_ligne '^Vue : centre 31\.0 19\.3$'
touche shift+Down
attendre_ligne '^Vue : centre 31\.0 39\.8$'
avant=$(compter '^Vue : centre')
xdotool keydown --window "$fenetre" Left
attendre_ligne '^Vue : centre' $((avant + 4))
xdotool keyup --window "$fenetre" Left
attendre_image
# Home: the whole level again, where a click paints the cell the fitted view shows.
touche Home
attendre_ligne '^Vue ajustée : niveau 1, profondeur 48$' 2
touche 7
attendre_ligne '^Obj : 7$'
cliquer "$(px 30)" "$(py 20)"
poser 30 20 "o"
attendre_image
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*vaste\.map$"
comparer "painted corners"

# The properties: width 62 at the left side, height 39 at the top side. The 300 x 300 dialog's
# rows from the bottom: colours, their label, height, its side, width, its side.
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
cliquer 395 169
attendre_ligne '^Côté largeur : gauche$'
cliquer 395 209
attendre_ligne '^Côté hauteur : haut$'
cliquer 460 189
attendre_image
cliquer 460 189
attendre_image
cliquer 330 229
attendre_image
capture editeur-ancre
cliquer "$(bouton_dialogue_x 0)" $(((H - 300) / 2 + 300 - 15))
attendre_ligne '^Modif niv 1$'
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*vaste\.map$" 2
/usr/bin/python3 - "$tmp/vaste.txt" <<'PY'
import sys
chemin = sys.argv[1]
lignes = open(chemin).read().split("\n")
g = lignes.index("grid") + 1
grille = [".." + l for l in lignes[g:g + 40]][1:]
lignes[g:g + 40] = grille
lignes = [("size 62 39" if l.startswith("size ") else "start 3 0" if l.startswith("start ") else l)
          for l in lignes]
open(chemin, "w").write("\n".join(lignes))
PY
comparer "resized at the left and top"

quitter_editeur
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-vue-ajustee.png" "$tmp/editeur-ancre.png" "$CAPTURES/"
echo "ok"
