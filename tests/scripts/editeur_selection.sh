#!/usr/bin/env bash
# As an author: the selection tool ("s") drags a block of cells; Ctrl+C copies it, Ctrl+V shows
# it under the pointer and a click places it, cut at the level's edge (the level keeps its
# size), Escape gives a shown paste up; a drag inside a block moves it; Ctrl+X cuts, Delete
# empties, each one undo step. The saved file is, byte for byte, the level the level tool makes
# from the expected cells. The clipboard then serves another file and another level of it.
# Usage: editeur_selection.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

# The level file a new level with these cells would be (the level tool's text form, the new
# level's grey corners): rows as arguments, one level each "--"-separated group.
attendu() {  # out.map row... [-- row...]
  local sortie=$1 n=1
  shift
  {
    echo "level $n"
    echo "size 15 15"
    echo "start 1 1"
    echo "bombs 0"
    echo "colours 178 178 178  178 178 178  178 178 178  178 178 178"
    echo "grid"
    for r in "$@"; do
      if [ "$r" = -- ]; then
        n=$((n + 1))
        printf 'end\nlevel %s\nsize 15 15\nstart 1 1\nbombs 0\n' "$n"
        echo "colours 178 178 178  178 178 178  178 178 178  178 178 178"
        echo "grid"
      else
        echo "$r"
      fi
    done
    echo "end"
  } | "$bin/tools/zv-niveau" map - "$sortie" >/dev/null || echec "the level tool did not make $sortie"
}
vide=...............
clic_case() { cliquer "$(case_x "$1")" "$(case_y "$2")"; }
glisser_cases() { glisser "$(case_x "$1")" "$(case_y "$2")" "$(case_x "$3")" "$(case_y "$4")"; }
sur_case() { xdotool mousemove --window "$fenetre" "$(case_x "$1")" "$(case_y "$2")"; attendre_image; }

demarrer
nouveau_niveau blocs
fichier="$home/mapsusr/blocs.map"

# Two bricks and a fragile brick below the first.
cliquer "$(outil_x 1)" 17
attendre_ligne '^Obj : 1$'
clic_case 2 2
clic_case 3 2
touche 4
attendre_ligne '^Obj : 4$'
clic_case 2 3
attendre_image

# Select them, copy, paste inside the level.
touche s
attendre_ligne '^Touche s : outil 254$'
glisser_cases 2 2 3 3
attendre_ligne '^Sélection : 2 2 2x2$'
touche ctrl+c
attendre_ligne '^Copie : 2x2 cases$'
sur_case 9 9
touche ctrl+v
attendre_ligne '^Collage : aperçu 2x2$'
sur_case 9 9
capture editeur-collage
clic_case 9 9
attendre_ligne '^Collage : 3 cases$'

# Past the bottom-right corner: only the cells that land inside.
sur_case 14 13
touche ctrl+v
attendre_ligne '^Collage : aperçu 2x2$' 2
clic_case 14 13
attendre_ligne '^Collage : 2 cases$'
# Escape gives a shown paste up; the click after it pastes nothing.
touche ctrl+v
attendre_ligne '^Collage : aperçu 2x2$' 3
touche Escape
attendre_ligne '^Collage abandonné$'
[ "$(compter '^new confirm$')" -eq 0 ] || echec "Escape asked the quit question"

# The first paste moved 3 columns left and 2 rows down by a drag inside it.
glisser_cases 9 9 10 10
attendre_ligne '^Sélection : 9 9 2x2$'
glisser_cases 9 9 6 11
attendre_ligne '^Déplacement : 6 cases$'

# Ctrl+X on the first block; Delete on the clipped paste; the Delete undone, the cut undone and
# done again.
glisser_cases 2 2 3 3
attendre_ligne '^Sélection : 2 2 2x2$' 2
touche ctrl+x
attendre_ligne '^Effacement : 3 cases$'
glisser_cases 14 13 14 14
attendre_ligne '^Sélection : 14 13 1x2$'
touche Delete
attendre_ligne '^Effacement : 2 cases$'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$'
touche ctrl+z
attendre_ligne '^Annuler : niveau 1$' 2
touche ctrl+y
attendre_ligne '^Refaire : niveau 1$'
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*blocs\.map$"
attendu "$tmp/blocs.map" $vide $vide $vide $vide $vide $vide $vide $vide $vide $vide $vide \
  "......##......." "......%........" "..............#" "..............%"
cmp "$tmp/blocs.map" "$fichier" || {
  "$bin/tools/zv-niveau" text "$fichier"
  echec "the saved file is not the expected level"
}
quitter_editeur

# Another file of the same run: the cut block is still there, on its first level and on a level
# added after it (seen whole at once), each paste cut at the level's edge.
nouveau_niveau autre
autre="$home/mapsusr/autre.map"
sur_case 0 0
touche ctrl+v
attendre_ligne '^Collage : aperçu 2x2$' 4
clic_case 0 0
attendre_ligne '^Collage : 3 cases$' 2
cliquer "$(commande_x 0)" "$(commande_y)"
attendre_image
cliquer "$(bouton_dialogue_x 1)" "$(bouton_dialogue_y)"
attendre_ligne '^Vue ajustée : niveau 2, profondeur 18$'
sur_case 14 0
touche ctrl+v
attendre_ligne '^Collage : aperçu 2x2$' 5
clic_case 14 0
attendre_ligne '^Collage : 2 cases$' 2
touche ctrl+s
attendre_ligne "^Sauvegarde de tout .*autre\.map$"
attendu "$tmp/autre.map" "##............." "%.............." $vide $vide $vide $vide $vide $vide $vide \
  $vide $vide $vide $vide $vide $vide -- "..............#" "..............%" $vide $vide $vide \
  $vide $vide $vide $vide $vide $vide $vide $vide $vide $vide
cmp "$tmp/autre.map" "$autre" || {
  "$bin/tools/zv-niveau" text "$autre"
  echec "the other file is not the expected levels"
}
quitter_editeur

fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-collage.png" "$CAPTURES/"
echo "ok"
