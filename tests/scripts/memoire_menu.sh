#!/usr/bin/env bash
# The game's own memory as a player leaves it on the menu: RssAnon at most 60 MB after 10 s
# (the sky and reflections at the window's size), and no growth over 20 screen changes. The
# long version (10 minutes, 200 changes) is bench/memoire.sh. Under a sanitizer the process
# carries the sanitizer's own memory: only the growth is checked there.
# Usage: memoire_menu.sh SOURCE_DIR BINARY_DIR
sortie=$(bash "$(dirname "$0")/../../bench/memoire.sh" "$1" "$2" 10 20) || { echo "$sortie"; exit 1; }
echo "$sortie"
kb() { awk -v p="$1" '$2 == p {print $3}' <<<"$sortie" | tail -n 1; }
dix=$(kb menu_10s)
apres=$(kb changes_20)
[ -n "$dix" ] && [ -n "$apres" ] || { echo "ECHEC: no RssAnon figures"; exit 1; }
if [ -z "${ASAN_OPTIONS:-}${TSAN_OPTIONS:-}" ] && ! nm -C "$2/src/zarvinel" 2>/dev/null | grep -q __asan_init; then
  [ "$dix" -le 61440 ] || { echo "ECHEC: $dix kB at the menu after 10 s (at most 60 MB)"; exit 1; }
fi
# A few pages come and go with the allocator: 2 MB is growth, not noise.
[ $((apres - dix)) -le 2048 ] || { echo "ECHEC: grew from $dix to $apres kB over 20 screen changes"; exit 1; }
echo "ok"
