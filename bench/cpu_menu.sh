#!/usr/bin/env bash
# The idle main menu's share of one core over DUREE seconds (utime + stime of /proc/PID/stat,
# every thread of the game, the GL driver's included), with the swap interval asked on (option
# VSync=1) and off (VSync=0), and the menu's frame rate from the frame-rate label's log; then the
# same menu's share while its window is hidden (unmapped, as minimising does).
# Usage: bench/cpu_menu.sh SOURCE_DIR BINARY_DIR [DUREE=10] [extra options lines...]
# Run under a display: xvfb-run -a -s "-screen 0 1280x1024x24" bench/cpu_menu.sh . build/release
source "$(cd "$(dirname "$0")/.." && pwd)/tests/scripts/joueur/commun.bash" "$1" "$2"
duree=${3:-10}
shift 3 2>/dev/null || shift $#
hz=$(getconf CLK_TCK)

temps() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
for vsync in 1 0; do
  rm -rf "$home"
  mkdir -p "$home/conf"
  { echo "VSync=$vsync"; for l in "$@"; do echo "$l"; done; } >"$home/conf/options.conf"
  : >"$journal"
  demarrer
  sleep 2  # past the first frames' set-up
  t0=$(temps)
  i0=$(compter '.')
  sleep "$duree"
  t1=$(temps)
  kill -TERM "$pid"
  attendre_fin
  # The menu's frames over its whole life ("Images : N en T ms").
  ips=$(awk '/^Images : / {printf "%.1f", $3 * 1000 / $5}' "$journal" | tail -n 1)
  echo "VSync=$vsync $*: $(echo "scale=1; 100 * ($t1 - $t0) / $hz / $duree" | bc) % of a core over $duree s, $ips frames a second, $(grep -E '^Cadence' "$journal")"
done
rm -rf "$home"
mkdir -p "$home/conf"
for l in "$@"; do echo "$l"; done >"$home/conf/options.conf"
: >"$journal"
demarrer
xdotool windowunmap "$fenetre"
attendre_ligne "^Fenetre cachee : plus d'images$"
t0=$(temps)
sleep "$duree"
t1=$(temps)
kill -TERM "$pid"
attendre_fin
echo "hidden $*: $(echo "scale=1; 100 * ($t1 - $t0) / $hz / $duree" | bc) % of a core over $duree s"
