#!/usr/bin/env bash
# As a player: a long painting session in the editor keeps flat memory. Clicks and drags over
# the cells (each one picks a cell under the pointer), then the game's resident memory is
# compared with what it was after a first warm-up batch. ZARVINEL_CLICS sets the number of
# clicks (100 by default; the drags are a fifth of that, over three cells each).
# Usage: editeur_memoire.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

clics=${ZARVINEL_CLICS:-100}
marge_ko=${ZARVINEL_MARGE_KO:-8192}
fichier="$home/mapsusr/memoire.map"
# The new level (15 x 15) is seen whole, a cell 22.9 pixels wide, its centre (7.5, 7.5) at
# (320, 246): columns 0..10 and rows 0..8 lie clear of the buttons and of the scrolling edges.
case_x() { echo $(((32000 + ($1 - 7) * 2293) / 100)); }
case_y() { echo $(((24600 + ($1 - 7) * 2293) / 100)); }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
outils=0
# Every painting event before a tool click is handled before its log line.
synchroniser() {
  outils=$((outils + 1))
  cliquer "$(outil_x 1)" 17
  attendre_ligne '^Obj : 1$' "$outils"
}
# n clicks over the cells, then n / 5 drags over three cells of a row, in one xdotool run. The
# positions are worked out in the shell itself (no process per point: hundreds of them cost
# many seconds on a loaded machine).
peindre() {  # n
  local n=$1 i c r x y args=()
  for ((i = 0; i < n; i++)); do
    c=$((i % 11))
    r=$(((i / 11) % 9))
    x=$(((32000 + (c - 7) * 2293) / 100))
    y=$(((24600 + (r - 7) * 2293) / 100))
    args+=(mousemove --window "$fenetre" "$x" "$y" click 1)
  done
  for ((i = 0; i < n / 5; i++)); do
    c=$((i % 9))
    r=$(((i / 9) % 9))
    x=$(((32000 + (c - 7) * 2293) / 100))
    y=$(((24600 + (r - 7) * 2293) / 100))
    args+=(mousemove --window "$fenetre" "$x" "$y" mousedown 1
           mousemove --window "$fenetre" $(((32000 + (c - 6) * 2293) / 100)) "$y"
           mousemove --window "$fenetre" $(((32000 + (c - 5) * 2293) / 100)) "$y" mouseup 1)
  done
  xdotool "${args[@]}" || echec "xdotool could not paint"
}

demarrer
nouveau_niveau memoire
attendre_ligne "^Demarre l'editeur$"

synchroniser
peindre 20  # the driver's first allocations for the board
synchroniser
avant=$(rss)
debut=$(date +%s)
peindre "$clics"
synchroniser
apres=$(rss)
echo "VmRSS avant ${avant} kB, apres ${apres} kB ($clics clics, $((clics / 5)) glisser, $(($(date +%s) - debut)) s)"
# A sanitizer's quarantine keeps freed blocks (up to 256 MB): there only the memory errors count.
if grep -q '^ZARVINEL_SANITIZE:STRING=.\+' "$bin/CMakeCache.txt" 2>/dev/null; then
  echo "memory growth not checked under a sanitizer"
else
  [ $((apres - avant)) -lt "$marge_ko" ] ||
    echec "memory grew by $((apres - avant)) kB over $clics clicks"
fi

# The clicks did paint: the file saved shows the brick at both ends of the painted area.
cliquer "$(commande_x 3)" "$(commande_y)"
attendre_ligne "^Sauvegarde de tout .*memoire\.map$"
ligne() { ligne_grille "$fichier" "$1"; }
[ "$(ligne 0 | cut -c 1)$(ligne 8 | cut -c 11)" = "##" ] || { ligne 0; ligne 8; echec "cells not painted"; }
capture editeur-memoire
quitter_editeur
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/editeur-memoire.png" "$CAPTURES/"
echo "ok"
