#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need.
# Does nothing when they are all present. Usage: tools/install-deps.sh [--tests | --generators]
# (--generators: what tools/generer-donnees.sh needs to remake the data files)
set -euo pipefail

packages=(cmake g++ pkg-config
          libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
          libgl-dev libglu1-mesa-dev
          xdg-utils)  # xdg-open: the game opens web pages through it
if [ "${1:-}" = "--tests" ]; then
  packages+=(googletest libgtest-dev libbenchmark-dev clang
             xvfb xauth libgl1-mesa-dri xdotool imagemagick libxdamage1
             glslang-tools python3-pil python3-numpy fonts-dejavu-core
             dpkg-dev lintian appstream desktop-file-utils man-db)  # the package test
elif [ "${1:-}" = "--generators" ]; then
  packages+=(python3 python3-pil python3-numpy fonts-dejavu-core vorbis-tools sox imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
