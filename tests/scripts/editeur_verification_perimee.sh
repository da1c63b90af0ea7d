#!/usr/bin/env bash
# As an author: a Check's answer never outlives its level. A goal painted, checked winnable, then
# undone: the dialog says the level changed and Show plays nothing. On a 255 x 255 level the
# search runs on: F5 and Shift+F5 are refused meanwhile (with a notice), and an undo cancels the
# search at once.
# Usage: editeur_verification_perimee.sh SOURCE_DIR BINARY_DIR
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
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/perime.map" \
  "0:@@@@@@@@@@|@S.......@|@@@@@@@@@@" "$grand" || echec "no fixture"
# The check's dialog (420 x 100, centred): its buttons' row and the i-th button.
dialogue_x() { echo $(((W - 420) / 2 + 5 + 85 * $1 + 40)); }
dialogue_y=$(((H - 100) / 2 + 100 - 15))

demarrer
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Chargement de tout .*/perime\.map$'
attendre_ligne '^Vue ajustée : niveau 1, profondeur 15$'

# Level 1 (10 x 3, seen whole from 15 cells: 27.7 pixels a cell, its centre at (320, 246)): a
# goal at the corridor's end, cell (8, 1).
touche 2
attendre_ligne '^Obj : 2$'
cliquer $((320 + 97)) 246
attendre_image
touche F6
attendre_ligne '^Vérification : gagnable en [0-9]+ pas'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
attendre_ligne '^Vérification périmée : le niveau 1 a changé$'
xdotool mousemove --window "$fenetre" 320 120
attendre_image
capture editeur-verification-perimee
cliquer "$(dialogue_x 0)" "$dialogue_y"
attendre_ligne '^Montrer refusé : niveau modifié$'
[ "$(compter '^Essai niveau')" -eq 0 ] || echec "Show played a level whose goal was undone"
touche Escape
attendre_ligne '^Fermeture vérification$'

# Level 2: a brick painted (one undo step), then a Check that runs on.
cliquer 59 $((H - 53 + 16))
attendre_ligne '^Vue ajustée : niveau 2, profondeur [0-9]+$'
touche 3
attendre_ligne '^Obj : 3$'
cliquer 320 246
attendre_image
touche F6
attendre_ligne '^Vérification niveau 2$'
touche F5
attendre_ligne '^Essai refusé : vérification en cours$'
capture editeur-essai-refuse
touche shift+F5
attendre_ligne '^Essai refusé : vérification en cours$' 2
[ "$(compter '^Essai : choix de la case')" -eq 0 ] || echec "Shift+F5 asked for a start cell"
touche ctrl+z
attendre_ligne '^Annuler : niveau 2$'
attendre_ligne '^Vérification périmée : le niveau 2 a changé$'
[ "$(compter '^Vérification : (gagnable|aucune|la balle)')" -eq 1 ] ||
  echec "a search cancelled by the change gave a result"
touche Escape
attendre_ligne '^Fermeture vérification$' 2
[ "$(compter '^Essai niveau')" -eq 0 ] || echec "a test-play ran while a Check searched"

quitter_editeur
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp"/editeur-verification-perimee.png "$tmp"/editeur-essai-refuse.png "$CAPTURES/"
echo "ok"
