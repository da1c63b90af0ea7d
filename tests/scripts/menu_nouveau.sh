#!/usr/bin/env bash
# As a player: "New" in the main menu opens the name field ready for typing; characters outside
# the name set are not taken; a three-letter name is refused; a good name creates the player's
# 245-byte level file and hands it to the editor; the new file is then listed and editable, and
# its name cannot be taken twice, nor a shipped file's name. Each refusal says why under the field
# and the field keeps the keys; the panel's button lies left of the catalogue list; Escape closes
# the panel.
# Usage: menu_nouveau.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

nouveau() { cliquer 90 "$(menu_label_y 188)"; }
confirmer() { cliquer 351 266; }  # the panel's OK button at (321, 256), 60 wide
# Reddish ink (the reason's colour ff9977) under the field, left of the list (x 151..386).
raison_visible() {  # picture
  /usr/bin/python3 - "$1" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
n = sum(1 for y in range(236, 252) for x in range(153, 386)
        if (lambda p: p[0] > 200 and 100 < p[1] < 190 and p[2] < 150)(im.getpixel((x, y))))
assert n > 30, f"{n} reddish pixels under the field"
PY
}
cartes="$home/mapsusr"

demarrer
# A shipped file is selected: the Edit choice is hidden, and a click where it would be does
# nothing.
cliquer 90 "$(menu_label_y 156)"
cliquer 48 "$(menu_label_y 160)"
# The credits line between its two links is only text.
cliquer $((W - 260)) $((H - 10))
nouveau
attendre_ligne '^Saisie du nom ouverte$'
taper "abc"
confirmer
attendre_ligne '^Nom refuse \(NomTropCourt\) : abc$'
[ -z "$(ls -A "$cartes")" ] || echec "a three-letter name created $(ls "$cartes")"
grep -q '^Menu : ordre' "$journal" && echec "the hidden Edit choice, the credits text or a refused name ended the menu"
for ((essai = 0; ; essai++)); do
  capture refus
  raison_visible "$tmp/refus.png" 2>"$tmp/raison.err" && break
  [ "$essai" -lt 20 ] || echec "no reason under the field: $(tail -n 1 "$tmp/raison.err")"
  sleep 0.1
done

# The field still has the keys (no click back into it): a space, an accented letter and a full
# stop are not taken; Enter confirms like the button.
taper "d é.Z_9"
touche Return
attendre_ligne '^Menu : ordre 2$'
attendre_ligne "^Demarre l'editeur$"
fichier=$(ls "$cartes"/*.map)
[ "$(basename "$fichier")" = "abcdZ_9.map" ] || echec "new file named $(basename "$fichier")"
[ "$(stat -c %s "$fichier")" -eq 245 ] || echec "the new file has $(stat -c %s "$fichier") bytes"
grep -qx "Nouveau niveau abcdZ_9" "$journal" || echec "no log line for the new file"
# Escape in the editor is its way back: the quit question, then "No".
attendre_image
touche Escape
attendre_ligne '^new confirm$'
cliquer "$(bouton_dialogue_x 1)" "$(bouton_dialogue_y)"
attendre_ligne '^[0-9]+ langues$' 2

# Back in the menu: the new file is the last row (after the shipped files), editable, so
# the Edit choice shows once it is selected; the same name is refused.
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Menu : ordre 3$'
grep -q "^Demarre l'editeur$" "$journal" || echec "Edit did not start the editor"
attendre_ligne '^Chargement de tout .*abcdZ_9\.map$' 2
quitter_editeur
attendre_ligne '^[0-9]+ langues$' 3
nouveau
attendre_ligne '^Saisie du nom ouverte$' 2
taper "abcdZ_9"
confirmer
attendre_ligne '^Nom deja pris : abcdZ_9$'
attendre_ligne '^Nom refuse \(NomPrisJoueur\) : abcdZ_9$'
[ "$(stat -c %s "$fichier")" -eq 245 ] || echec "the existing file was touched"
# A shipped file's name is refused too (the keys are still in the field: erase and retype).
for ((i = 0; i < 7; i++)); do touche BackSpace; done
taper "1-Premiers-pas"
touche Return
attendre_ligne '^Nom refuse \(NomPrisJeu\) : 1-Premiers-pas$'
[ -e "$cartes/1-Premiers-pas.map" ] && echec "a shipped file's name was taken"
# Escape closes the panel and leaves the menu open.
ordres=$(compter '^Menu : ordre')
touche Escape
attendre_ligne '^Saisie du nom fermee$'
[ "$(compter '^Menu : ordre')" -eq "$ordres" ] || echec "Escape ended the menu"

fermer_fenetre
attendre_fin
echo "ok"
