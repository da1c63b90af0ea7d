#!/usr/bin/env bash
# The real game binary under the current display: start-up log, a clean close on SIGTERM,
# and the exit codes of a failed data check. Usage: demarrage.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src=$1
bin=$2
exe="$bin/src/zarvinel"
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT

echec() {
  echo "ECHEC: $*"
  for f in "$tmp"/*.out "$tmp"/*.err; do [ -e "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}
[ -x "$exe" ] || echec "no game binary at $exe"
[ -n "${DISPLAY:-}" ] || echec "no DISPLAY"

# The lines must appear in this order (others may come between them).
dans_l_ordre() {  # file line...
  local f=$1; shift
  /usr/bin/python3 - "$f" "$@" <<'PY' || echec "log lines missing or out of order in $f"
import sys
lignes = open(sys.argv[1], encoding="utf-8", errors="replace").read().split("\n")
i = 0
for attendu in sys.argv[2:]:
    while i < len(lignes) and lignes[i] != attendu:
        i += 1
    if i == len(lignes):
        print("missing (in order):", repr(attendu))
        sys.exit(1)
    i += 1
PY
}

# Starts the game in the background and waits until start-up is over.
demarrer() {  # name args...
  local nom=$1; shift
  "$exe" "$@" >"$tmp/$nom.out" 2>"$tmp/$nom.err" &
  pid=$!
  for _ in $(seq 300); do
    grep -q '^\[VSYNC\] actif=' "$tmp/$nom.out" && return 0
    kill -0 "$pid" 2>/dev/null || echec "$nom: the game ended during start-up"
    sleep 0.1
  done
  echec "$nom: start-up did not finish within 30 s"
}

fermer() {  # name
  kill -TERM "$pid"
  local rc=0
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq 0 ] || echec "$1: exit code $rc after SIGTERM, expected 0"
}

# 1. A normal run from the build tree, with no flag but the user directory.
demarrer normal --dirhome "$tmp/home"
fermer normal
dans_l_ordre "$tmp/normal.out" \
  "dir_home = $tmp/home" "dir_data = $src/data/" \
  "DIR conf/ => $tmp/home/conf/" "DIR imgs/ => $src/data/imgs/" \
  "Checking $src/data/zarvinel.dir" "Init GUI" "Init Graph" "Resize GUI" "ok" \
  "Chargement du système de map" "Terrain crée" "Chargement du système son" \
  "Chargement du traducteur" "Récupération des capacités graphiques" \
  "Shader disponible : 1" "CubeMap disponible : 1" \
  "Filtrage des options par rapport aux capacités graphiques" "ok" \
  "Termine shader" "Termine fondmenu" "Termine ter" "Termine gui" "Termine sons" "Termine trans" "Termine glext" \
  "Termine SDL" "Termine" "Fin OK"
grep -qx '\[VSYNC\] actif=[01]' "$tmp/normal.out" || echec "no swap interval line"
head -n 1 "$tmp/normal.out" | grep -q '^dir_home/' || echec "first line is not dir_home + the desktop folder"
[ "$(tail -n 1 "$tmp/normal.out")" = "Fin OK" ] || echec "the log does not end with Fin OK"
[ -d "$tmp/home/conf" ] && [ -d "$tmp/home/mapsusr" ] || echec "user folders not created"
[ -s "$tmp/normal.err" ] && echec "unexpected standard error output"

# 2. The options file is read, unless --default.
mkdir -p "$tmp/home/conf"
printf 'ResX=800\nResY=600\n' >"$tmp/home/conf/options.conf"
demarrer options --dirhome "$tmp/home"
fermer options
dans_l_ordre "$tmp/options.out" "Checking $src/data/zarvinel.dir" "ResX : 800" "ResY : 600" "Init GUI"
demarrer defaut --dirhome "$tmp/home" --default
fermer defaut
grep -q '^ResX : ' "$tmp/defaut.out" && echec "--default still read the options file"

# 3. No data where --dirdata points: exit code -1, the message on standard error, no window.
"$exe" --dirdata "$tmp/nulle-part" --dirhome "$tmp/home" >"$tmp/absent.out" 2>"$tmp/absent.err"
rc=$?
[ "$rc" -eq 255 ] || echec "missing data: exit code $rc, expected 255 (-1)"
grep -q "Impossible de trouver les données du jeu" "$tmp/absent.err" || echec "no message on stderr"
grep -q "Unable to find game data directory" "$tmp/absent.err" || echec "no English line on stderr"
grep -q "^Init Graph" "$tmp/absent.out" && echec "went on after a failed data check"
dans_l_ordre "$tmp/absent.out" "dir_data = $tmp/nulle-part" "Checking $tmp/nulle-part/zarvinel.dir"

# 4. Data of another version.
mkdir -p "$tmp/autre"
printf 'Zarvinel2 is here' >"$tmp/autre/zarvinel.dir"
"$exe" --dirdata "$tmp/autre/" --dirhome "$tmp/home" >"$tmp/version.out" 2>"$tmp/version.err"
rc=$?
[ "$rc" -eq 255 ] || echec "other data version: exit code $rc, expected 255"
grep -q "Données du jeu dans une autre version" "$tmp/version.err" || echec "no version message"

# 5. No window can be had: exit code 1, and the shutdown still runs to SDL_Quit.
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$exe" --dirhome "$tmp/home" \
  >"$tmp/sansfenetre.out" 2>"$tmp/sansfenetre.err"
rc=$?
[ "$rc" -eq 1 ] || echec "no window: exit code $rc, expected 1"
dans_l_ordre "$tmp/sansfenetre.out" "Init Graph" "Termine gui" "Termine SDL" "Termine"
grep -q "^Fin OK" "$tmp/sansfenetre.out" && echec "a failed start-up logged Fin OK"

echo "ok"
