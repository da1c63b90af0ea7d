#!/usr/bin/env bash
# As an author: holding the middle button and moving pans the view (the board follows the
# pointer) and paints nothing; the cell under the pointer is highlighted, and not while the
# pointer rests on a tool button; resting on a button shows its tooltip.
# Usage: editeur_glisser_vue.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

# Pixels that differ (the turning sky alone makes a few thousand between two pictures).
ecart() { compare -metric AE -fuzz 10% "$tmp/$1.png" "$tmp/$2.png" null: 2>&1 | cut -d' ' -f1; }
# Mean brightness (0..1000) of the 20 x 20 pixels around (x, y) of a capture.
clarte() {  # name x y
  convert "$tmp/$1.png" -crop "20x20+$(($2 - 10))+$(($3 - 10))" -colorspace Gray \
    -format '%[fx:round(1000*mean)]' info:
}

demarrer
nouveau_niveau glisser
attendre_image  # the level opens whole, seen straight on: nothing to settle
capture avant

# 200 pixels left and 100 up, the middle button held: at 22.9 pixels a cell the view's centre
# goes from (7.5, 7.2) to about (16.2, 11.6), kept 0.2 inside the level's right edge.
xdotool mousemove --window "$fenetre" 420 300
sleep 0.1
xdotool mousedown 2
for i in 1 2 3 4; do
  sleep 0.05
  xdotool mousemove --window "$fenetre" $((420 - 50 * i)) $((300 - 25 * i))
done
sleep 0.1
xdotool mouseup 2
attendre_ligne '^Vue glissée : centre 14 11$'
# The eye follows the centre over a few frames: the first picture that shows the move.
vue_deplacee() { capture apres && [ "$(ecart avant apres)" -gt 15000 ]; }
attendre_que "the middle-drag moving the view" vue_deplacee

# The highlight: the cell under the pointer is lighter than with the pointer on a tool button.
xdotool mousemove --window "$fenetre" 320 240
attendre_image
capture survol
xdotool mousemove --window "$fenetre" "$(outil_x 5)" 17
attendre_image
capture outil
a=$(clarte survol 320 240)
b=$(clarte outil 320 240)
[ "$a" -gt $((b + 40)) ] || echec "no highlight under the pointer ($a against $b without it)"

# The tooltips: the save button's after a short rest, then the brick tool's.
xdotool mousemove --window "$fenetre" "$(commande_x 3)" "$(commande_y)"
attendre_ligne '^Infobulle : Enregistrer le fichier \(Ctrl\+S\)$'
attendre_image
capture infobulle
# Its box: right of the pointer and above its button (no room below), lighter than the sky there.
a=$(clarte infobulle 220 433)
b=$(clarte survol 220 433)
[ "$a" -gt $((b + 60)) ] || echec "no tooltip box drawn ($a against $b without it)"
xdotool mousemove --window "$fenetre" "$(outil_x 1)" 17
attendre_ligne '^Infobulle : \[1\] Brique \(Maj\+glisser : rectangle, Ctrl\+clic : remplir\)$'
attendre_image
capture infobulle-outil

quitter_editeur  # nothing painted: it leaves without asking
grep -qx 'Quitter sans modification' "$journal" || echec "the middle-drag changed the level"
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/avant.png" "$tmp/apres.png" "$tmp/survol.png" "$tmp/infobulle.png" \
  "$tmp/infobulle-outil.png" "$CAPTURES/"
echo "ok"
