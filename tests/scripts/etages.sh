#!/usr/bin/env bash
# The floors of src/: a file may include its own folder, any folder on a lower floor, and on its
# own floor only the pairs listed below (one way each). So no include climbs a floor and no two
# folders include each other: the folder graph has no loop. The core folders include no OpenGL,
# SDL_image or SDL_mixer header. Every folder of src/ must have a floor.
# Then the checker is run on a small tree holding each kind of fault, which it must refuse.
# Usage: etages.sh SOURCE_DIR [BINARY_DIR]      (or: etages.sh --arbre SRC_TREE to check one tree)
set -uo pipefail

declare -A etage=([base]=0 [platform]=1 [game]=2 [levels]=2 [sound]=2 [render]=3 [gui]=3
                  [screens]=4 [editor]=4 [app]=5)
# Same-floor includes allowed, "from>to".
permis=" levels>game gui>render editor>screens "
coeur=" base platform game levels "

verifier() {  # src-tree; prints each fault, returns 1 when there is one
  local arbre=$1 fautes=0 dossier fichier ligne cible de
  for dossier in "$arbre"/*/; do
    dossier=$(basename "$dossier")
    [ -n "${etage[$dossier]+x}" ] || { echo "no floor for folder src/$dossier"; fautes=1; }
  done
  while IFS= read -r fichier; do
    de=${fichier#"$arbre"/}
    de=${de%%/*}
    [ -n "${etage[$de]+x}" ] || continue
    while IFS= read -r ligne; do
      if [[ $ligne =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
        cible=${BASH_REMATCH[1]}
        [ "$cible" = "$de" ] && continue
        if [ -z "${etage[$cible]+x}" ]; then
          echo "${fichier#"$arbre"/}: includes unknown folder $cible"; fautes=1
        elif [ "${etage[$cible]}" -gt "${etage[$de]}" ]; then
          echo "${fichier#"$arbre"/}: $de includes $cible, a floor above"; fautes=1
        elif [ "${etage[$cible]}" -eq "${etage[$de]}" ] && [[ $permis != *" $de>$cible "* ]]; then
          echo "${fichier#"$arbre"/}: $de includes $cible on its own floor"; fautes=1
        fi
      fi
      if [[ $coeur == *" $de "* ]] &&
         [[ $ligne =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"](GL/|OpenGL/|SDL_image|SDL_mixer|SDL_opengl|render/gl\.h) ]]; then
        echo "${fichier#"$arbre"/}: the core includes ${BASH_REMATCH[1]}"; fautes=1
      fi
    done < "$fichier"
  done < <(find "$arbre" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
  return $fautes
}

if [ "${1:-}" = "--arbre" ]; then
  verifier "$2"
  exit $?
fi

src=$1/src
status=0
if verifier "$src"; then
  echo "ok: the includes of src/ follow the floors"
else
  status=1
fi

# The checker must see each fault.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
faute() {  # name file text: a tree with one fault that must be refused
  rm -rf "$tmp/src"
  mkdir -p "$tmp/src/base" "$tmp/src/game" "$tmp/src/render" "$tmp/src/gui"
  echo '#include "base/a.h"' > "$tmp/src/game/ok.cpp"
  echo '#include "render/a.h"' > "$tmp/src/gui/ok.cpp"
  mkdir -p "$(dirname "$tmp/src/$2")"
  printf '%s\n' "$3" > "$tmp/src/$2"
  if verifier "$tmp/src" >/dev/null; then
    echo "FAIL: the checker accepts $1"; status=1
  fi
}
rm -rf "$tmp/src"; mkdir -p "$tmp/src/base" "$tmp/src/game"
echo '#include "base/a.h"' > "$tmp/src/game/ok.cpp"
verifier "$tmp/src" >/dev/null || { echo "FAIL: the checker refuses a good tree"; status=1; }
faute "an include of a floor above" base/a.cpp '#include "game/terrain.h"'
faute "render including gui" render/a.cpp '  #  include "gui/widget.h"'
faute "a same-floor pair not listed" game/b.cpp '#include "levels/x.h"'
faute "GL in the core" game/c.cpp '#include <GL/gl.h>'
faute "the mixer in the core" base/d.h '#include <SDL_mixer.h>'
faute "a folder without a floor" nouveau/e.cpp '#include "base/a.h"'
[ $status -eq 0 ] && echo "ok: the checker refuses each fault"
exit $status
