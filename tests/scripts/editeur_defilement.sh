#!/usr/bin/env bash
# As an author: the arrow keys pan the editor's view (the board moves on the screen) and paint
# nothing; with a dialog open they leave the view alone.
# Usage: editeur_defilement.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

tenir() {  # key seconds
  xdotool keydown --window "$fenetre" "$1"
  sleep "$2"
  xdotool keyup --window "$fenetre" "$1"
}
# Pixels that differ (the turning sky alone makes a few thousand between two pictures).
ecart() { compare -metric AE -fuzz 10% "$tmp/$1.png" "$tmp/$2.png" null: 2>&1 | cut -d' ' -f1; }

demarrer
nouveau_niveau panorama
attendre_image  # the level opens whole, seen straight on: nothing to settle
capture avant
tenir Right 1
tenir Down 0.6
# The frames that show the pan, as soon as they are drawn.
vue_deplacee() { capture apres && [ "$(ecart avant apres)" -gt 15000 ]; }
attendre_que "the arrow keys moving the view" vue_deplacee

# With the properties dialog open the arrows do not pan.
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
capture dialogue1
tenir Left 0.8
attendre_image  # a frame drawn after the keys were let go
capture dialogue2
[ "$(ecart dialogue1 dialogue2)" -lt 10000 ] || echec "the view moved under the dialog"
cliquer "$(bouton_dialogue_x 1)" $(((H - 300) / 2 + 300 - 15))
attendre_ligne '^Fermeture dialogue$'

quitter_editeur  # nothing painted: it leaves without asking
grep -qx 'Quitter sans modification' "$journal" || echec "the arrow keys changed the level"
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/avant.png" "$tmp/apres.png" "$CAPTURES/"
echo "ok"
