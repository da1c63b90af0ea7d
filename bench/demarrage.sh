#!/usr/bin/env bash
# Start-up time: from exec to the main menu's first frame on screen ("Premiere image du menu"
# in the log, with the monotonic clock), RUNS times with a warm texture cache (the ".pak" files
# of an earlier run in place, the same user directory) and RUNS times with a cold one (every
# ".pak" removed, a fresh user directory). Prints each run and the medians in milliseconds.
# Usage: bench/demarrage.sh SOURCE_DIR BINARY_DIR [RUNS=5]
# Run under a display: xvfb-run -a -s "-screen 0 1280x1024x24" bench/demarrage.sh . build/release
set -uo pipefail
src=$(cd "$1" && pwd)
exe="$2/src/zarvinel"
runs=${3:-5}
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

# One run: the clock read just before exec, the game's line, then the game is closed.
lancer() {  # home
  local journal i t0 ligne
  journal=$(mktemp -p "$tmp")
  /usr/bin/python3 -c '
import os, sys, time
sys.stdout.write("%.6f\n" % time.monotonic())
sys.stdout.flush()
os.execv(sys.argv[1], sys.argv[1:])' "$exe" --dirhome "$1" >"$journal" 2>&1 &
  local pid=$!
  for ((i = 0; i < 600; i++)); do
    ligne=$(grep -m1 '^Premiere image du menu' "$journal")
    [ -n "$ligne" ] && break
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  t0=$(head -n 1 "$journal")
  [ -n "$ligne" ] && [[ "$t0" =~ ^[0-9.]+$ ]] || { echo "no first frame in the log" >&2; return 1; }
  # "Premiere image du menu : <ms since exec by the kernel> ms, monotone <s> s"
  echo "$ligne" | awk -v t0="$t0" '{printf "%.0f\n", ($(NF-1) - t0) * 1000}'
}

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

froid=()
for ((r = 0; r < runs; r++)); do
  find "$src/data" -name '*.pak' -delete
  froid+=("$(lancer "$tmp/froid$r")")
done
chaud=()
lancer "$tmp/chaud" >/dev/null  # writes the cache
for ((r = 0; r < runs; r++)); do chaud+=("$(lancer "$tmp/chaud")"); done
echo "cold: ${froid[*]} ms, median $(printf '%s\n' "${froid[@]}" | mediane) ms"
echo "warm: ${chaud[*]} ms, median $(printf '%s\n' "${chaud[@]}" | mediane) ms"
