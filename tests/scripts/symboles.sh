#!/usr/bin/env bash
# The game core and the headless tools hold no OpenGL, SDL_image or SDL_mixer: no reference to
# one of their symbols in the core library, none in the tools, and no such library among the
# tools' dependencies. The same test on the graphics and sound libraries must find them (so the
# check itself works).
# Usage: symboles.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src=$1
bin=$2
status=0
motif='^(gl[A-Z]|glu[A-Z]|glX[A-Z]|IMG_|Mix_)'
bibliotheques='lib(GL|GLU|GLX|OpenGL|SDL2?_image|SDL2?_mixer)[.-]'

interdits() {  # file: the forbidden symbols it references or defines
  nm -A "$1" 2>/dev/null | awk '{print $NF}' | sed 's/@.*//' | grep -E "$motif" | sort -u
  nm -D "$1" 2>/dev/null | awk '{print $NF}' | sed 's/@.*//' | grep -E "$motif" | sort -u
}

verifier() {  # file
  [ -e "$1" ] || { echo "FAIL: $1 is not built"; status=1; return; }
  local trouves
  trouves=$(interdits "$1" | head -n 5)
  if [ -n "$trouves" ]; then
    echo "FAIL: $1 references:"; echo "$trouves"; status=1
  fi
  if [[ $1 != *.a ]]; then
    local liens
    liens=$(readelf -d "$1" | grep NEEDED | grep -E "$bibliotheques")
    [ -z "$liens" ] || { echo "FAIL: $1 needs:"; echo "$liens"; status=1; }
  fi
}

verifier "$bin/src/libzarvinel_core.a"
for outil in "$src"/tools/*.cpp; do
  nom=$(basename "$outil" .cpp)
  [[ $nom == zv-gl-* ]] && continue
  verifier "$bin/tools/$nom"
done

# The check sees what it looks for.
[ -n "$(interdits "$bin/src/libzarvinel_gfx.a" | grep -E '^gl[A-Z]')" ] ||
  { echo "FAIL: no GL symbol found in the graphics library"; status=1; }
[ -n "$(interdits "$bin/src/libzarvinel_gfx.a" | grep -E '^IMG_')" ] ||
  { echo "FAIL: no SDL_image symbol found in the graphics library"; status=1; }
[ -n "$(interdits "$bin/src/libzarvinel_sound.a" | grep -E '^Mix_')" ] ||
  { echo "FAIL: no SDL_mixer symbol found in the sound library"; status=1; }

[ $status -eq 0 ] && echo "ok: no OpenGL, SDL_image or SDL_mixer in the core and the headless tools"
exit $status
