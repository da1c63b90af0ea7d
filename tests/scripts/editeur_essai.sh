#!/usr/bin/env bash
# As an author: a new level painted winnable (a floor under the ball, a win cell two cells to its
# right) and not saved; F5 plays it as it is in memory, Right held rolls the ball to the win and
# the editor comes back at once; Ctrl+Z then still takes back the last edit (the win cell). The
# "Essai" button plays it again and Escape leaves at once. The file saved at the end holds the
# floor without the win cell.
# Usage: editeur_essai.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/essai.map"
ligne() { ligne_grille "$fichier" "$1" | cut -c 2-4; }

demarrer
nouveau_niveau essai

# The floor: bricks dragged over row 2, columns 1 to 3.
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
y2=$(case_y 2)
glisser "$(case_x 1)" "$y2" "$(case_x 3)" "$y2"
# The win cell on the ball's row, two cells to its right.
cliquer "$(outil_x 2)" 17
attendre_ligne '^Obj : 2$'
cliquer "$(case_x 3)" "$(case_y 1)"
attendre_image
xdotool mousemove --window "$fenetre" 320 100

touche F5
attendre_ligne '^Essai niveau 1$'
attendre_ligne "^Lancement du thread d'action$"
attendre_image
capture editeur-essai
xdotool keydown Right
attendre_ligne '^Fin essai : gagné au pas [0-9]+$'
xdotool keyup Right
attendre_ligne "^Retour à l'éditeur : niveau 1$"

# Back in the editor with its history: the last edit (the win cell) is undone.
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
capture editeur-apres-essai

# The button: played again (now unwinnable), Escape ends it at once.
cliquer $((W - 51)) $((H - 20))
attendre_ligne '^Essai niveau 1$' 2
attendre_ligne "^Lancement du thread d'action$" 2
touche Escape
attendre_ligne '^Fin essai : abandon au pas [0-9]+$'
attendre_ligne "^Retour à l'éditeur : niveau 1$" 2

touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*essai\.map$"
quitter_editeur
[ "$(ligne 2)" = "###" ] || echec "row 2 is '$(ligne 2)', not '###'"
[ "$(ligne 1)" = "..." ] || echec "row 1 is '$(ligne 1)': the undone win cell came back"
# The click on the button painted nothing under it: no win cell anywhere.
grille_fichier "$fichier" | grep -q W &&
  echec "a win cell painted somewhere"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp"/editeur-*.png "$CAPTURES/"
echo "ok"
