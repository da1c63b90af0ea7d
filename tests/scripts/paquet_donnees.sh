#!/usr/bin/env bash
# Where each build of the game looks for its data when its installed data folder is missing. The
# executable that gets installed (the package's) holds no path of the build tree and never reads
# it: its data check fails cleanly. The development executable, moved away from its tree, still
# falls back on the checkout's data/. Usage: paquet_donnees.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src=$1
bin=$2
dev="$bin/src/zarvinel"
paquet="$bin/src/paquet/zarvinel"
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echec() {
  echo "ECHEC: $*"
  for f in "$tmp"/*.out; do [ -e "$f" ] && { echo "--- $f"; tail -n 20 "$f"; }; done
  exit 1
}
[ -x "$dev" ] || echec "no development binary at $dev"
[ -x "$paquet" ] || echec "no binary to install at $paquet"

# 1. The checkout's path is nowhere in the installed executable.
donnees_source=$(cd "$src" && pwd)/data/
grep -qaF "$donnees_source" "$dev" || echec "the development binary does not name $donnees_source"
if grep -qaF "$donnees_source" "$paquet"; then
  echec "the binary to install holds the build tree's data path $donnees_source"
fi

# 2. Both, copied as an installed game whose data folder is missing (games/ without
# share/games/zarvinel beside it), with no --dirdata. The installed one ends at the data check,
# before any window; the development one, which finds data, is stopped once it named them.
for sorte in dev paquet; do
  mkdir -p "$tmp/$sorte/games"
  eval cp \"\$$sorte\" "$tmp/$sorte/games/zarvinel"
  (cd "$tmp" && exec "$tmp/$sorte/games/zarvinel" --dirhome "$tmp/home-$sorte" \
    >"$tmp/$sorte.out" 2>&1) &
  pid=$!
  for ((i = 0; i < 600; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    grep -q '^dir_data = ' "$tmp/$sorte.out" && [ "$sorte" = dev ] && break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
done
grep -qxF "dir_data = $donnees_source" "$tmp/dev.out" ||
  echec "the development binary did not fall back on the checkout's data"
grep -qF "$donnees_source" "$tmp/paquet.out" && echec "the installed binary read the build tree"
grep -qxF "Checking ./zarvinel.dir" "$tmp/paquet.out" ||
  echec "the installed binary did not fail its data check on the missing data folder"
echo "ok"
