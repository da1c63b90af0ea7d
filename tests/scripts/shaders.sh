#!/usr/bin/env bash
# The four shader files compile as GLSL with the reference compiler, as written and with the
# CR LF line ends the game hands to the driver.
set -euo pipefail
source_dir=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for f in julia.vert julia.frag bloom.vert bloom.frag; do
  src="$source_dir/data/shaders/$f"
  [ -s "$src" ] || { echo "missing $src"; status=1; continue; }
  sed 's/$/\r/' "$src" > "$tmp/$f"
  for version in "$src" "$tmp/$f"; do
    if ! out=$(glslangValidator "$version" 2>&1); then
      echo "FAIL $version"; echo "$out"; status=1
    fi
  done
  echo "ok $f"
done
exit $status
