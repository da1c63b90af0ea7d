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
sleep 1  # the camera settles on the level
capture avant
tenir Right 1
tenir Down 0.6
sleep 0.8
capture apres
[ "$(ecart avant apres)" -gt 15000 ] || echec "the arrow keys did not move the view"

# With the properties dialog open the arrows do not pan.
cliquer "$(commande_x 2)" "$(commande_y)"
sleep 0.5
capture dialogue1
tenir Left 0.8
sleep 0.5
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
