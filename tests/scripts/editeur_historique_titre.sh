#!/usr/bin/env bash
# As an author: the window's title names the file and marks unsaved edits with " *"; the Undo
# and Redo buttons beside the spinner take a painted cell back and bring it again, and say when
# there is nothing left; a save clears the mark, and so does Ctrl+Z back to the levels saved (the
# quit button then leaves without a question); leaving the editor gives the plain title back.
# The saved file holds the redone cell.
# Usage: editeur_historique_titre.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/boutons.map"
ligne() { ligne_grille "$fichier" "$1" | cut -c 2-7; }
# The window manager's copy of the title follows the log line a moment later.
titre_est() {
  local t i
  for ((i = 0; i < 100; i++)); do
    t=$(xdotool getwindowname "$fenetre")
    [ "$t" = "$1" ] && return 0
    sleep 0.05
  done
  echec "the window's title is '$t', not '$1'"
}
# Undo and Redo: 86 x 20 right of the spinner, above the command buttons.
defaire_x=$((67 + 43))
refaire_x=$((155 + 43))
historique_y=$((H - 53 + 10))

demarrer
nouveau_niveau boutons
attendre_ligne '^Titre : Zarvinel - boutons\.map$'
titre_est "Zarvinel - boutons.map"

cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
cliquer "$(case_x 4)" "$(case_y 4)"
attendre_ligne '^Titre : Zarvinel - boutons\.map \*$'
titre_est "Zarvinel - boutons.map *"

cliquer "$defaire_x" "$historique_y"
attendre_ligne '^Annuler : niveau 1$'
cliquer "$refaire_x" "$historique_y"
attendre_ligne '^Refaire : niveau 1$'
cliquer "$refaire_x" "$historique_y"
attendre_ligne '^Rien à refaire$'
capture editeur-historique
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*boutons\.map$"
attendre_ligne '^Titre : Zarvinel - boutons\.map$' 2
titre_est "Zarvinel - boutons.map"
# One cell more, taken back: the levels are the saved ones again.
titres=$(compter '^Titre : Zarvinel - boutons\.map$')
marques=$(compter '^Titre : Zarvinel - boutons\.map \*$')
cliquer "$(case_x 5)" "$(case_y 4)"
attendre_ligne '^Titre : Zarvinel - boutons\.map \*$' $((marques + 1))
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$' 2
attendre_ligne '^Titre : Zarvinel - boutons\.map$' $((titres + 1))
titre_est "Zarvinel - boutons.map"
quitter_editeur
[ "$(compter '^Quitter sans modification$')" -eq 1 ] || echec "the editor asked before leaving"
attendre_ligne '^Titre : Zarvinel$'
titre_est "Zarvinel"
[ "$(ligne 4)" = "...#.." ] || echec "row 4 is '$(ligne 4)', not '...#..'"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-historique.png" "$CAPTURES/"
echo "ok"
