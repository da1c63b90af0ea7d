#!/usr/bin/env bash
# Start-up time: from exec to the main menu's first frame on screen ("Premiere image du menu"
# in the log, with the monotonic clock), RUNS times with a warm texture cache (the ".pak" files
# of an earlier run in place, the same user directory) and RUNS times with a cold one (every
# ".pak" removed, a fresh user directory). Prints each run and the medians in milliseconds: the
# wall time, and the game's processor time (all its threads) when the line was seen, which a
# loaded machine changes far less.
# A second build (its source and binary directories) is measured in the same rounds, the two
# runs of a round one after the other: their figures compare under the same load.
# FROID=0 leaves the cold runs out (they remove the ".pak" files of each source's data).
# Usage: bench/demarrage.sh SOURCE_DIR BINARY_DIR [RUNS=5] [SOURCE_DIR2 BINARY_DIR2]
# Run under a display: xvfb-run -a -s "-screen 0 1280x1024x24" bench/demarrage.sh . build/release
set -uo pipefail
sources=("$(cd "$1" && pwd)")
exes=("$2/src/zarvinel")
runs=${3:-5}
if [ $# -ge 5 ]; then
  sources+=("$(cd "$4" && pwd)")
  exes+=("$5/src/zarvinel")
fi
froid=${FROID:-1}
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ticks=$(getconf CLK_TCK 2>/dev/null || echo 100)
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

# One run: the clock read just before exec, the game's line, then the game is closed. Prints
# "<wall ms> <processor ms>".
lancer() {  # exe home
  local journal i t0 ligne stat cpu=
  journal=$(mktemp -p "$tmp")
  /usr/bin/python3 -c '
import os, sys, time
sys.stdout.write("%.6f\n" % time.monotonic())
sys.stdout.flush()
os.execv(sys.argv[1], sys.argv[1:])' "$1" --dirhome "$2" >"$journal" 2>&1 &
  local pid=$!
  for ((i = 0; i < 3000; i++)); do
    ligne=$(grep -m1 '^Premiere image du menu' "$journal")
    if [ -n "$ligne" ]; then
      # Fields after the command name: utime is 14, stime 15 (the process's threads summed).
      stat=$(cat "/proc/$pid/stat" 2>/dev/null) && set -- ${stat##*) } && cpu=$(((${12} + ${13}) * 1000 / ticks))
      break
    fi
    sleep 0.01
  done
  kill -TERM "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  t0=$(head -n 1 "$journal")
  [ -n "$ligne" ] && [[ "$t0" =~ ^[0-9.]+$ ]] || { echo "no first frame in the log" >&2; return 1; }
  # "Premiere image du menu : <ms since exec by the kernel> ms, monotone <s> s"
  echo "$ligne" | awk -v t0="$t0" -v cpu="${cpu:-0}" '{printf "%.0f %d\n", ($(NF-1) - t0) * 1000, cpu}'
}

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# resultats[k] holds "wall cpu" lines of build k, one a run; the variable's name tells the kind.
declare -a froids chauds
for k in "${!exes[@]}"; do froids[k]=""; chauds[k]=""; done
if [ "$froid" != 0 ]; then
  for ((r = 0; r < runs; r++)); do
    for k in "${!exes[@]}"; do
      find "${sources[k]}/data" -name '*.pak' -delete
      froids[k]+="$(lancer "${exes[k]}" "$tmp/froid$k.$r")"$'\n'
    done
  done
fi
for k in "${!exes[@]}"; do lancer "${exes[k]}" "$tmp/chaud$k" >/dev/null; done  # writes the caches
for ((r = 0; r < runs; r++)); do
  for k in "${!exes[@]}"; do chauds[k]+="$(lancer "${exes[k]}" "$tmp/chaud$k")"$'\n'; done
done

resumer() {  # label lines
  local murs cpus
  murs=$(printf '%s' "$2" | awk 'NF {print $1}')
  cpus=$(printf '%s' "$2" | awk 'NF {print $2}')
  echo "$1: $(echo $murs) ms, median $(echo "$murs" | mediane) ms;" \
    "processor $(echo $cpus) ms, median $(echo "$cpus" | mediane) ms"
}
for k in "${!exes[@]}"; do
  etiquette=""
  [ "${#exes[@]}" -gt 1 ] && etiquette="${exes[k]} "
  [ "$froid" != 0 ] && resumer "${etiquette}cold" "${froids[k]}"
  resumer "${etiquette}warm" "${chauds[k]}"
done
