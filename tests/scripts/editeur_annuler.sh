#!/usr/bin/env bash
# As an author: a fast drag paints its whole line; then a drag over three cells and a click on a
# fourth: Ctrl+Z takes the click back, a second Ctrl+Z the whole drag, Ctrl+Y brings the drag
# back and Ctrl+Shift+Z is redo too; the wheel over an empty cell zooms and paints nothing; the
# file saved by Ctrl+S has exactly the cells left.
# Usage: editeur_annuler.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/annuler.map"
ligne() { ligne_grille "$fichier" "$1" | cut -c 2-7; }

demarrer
nouveau_niveau annuler

cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
# A fast drag: one jump of the pointer from cell 1 to cell 6 of row 6 paints the whole line.
y6=$(case_y 6)
glisser "$(case_x 1)" "$y6" "$(case_x 6)" "$y6"
attendre_image
y4=$(case_y 4)
glisser "$(case_x 1)" "$y4" "$(case_x 2)" "$y4" "$(case_x 3)" "$y4"
attendre_image
cliquer "$(case_x 4)" "$y4"
attendre_image

touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$' 2
touche ctrl+y
attendre_ligne '^Refaire : niveau 1$'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$' 3
touche ctrl+shift+z
attendre_ligne '^Refaire : niveau 1$' 2
# The wheel over an empty cell of the same row: in, in, out; still the brick tool.
xdotool mousemove --window "$fenetre" "$(case_x 6)" "$y4"
sleep 0.1
xdotool click 4 click 4 click 5
attendre_ligne '^Zoom : profondeur [0-9]+$' 3
capture editeur-annuler
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*annuler\.map$"
quitter_editeur
[ "$(ligne 4)" = "###..." ] || echec "row 4 is '$(ligne 4)', not '###...'"
[ "$(ligne 6)" = "######" ] || echec "the fast drag left row 6 as '$(ligne 6)'"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-annuler.png" "$CAPTURES/"
echo "ok"
