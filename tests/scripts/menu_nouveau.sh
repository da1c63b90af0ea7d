#!/usr/bin/env bash
# As a player: "New" in the main menu opens the name field ready for typing; characters outside
# the name set are not taken; a three-letter name is refused; a good name creates the player's
# 245-byte level file and hands it to the editor; the new file is then listed and editable, and
# its name cannot be taken twice.
# Usage: menu_nouveau.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

nouveau() { cliquer 90 "$(menu_label_y 188)"; }
confirmer() { cliquer 396 222; }  # the panel's OK button at (381, 212), 30 wide
cartes="$home/mapsusr"

demarrer
# A shipped file is selected: the Edit choice is hidden, and a click where it would be does
# nothing.
cliquer 90 "$(menu_label_y 156)"
cliquer 48 "$(menu_label_y 160)"
# The credits line between its two links is only text.
cliquer $((W - 260)) $((H - 10))
nouveau
sleep 0.3
taper "abc"
confirmer
sleep 0.5
[ -z "$(ls -A "$cartes")" ] || echec "a three-letter name created $(ls "$cartes")"
grep -q '^Menu : ordre' "$journal" && echec "the hidden Edit choice, the credits text or a refused name ended the menu"

# Back into the same field (the button took the keys): a space, an accented letter and a full
# stop are not taken; Enter confirms like the button.
cliquer 250 222
taper "d é.Z_9"
touche Return
attendre_ligne '^Menu : ordre 2$'
attendre_ligne "^Demarre l'editeur$"
fichier=$(ls "$cartes"/*.map)
[ "$(basename "$fichier")" = "abcdZ_9.map" ] || echec "new file named $(basename "$fichier")"
[ "$(stat -c %s "$fichier")" -eq 245 ] || echec "the new file has $(stat -c %s "$fichier") bytes"
grep -qx "Nouveau niveau abcdZ_9" "$journal" || echec "no log line for the new file"
quitter_editeur  # its quit button, then "No"

# Back in the menu: the new file is the last row (after the shipped files), editable, so
# the Edit choice shows once it is selected; the same name is refused.
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
attendre_ligne '^[0-9]+ langues$' 2
cliquer 480 "$(ligne_catalogue_y "$expedies")"
sleep 0.3
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Menu : ordre 3$'
grep -q "^Demarre l'editeur$" "$journal" || echec "Edit did not start the editor"
attendre_ligne '^Chargement de tout .*abcdZ_9\.map$' 2
quitter_editeur
attendre_ligne '^[0-9]+ langues$' 3
nouveau
sleep 0.3
taper "abcdZ_9"
confirmer
attendre_ligne '^Nom deja pris : abcdZ_9$'
[ "$(stat -c %s "$fichier")" -eq 245 ] || echec "the existing file was touched"

fermer_fenetre
attendre_fin
echo "ok"
