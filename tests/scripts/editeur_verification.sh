#!/usr/bin/env bash
# As an author: Check (the button, then F6) proves a small level winnable, and Show plays the
# route found to the same win; refused while another dialog is open; a wall in the way gives "no win within the search's bounds"; a
# brick painted over the ball's start gives "the ball has no start"; on a 255 x 255 level the
# long search stops at once on Cancel or Escape and the editor goes on.
# Usage: editeur_verification.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr"
grand=$(/usr/bin/python3 - <<'PY'
import random
r = random.Random(7)
n = 255
rangs = [["."] * n for _ in range(n)]
for i in range(n):
    rangs[0][i] = rangs[n - 1][i] = rangs[i][0] = rangs[i][n - 1] = "@"
for y in range(6, n - 1, 6):
    for x in range(1, n - 1):
        t = r.random()
        rangs[y][x] = "." if t < 0.08 else "#"
        if t > 0.93 and rangs[y][x] == "#":
            rangs[y - 1][x] = "o"
rangs[1][n // 2] = "S"
print("3:" + "|".join("".join(l) for l in rangs))
PY
)
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/verif.map" \
  "0:@@@@@@@@@@|@S......W@|@@@@@@@@@@" "0:@@@@@@@@@@|@S...@..W@|@@@@@@@@@@" "$grand" ||
  echec "no fixture"
# The check's dialog (420 x 100, centred): its buttons' row and the i-th button; the Check
# button left of the test-play's, bottom right; the spinner's "+".
dialogue_x() { echo $(((W - 420) / 2 + 5 + 85 * $1 + 40)); }
dialogue_y=$(((H - 100) / 2 + 100 - 15))
spinner_plus() { cliquer 59 $((H - 53 + 16)); }

demarrer
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Chargement de tout .*/verif\.map$'

# Level 1, by the button: winnable; Show plays the route to the win at the same step.
cliquer $((W - 206 + 50)) $((H - 20))
attendre_ligne '^Vérification niveau 1$'
attendre_ligne '^Vérification : gagnable en [0-9]+ pas'
pas=$(sed -n 's/^Vérification : gagnable en \([0-9]*\) pas.*/\1/p' "$journal" | head -n 1)
xdotool mousemove --window "$fenetre" 320 120
attendre_image
capture editeur-verification
cliquer "$(dialogue_x 0)" "$dialogue_y"
attendre_ligne '^Vérification : route montrée$'
attendre_ligne '^Essai niveau 1$'
attendre_ligne "^Démonstration gagnée au pas $pas\$"
attendre_ligne "^Fin essai : gagné au pas $pas\$"
attendre_ligne "^Retour à l'éditeur : niveau 1$"

# Level 2 by F6: a wall in the way. While the properties dialog is open, no check.
spinner_plus
attendre_image
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
touche F6
attendre_ligne '^Vérification refusée : dialogue ouvert$'
touche Escape
attendre_ligne '^Fermeture dialogue$'
touche F6
attendre_ligne '^Vérification niveau 2$'
attendre_ligne '^Vérification : aucune victoire dans les bornes \([0-9]+ états'
cliquer "$(dialogue_x 0)" "$dialogue_y"
attendre_ligne '^Fermeture vérification$'

# A brick over the ball's start: the level (10 x 3) is seen whole from 15 cells away (27.7
# pixels a cell), its centre (5, 1.5) at (320, 246); the start cell (1, 1) 3.5 cells left of it.
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
cliquer 223 246
attendre_image
touche F6
attendre_ligne '^Vérification niveau 2$' 2
attendre_ligne "^Vérification : la balle n'a pas de départ$"
touche Escape
attendre_ligne '^Fermeture vérification$' 2

# Level 3, 255 x 255: the search runs on; the Cancel button, then Escape, stop it at once, and
# the editor stays. The level opens seen whole (1.3 pixels a cell); the wheel brings the eye to
# some 27 cells, where a software renderer draws frames quick enough for a click to land.
spinner_plus
attendre_ligne '^Vue ajustée : niveau 3, profondeur 308$'
xdotool mousemove --window "$fenetre" 320 246
attendre_image
zooms=$(compter '^Zoom : profondeur')
for i in $(seq 15); do xdotool click 4; done
attendre_ligne '^Zoom : profondeur' $((zooms + 15))
for i in $(seq 10); do attendre_image; done
for fin in bouton echap; do
  touche F6
  attendre_ligne '^Vérification niveau 3$' "$([ $fin = bouton ] && echo 1 || echo 2)"
  sleep 1
  if [ $fin = bouton ]; then
    capture editeur-verification-recherche
    cliquer "$(dialogue_x 0)" "$dialogue_y"
    attendre_ligne '^Vérification annulée en [0-9]+ ms$'
  else
    touche Escape
    attendre_ligne '^Vérification annulée en [0-9]+ ms$' 2
  fi
done
for ms in $(sed -n 's/^Vérification annulée en \([0-9]*\) ms$/\1/p' "$journal"); do
  [ "$ms" -lt 500 ] || echec "the search took $ms ms to stop"
done
[ "$(compter '^Vérification : (gagnable|aucune|la balle)')" -eq 3 ] || echec "a cancelled search gave a result"
attendre_ligne '^Fermeture vérification$' 4

quitter_editeur
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp"/editeur-verification*.png "$CAPTURES/"
echo "ok"
