#!/usr/bin/env bash
# As a player: a new level file from the menu opens the editor; a tool is chosen, cells are
# painted by a click and by a drag, the file is saved and the editor left with "No"; the file is
# then listed as editable, plays from the menu (its win cell under the ball wins it), and opens
# again in the editor with its cells, which a second save keeps.
# Usage: editeur_joueur.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

cartes="$home/mapsusr"
fichier="$cartes/atelier.map"
grille() { grille_fichier "$fichier"; }
cellule() {  # column row
  grille | sed -n "$(($2 + 1))p" | cut -c $(($1 + 1))
}

demarrer
# "New", a name, confirm: the editor opens on the new file.
nouveau_niveau atelier
attendre_ligne "^Demarre l'editeur$"

# The plain brick, clicked on row 4 and dragged over two more cells of it.
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
y4=$(case_y 4)
glisser "$(case_x 1)" "$y4" "$(case_x 2)" "$y4" "$(case_x 3)" "$y4"
# The win cell under the ball's start.
cliquer "$(outil_x 2)" 17
attendre_ligne '^Obj : 2$'
cliquer "$(case_x 1)" "$(case_y 3)"
capture editeur
# The level's properties dialog over it (the README's picture); "Ann" changes nothing.
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
capture editeur-proprietes
cliquer "$(bouton_dialogue_x 1)" $(((H - 300) / 2 + 300 - 15))
attendre_ligne '^Fermeture dialogue$'
cliquer "$(commande_x 3)" "$(commande_y)"
attendre_ligne "^Sauvegarde de tout .*atelier\.map$"
quitter_editeur

[ "$(cellule 1 4)$(cellule 2 4)$(cellule 3 4)" = "###" ] || { grille; echec "row 4 not painted"; }
[ "$(cellule 1 3)" = "W" ] || { grille; echec "no win cell under the start"; }
[ "$(cellule 4 4)" = "." ] || { grille; echec "a cell painted beyond the drag"; }
[ -e "$fichier.recup" ] && echec "a recovery copy after a clean save"

# Listed after the shipped files, editable: Edit shows once it is selected.
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
# Played from the menu: the ball falls on the win cell.
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '^Demarre jeu$'
attendre_ligne 'atelier\.map headok$'
attendre_ligne '^musicStart$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
attendre_ligne '_gagne\.png'
touche Return
attendre_ligne '^Fichier terminé$'
# Its only level won: the file's summary, and Enter goes back to the menu.
attendre_ligne '^Bilan du fichier atelier$'
touche Return
attendre_ligne '^[0-9]+ langues$' 3

# Opened again in the editor: one more cell, saved again; the first cells are still there.
choisir_fichier "$expedies"
cliquer 90 "$(menu_label_y 156)"
attendre_ligne "^Demarre l'editeur$" 2
attendre_ligne '^Chargement de tout .*atelier\.map$' 2
cliquer "$(outil_x 5)" 17
attendre_ligne '^Obj : 5$'
cliquer "$(case_x 5)" "$(case_y 6)"
cliquer "$(commande_x 3)" "$(commande_y)"
attendre_ligne "^Sauvegarde de tout .*atelier\.map$" 2
quitter_editeur
[ "$(cellule 1 4)$(cellule 2 4)$(cellule 3 4)$(cellule 1 3)$(cellule 5 6)" = "###W@" ] ||
  { grille; echec "the reopened file lost cells"; }

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur.png" "$tmp/editeur-proprietes.png" "$CAPTURES/"
echo "ok"
