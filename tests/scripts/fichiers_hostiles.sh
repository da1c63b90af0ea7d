#!/usr/bin/env bash
# The real game among hostile files: folders, named pipes, a far too large shader, a language
# code that climbs out of its folder, a window larger than the screen. Start-up must end (never
# an abort, never a hang in open()), each refusal must say why in the log, and the game must
# close cleanly. Usage: fichiers_hostiles.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src=$1
bin=$2
exe="$bin/src/zarvinel"
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT

echec() {
  echo "ECHEC: $*"
  for f in "$tmp"/*.out "$tmp"/*.err; do [ -e "$f" ] && { echo "--- $f"; tail -n 40 "$f"; }; done
  exit 1
}
[ -x "$exe" ] || echec "no game binary at $exe"
[ -n "${DISPLAY:-}" ] || echec "no DISPLAY"

# A data folder of links to the real files, so that any of them can be swapped for something
# else without touching the checkout.
nouvelles_donnees() {  # dir
  rm -rf "$1"
  cp -rs "$src/data" "$1"
}
remplacer_par_tube() {  # path...
  for f in "$@"; do rm -rf "$f"; mkfifo "$f"; done
}

demarrer() {  # name args...
  local nom=$1; shift
  "$exe" "$@" >"$tmp/$nom.out" 2>"$tmp/$nom.err" &
  pid=$!
  for _ in $(seq 300); do
    grep -q '^\[VSYNC\] actif=' "$tmp/$nom.out" && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
      local rc=0
      wait "$pid" || rc=$?
      pid=
      echec "$nom: the game ended during start-up with exit code $rc"
    fi
    sleep 0.1
  done
  echec "$nom: start-up did not finish within 30 s"
}
fermer() {  # name
  kill -TERM "$pid"
  local rc=0
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq 0 ] || echec "$1: exit code $rc after SIGTERM, expected 0"
  [ "$(tail -n 1 "$tmp/$1.out")" = "Fin OK" ] || echec "$1: the log does not end with Fin OK"
}
ligne() {  # name exact-line
  grep -qxF -- "$2" "$tmp/$1.out" || echec "$1: no line \"$2\""
}

# 1. Folders where the options file and the language file should be.
d="$tmp/d1"; h="$tmp/h1"
nouvelles_donnees "$d"
mkdir -p "$h/conf/options.conf" && rm -f "$d/lang/fr.txt" && mkdir "$d/lang/fr.txt"
demarrer dossiers --dirdata "$d" --dirhome "$h"
fermer dossiers
ligne dossiers "Fichier ignoré : $h/conf/options.conf (pas un fichier ordinaire)"
ligne dossiers "Fichier ignoré : $d/lang/fr.txt (pas un fichier ordinaire)"
ligne dossiers "Chargement langue "

# 2. Named pipes at every kind of path the game opens at start-up: options, language, icon, a
#    picture, its texture cache, a sound, the demonstration level.
d="$tmp/d2"; h="$tmp/h2"
nouvelles_donnees "$d"
mkdir -p "$h/conf"
remplacer_par_tube "$h/conf/options.conf" "$d/lang/fr.txt" "$d/imgs/icon.bmp" \
  "$d/imgs/briques/casse.png" "$d/imgs/boom/1.png.pak" "$d/sons/paf.ogg" "$d/mapsoff/logom.map"
demarrer tubes --dirdata "$d" --dirhome "$h"
fermer tubes
for f in "$h/conf/options.conf" "$d/lang/fr.txt" "$d/imgs/icon.bmp" "$d/imgs/briques/casse.png" \
  "$d/sons/paf.ogg" "$d/mapsoff/logom.map"; do
  ligne tubes "Fichier ignoré : $f (pas un fichier ordinaire)"
done
[ -p "$d/imgs/boom/1.png.pak" ] || echec "the pipe beside the picture was replaced"

# 3. Shaders that are a pipe and a file far too large, a language code that climbs out of
#    "lang/", and a window larger than the screen with bloom and the fractal background.
d="$tmp/d3"; h="$tmp/h3"
nouvelles_donnees "$d"
mkdir -p "$h/conf"
printf 'ResX=4000\nResY=3000\nFondShader=1\nBloom=1\nLangue=../../x\n' >"$h/conf/options.conf"
remplacer_par_tube "$d/shaders/julia.frag"
rm -f "$d/shaders/bloom.vert" && head -c $((2 << 20)) /dev/zero | tr '\0' ' ' >"$d/shaders/bloom.vert"
demarrer grands --dirdata "$d" --dirhome "$h"
fermer grands
ligne grands "Options : code de langue invalide, langue fr"
ligne grands "Fichier ignoré : $d/shaders/julia.frag (pas un fichier ordinaire)"
ligne grands "Fichier ignoré : $d/shaders/bloom.vert (trop grand)"
taille=$(sed -n 's/^Fenetre ouverte en \([0-9]*x[0-9]*\) au lieu de 4000x3000$/\1/p' "$tmp/grands.out")
[ -n "$taille" ] || echec "grands: no line about the window's real size"
largeur=${taille%x*}; hauteur=${taille#*x}
[ "$largeur" -le 1280 ] && [ "$hauteur" -le 1024 ] || echec "grands: window of $taille on a 1280x1024 screen"
grep -q '^Chargement langue ' "$tmp/grands.out" || echec "grands: no language loaded"
# The derived textures follow the window opened, not the size asked for.
while read -r l; do
  t=${l#New : }; t=${t% sur*}
  [ "${t%x*}" -le 2048 ] && [ "${t#*x}" -le 1024 ] || echec "grands: texture $t for a $taille window"
done < <(grep '^New : ' "$tmp/grands.out")
grep -q '^New : ' "$tmp/grands.out" || echec "grands: no bloom or background texture made"

# 4. A named pipe as the data marker: the data check fails at once, as for a missing marker.
d="$tmp/d4"
nouvelles_donnees "$d"
remplacer_par_tube "$d/zarvinel.dir"
timeout 20 "$exe" --dirdata "$d" --dirhome "$tmp/h4" >"$tmp/marqueur.out" 2>"$tmp/marqueur.err"
rc=$?
[ "$rc" -eq 255 ] || echec "pipe as marker: exit code $rc, expected 255"
grep -q "Unable to find game data directory" "$tmp/marqueur.err" || echec "pipe as marker: no message"

echo "ok"
