#!/usr/bin/env bash
# As an author: the colour chooser opened from the level's properties, its OK pressed, then
# the properties' OK, which sits on the same pixels, pressed without moving the mouse: that
# second click must count ("Modif niv 1"), not vanish with the closed chooser.
# Usage: editeur_clic_apres_dialogue.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
nouveau_niveau clicapres

cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
# A corner of the block colours (the colour box fills the right column under its label).
cliquer $(((W - 300) / 2 + 300 - 135)) $(((H - 300) / 2 + 180))
attendre_ligne '^formcolor for #'
ok_x=$(bouton_dialogue_x 0)
ok_y=$(((H - 300) / 2 + 300 - 15))
cliquer "$ok_x" "$ok_y"
attendre_ligne '^DEL formcolor$'
capture editeur-clic-apres-dialogue
cliquer "$ok_x" "$ok_y"  # the pointer has not moved
attendre_ligne '^Modif niv 1$'

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-clic-apres-dialogue.png" "$CAPTURES/"
echo "ok"
