#!/usr/bin/env bash
# As an author, the pointer resting on the save button: a cell painted, Ctrl+S, then Ctrl+Z (and,
# another time, Ctrl+Y); the "File saved" notice goes away, and the click that follows on the
# button saves again. A widget going elsewhere (the notice) leaves the button under the still
# pointer hovered, so the press counts whatever key came before it.
# Usage: editeur_clic_apres_raccourci.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
nouveau_niveau raccourci
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'

sauvegardes=0
sauvegarde() { attendre_ligne "^Sauvegarde de tout .*raccourci\\.map\$" "$1"; }
# Over the save button: Ctrl+S, the shortcut, the notice's two seconds, a click.
essai() {  # shortcut expected-log-line count
  xdotool mousemove --window "$fenetre" "$(commande_x 3)" "$(commande_y)"
  sleep 0.2
  touche ctrl+s
  sauvegarde $((sauvegardes += 1))
  touche "$1"
  attendre_ligne "$2" "$3"
  # The notice lives two seconds and says nothing when it goes.
  sleep 2.3
  xdotool click 1
  sauvegarde $((sauvegardes += 1))
}
for i in 1 2; do
  cliquer "$(case_x 4)" "$(case_y $((2 + i)))"
  essai ctrl+z '^Annuler : niveau 1$' "$i"
done
for i in 1 2; do
  cliquer "$(case_x 6)" "$(case_y $((2 + i)))"
  sleep 0.2
  touche ctrl+z
  attendre_ligne '^Annuler : niveau 1$' $((2 + i))
  essai ctrl+y '^Refaire : niveau 1$' "$i"
done
quitter_editeur
fermer_fenetre
attendre_fin
echo "ok"
