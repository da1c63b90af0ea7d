#!/usr/bin/env bash
# As an author: Shift + drag paints the rectangle between the press and the release (a brick
# block, then an empty block inside it: a ring); Ctrl + click fills the ring's inside with
# another tool and stops at its walls; each gesture is one undo step; the saved file holds the
# result.
# Usage: editeur_remplir.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/remplir.map"
ligne() { ligne_grille "$fichier" "$1" | cut -c 1-8; }
# Shift + drag from cell (c0, l0) to (c1, l1), through a point on the way.
rectangle() {  # c0 l0 c1 l1
  xdotool mousemove --window "$fenetre" "$(case_x "$1")" "$(case_y "$2")"
  sleep 0.1
  xdotool keydown shift
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove --window "$fenetre" "$(case_x "$3")" "$(case_y "$2")"
  sleep 0.1
  xdotool mousemove --window "$fenetre" "$(case_x "$3")" "$(case_y "$4")"
  sleep 0.1
  [ "${5:-}" = capture ] && capture editeur-rectangle
  xdotool mouseup 1
  xdotool keyup shift
}

demarrer
nouveau_niveau remplir

cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
rectangle 1 1 5 5
attendre_ligne '^Rectangle : 25 cases$'
cliquer "$(outil_x 0)" 17
attendre_ligne '^Obj : 0$'
rectangle 4 4 2 2 capture
attendre_ligne '^Rectangle : 9 cases$'
cliquer "$(outil_x 4)" 17
attendre_ligne '^Obj : 4$'
cliquer_ctrl "$(case_x 3)" "$(case_y 3)"
attendre_ligne '^Remplissage : 9 cases$'
# Ctrl + click on a brick of the ring with the brick tool: already its code, nothing.
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$' 2
cliquer_ctrl "$(case_x 1)" "$(case_y 1)"
attendre_ligne '^Remplissage : 0 cases$'

# The fill is one step, the inner rectangle another.
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$' 2
touche ctrl+y
touche ctrl+y
attendre_ligne '^Refaire : niveau 1$' 2
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*remplir\.map$"
quitter_editeur
attendus=("........" ".#####.." ".#%%%#.." ".#%%%#.." ".#%%%#.." ".#####.." "........")
for l in 0 1 2 3 4 5 6; do
  [ "$(ligne $l)" = "${attendus[$l]}" ] || echec "row $l is '$(ligne $l)', not '${attendus[$l]}'"
done

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-rectangle.png" "$CAPTURES/"
echo "ok"
