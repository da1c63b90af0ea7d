#!/usr/bin/env bash
# As a player, the editor's safety nets: start-up clears the temporary files of a killed save
# (only its own, old, regular ones); a link to a shipped level is listed as not editable; a
# file another game saved meanwhile is not overwritten without asking ("other name" keeps both);
# a link planted as the recovery copy is replaced, not written through; a loaded recovery copy
# stays until the file is saved; and when the copy cannot be written on closing, a dialog lets
# the levels be saved elsewhere.
# Usage: editeur_secours.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

cartes="$home/mapsusr"
mkdir -p "$cartes"
modele="$(realpath "$src/data/mapsoff/1-Premiers-pas.map")"
printf x >"$cartes/vieux.map.tmp.Ab12Cd"
touch -d '-2 hours' "$cartes/vieux.map.tmp.Ab12Cd"
printf x >"$cartes/jeune.map.tmp.Xy34Zw"
printf 'a garder' >"$tmp/victime"
ln -s "$tmp/victime" "$cartes/lien.map.tmp.Li56En"
touch -h -d '-2 hours' "$cartes/lien.map.tmp.Li56En"
ln -s "$modele" "$cartes/lien.map"
dialogue_y() { echo $(((H - $1) / 2 + $1 - 15)); }  # a dialog of height h: its buttons' row
ouvertures=0

demarrer
attendre_ligne "^Fichier temporaire abandonné supprimé : .*/vieux\.map\.tmp\.Ab12Cd$"
[ -e "$cartes/vieux.map.tmp.Ab12Cd" ] && echec "the stale temporary is still there"
[ -e "$cartes/jeune.map.tmp.Xy34Zw" ] || echec "a young temporary (a save running now) went"
[ -L "$cartes/lien.map.tmp.Li56En" ] || echec "a link with a temporary's name went"

# The link to a shipped level (the only row of the player so far):
# selected, no Edit choice; a click where it would be opens nothing.
expedies=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
choisir_fichier "$expedies"
capture secours-lien
cliquer 90 "$(menu_label_y 156)"
attendre_image  # the click was read, and did nothing
[ "$(compter "^Demarre l'editeur$")" -eq 0 ] && [ "$(compter '^Menu : ordre')" -eq 0 ] ||
  echec "the link to a shipped level opened in the editor"

# A new file, one brick painted; meanwhile another game saves the file.
nouveau_niveau conflit
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
cliquer "$(case_x 3)" "$(case_y 3)"
cp "$modele" "$cartes/conflit.map"
cliquer "$(commande_x 3)" "$(commande_y)"
attendre_ligne '^Fichier modifié depuis son ouverture : .*/conflit\.map$'
attendre_image
capture secours-conflit
cmp -s "$modele" "$cartes/conflit.map" || echec "the other game's save was overwritten"
cliquer "$(bouton_dialogue_x 1)" "$(dialogue_y 80)"  # "other name"
attendre_ligne '^Sauvegarde sous un nouveau nom : .*/conflit-2\.map$'
cmp -s "$modele" "$cartes/conflit.map" || echec "the other game's save was overwritten"

# A link planted where the recovery copy goes: closing with unsaved edits replaces the link.
cliquer "$(case_x 4)" "$(case_y 3)"
ln -s "$tmp/victime" "$cartes/conflit-2.map.recup"
fermer_fenetre
attendre_ligne '^Copie de secours : .*/conflit-2\.map\.recup$'
attendre_fin
[ "$(cat "$tmp/victime")" = "a garder" ] || echec "the recovery copy was written through a link"
[ -f "$cartes/conflit-2.map.recup" ] && [ ! -L "$cartes/conflit-2.map.recup" ] ||
  echec "no recovery copy of its own"

# Next run: the copy loaded ("Oui") stays until a save; then closing finds a directory in its
# place, and the levels go elsewhere.
demarrer
choisir_fichier "$expedies"  # conflit-2, first of the player's
cliquer 90 "$(menu_label_y 156)"
attendre_ligne '^Copie de secours trouvée : .*/conflit-2\.map\.recup$'
attendre_image
cliquer "$(bouton_dialogue_x 0)" "$(bouton_dialogue_y)"
attendre_ligne '^Copie de secours chargée : '
[ -f "$cartes/conflit-2.map.recup" ] || echec "the loaded recovery copy was removed before a save"
rm "$cartes/conflit-2.map.recup"
mkdir -p "$cartes/conflit-2.map.recup/plein"
fermer_fenetre
attendre_ligne '^\*\*\*\*\* Erreur : copie de secours impossible : '
attendre_image
capture secours-fermeture
kill -0 "$pid" 2>/dev/null || echec "the game ended without asking"
cliquer "$(bouton_dialogue_x 1)" "$(dialogue_y 100)"  # "elsewhere"
attendre_ligne '^Sauvegarde sous un nouveau nom : .*/conflit-2-2\.map$'
attendre_fin
"$bin/tools/zv-niveau" text "$cartes/conflit-2-2.map" | sed -n '/^grid$/,/^end$/p' | sed -n 5p |
  grep -q '^...##' || echec "the levels saved elsewhere lost the painted bricks"
[ -n "${CAPTURES:-}" ] && cp "$tmp"/secours-*.png "$CAPTURES/"
echo "ok"
