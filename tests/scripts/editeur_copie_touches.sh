#!/usr/bin/env bash
# As an author: digits and letters pick tools ("4" a tool by its code, "p" the ball's start) and
# paint with them; Ctrl+D copies the level after itself; keys typed while a dialog is open pick
# nothing; Ctrl+Z takes the copy back in one step and Ctrl+Y brings it again. The saved file
# holds the two levels, alike.
# Usage: editeur_copie_touches.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/copie.map"

demarrer
nouveau_niveau copie

xdotool mousemove --window "$fenetre" "$(case_x 3)" "$(case_y 3)"
touche 4
attendre_ligne '^Touche 4 : outil 4$'
attendre_ligne '^Obj : 4$'
cliquer "$(case_x 3)" "$(case_y 3)"
touche p
attendre_ligne '^Touche p : outil 255$'
attendre_ligne '^Obj : 255$'
cliquer "$(case_x 2)" "$(case_y 1)"
attendre_image
touche ctrl+d
attendre_ligne '^Copie du niveau 1 : niveau 2$'
capture editeur-copie

# The properties dialog open: "7" picks nothing; Escape closes the dialog (no quit question).
cliquer "$(commande_x 2)" "$(commande_y)"
attendre_image
touche 7
touche Escape
attendre_ligne '^Fermeture dialogue$'
[ "$(compter '^Touche 7')" -eq 0 ] || echec "a tool key worked over the dialog"
[ "$(compter '^new confirm$')" -eq 0 ] || echec "the dialog was not open"

touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
touche ctrl+y
attendre_ligne '^Refaire : niveau 2$'
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*copie\.map$"
quitter_editeur

texte=$("$bin/tools/zv-niveau" text "$fichier")
[ "$(grep -c '^level ' <<<"$texte")" -eq 2 ] || echec "the file does not hold two levels"
[ "$(grep -c '^start 2 1$' <<<"$texte")" -eq 2 ] || echec "both starts are not on (2, 1)"
[ "$(grep -cx '\.\.\.%\.\.\.\.\.\.\.\.\.\.\.' <<<"$texte")" -eq 2 ] ||
  echec "both levels do not hold the fragile brick on row 3"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-copie.png" "$CAPTURES/"
echo "ok"
