#!/usr/bin/env bash
# As an author: a second level added, the properties dialog opened on level 1, the spinner moved
# to level 2 while it is open, OK: level 1 gets the change ("Modif niv 1"), level 2 is left.
# Usage: editeur_dialogue_niveau.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
nouveau_niveau proprietes

# Add a level after the first: the spinner shows 2.
cliquer "$(commande_x 0)" "$(commande_y)"
attendre_image
cliquer "$(bouton_dialogue_x 1)" "$(bouton_dialogue_y)"
attendre_ligne '^Fermeture dialogue$'
# The spinner's "-" back to level 1, the properties, its "+" to level 2, OK.
spinner_y=$((H - 53 + 16))
cliquer 6 "$spinner_y"
attendre_image
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
cliquer 59 "$spinner_y"
attendre_image
capture editeur-dialogue-niveau
cliquer "$(bouton_dialogue_x 0)" $(((H - 300) / 2 + 300 - 15))
attendre_ligne '^Modif niv [0-9]+$'
grep -qx 'Modif niv 1' "$journal" || echec "the properties went to $(grep -m1 '^Modif niv' "$journal")"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-dialogue-niveau.png" "$CAPTURES/"
echo "ok"
