#!/usr/bin/env bash
# As an author: a win cell painted three cells under an empty cell; Shift+F5 asks for a start
# cell, a click on that empty cell plays the level from there and the ball falls onto the win by
# itself; back in the editor the level's own start has not moved and the click painted nothing.
# Usage: editeur_essai_depuis.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

fichier="$home/mapsusr/depuis.map"

demarrer
nouveau_niveau depuis

cliquer "$(outil_x 2)" 17
attendre_ligne '^Obj : 2$'
cliquer "$(case_x 5)" "$(case_y 7)"
attendre_image
touche shift+F5
attendre_ligne '^Essai : choix de la case de départ$'
capture editeur-essai-depuis
cliquer "$(case_x 5)" "$(case_y 4)"
attendre_ligne '^Essai depuis la case 5, 4$'
attendre_ligne '^Essai niveau 1$'
attendre_ligne '^Fin essai : gagné au pas [0-9]+$'
attendre_ligne "^Retour à l'éditeur : niveau 1$"

touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*depuis\.map$"
quitter_editeur
texte=$("$bin/tools/zv-niveau" text "$fichier")
grep -qx 'start 1 1' <<<"$texte" || echec "the level's start moved: $(grep '^start' <<<"$texte")"
grid=$(sed -n '/^grid$/,/^end$/p' <<<"$texte" | sed '1d;$d')
[ "$(sed -n 8p <<<"$grid" | cut -c 6)" = "W" ] || echec "no win cell at (5, 7)"
[ "$(tr -d '.\n' <<<"$grid")" = "W" ] || echec "the click painted a cell"

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-essai-depuis.png" "$CAPTURES/"
echo "ok"
