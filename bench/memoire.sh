#!/usr/bin/env bash
# The game's own memory (RssAnon of /proc/PID/status) as a player sees it: the real game on a
# fresh user directory, its main menu after 10 s, after DUREE seconds on the menu, then after
# CHANGES screen changes (options screen and back, clicked with xdotool).
# Usage: bench/memoire.sh SOURCE_DIR BINARY_DIR [DUREE=600] [CHANGES=200]
# Run under a display, e.g. xvfb-run -a -s "-screen 0 1280x1024x24" bench/memoire.sh . build/release
# Prints one line per point: "RssAnon <point> <kB> kB".
source "$(cd "$(dirname "$0")/.." && pwd)/tests/scripts/joueur/commun.bash" "$1" "$2"
duree=${3:-600}
changes=${4:-200}

rss() { awk '/^RssAnon:/ {print $2}' "/proc/$pid/status"; }
debut=$(date +%s.%N)
demarrer
attendre_depuis() {  # seconds since the start
  local reste
  reste=$(echo "$debut + $1 - $(date +%s.%N)" | bc)
  [ "${reste:0:1}" != "-" ] && sleep "$reste"
}
attendre_depuis 10
dix=$(rss)
echo "RssAnon menu_10s $dix kB"
# A sample every minute shows whether any growth goes on or levels off.
for ((t = 70; t < duree; t += 60)); do
  attendre_depuis "$t"
  echo "RssAnon menu_${t}s $(rss) kB"
done
attendre_depuis "$duree"
apres=$(rss)
echo "RssAnon menu_${duree}s $apres kB"
# One change is a screen shown: the options screen, then the menu again.
for ((i = 1; i <= changes / 2; i++)); do
  cliquer 90 "$(menu_label_y 122)"
  attendre_ligne '^Menu : ordre 254$' "$i"
  cliquer 375 440  # Ret
  attendre_ligne '^Menu options retour$' "$i"
  [ $((i % 25)) -eq 0 ] && echo "RssAnon changes_$((2 * i)) $(rss) kB"
done
echo "RssAnon changes_$changes $(rss) kB"
kill -TERM "$pid"
attendre_fin
