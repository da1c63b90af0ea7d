#!/usr/bin/env bash
# As two authors on one large file: 260 levels of 255 x 255 (17 MB, made with the level tool)
# open in the editor; a level copied (an edit); meanwhile another game saves the file with one
# cell changed, same size. The save must ask first and write nothing: the other game's work
# stays. Then a file of 1000 small levels: Ctrl+D refuses to copy past the limit, with a word.
# Usage: editeur_gros_fichier.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

cartes="$home/mapsusr"
mkdir -p "$cartes"
# levels.txt: N levels of W x W cells, brick borders.
niveaux_texte() {  # N W
  /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
n, w = int(sys.argv[1]), int(sys.argv[2])
plein, creux = "#" * w, "#" + "." * (w - 2) + "#"
grille = "\n".join([plein] + [creux] * (w - 2) + [plein])
for i in range(n):
    print(f"level {i + 1}\nsize {w} {w}\nstart 1 1\nbombs 0\ncolours 200 0 0  0 200 0  0 0 200  200 200 200\ngrid\n{grille}\nend")
PY
}
niveaux_texte 260 255 | "$bin/tools/zv-niveau" map - "$cartes/gros.map" >/dev/null ||
  echec "the level tool did not make the large file"
[ "$(stat -c %s "$cartes/gros.map")" -gt $((16 << 20)) ] || echec "the large file is not over 16 MiB"
niveaux_texte 1000 15 | "$bin/tools/zv-niveau" map - "$cartes/limite.map" >/dev/null ||
  echec "the level tool did not make the 1000-level file"
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)

editer() {  # row of the player's files (0 first)
  cliquer 480 "$(ligne_catalogue_y $((expedies + $1)))"
  sleep 0.3
  cliquer 90 "$(menu_label_y 156)"
}

demarrer
editer 0
attendre_ligne '^Chargement de tout .*/gros\.map$'
xdotool mousemove --window "$fenetre" 320 240
touche ctrl+d
attendre_ligne '^Copie du niveau 1 : niveau 2$'
# The other game's save: one cell of level 2 changed, the size unchanged.
/usr/bin/python3 - "$cartes/gros.map" <<'PY'
import os, sys
chemin = sys.argv[1]
octets = bytearray(open(chemin, "rb").read())
octets[14 + 18 + 255 * 255 + 18 + 256 * 3] = 3
with open(chemin + ".autre", "wb") as f:
    f.write(octets)
os.replace(chemin + ".autre", chemin)
PY
cp "$cartes/gros.map" "$tmp/autre.map"
touche ctrl+s
attendre_ligne '^Fichier modifié depuis son ouverture : .*/gros\.map$'
cmp -s "$tmp/autre.map" "$cartes/gros.map" || echec "the other game's save was overwritten"
touche Escape
attendre_ligne '^Fermeture dialogue$'
quitter_editeur
cmp -s "$tmp/autre.map" "$cartes/gros.map" || echec "the other game's save was overwritten"

# At the limit: no copy, a notice, nothing changed.
editer 1
attendre_ligne '^Chargement de tout .*/limite\.map$'
cp "$cartes/limite.map" "$tmp/limite.map"
xdotool mousemove --window "$fenetre" 320 240
touche ctrl+d
attendre_ligne '^Pas plus de 1000 niveaux par fichier$'
sleep 0.3
capture editeur-limite
[ "$(compter '^Copie du niveau')" -eq 1 ] || echec "a level was copied past the limit"
quitter_editeur
attendre_ligne '^Quitter sans modification$'
cmp -s "$tmp/limite.map" "$cartes/limite.map" || echec "the 1000-level file changed"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-limite.png" "$CAPTURES/"
echo "ok"
