# Shared by the player scripts (tests/scripts/menu_*.sh): the real game started on a fresh user
# directory under the current display, driven with xdotool as a player would (the mouse at the
# positions the screen layouts give, typed text, held keys), watched through its log.
# Usage in a script: source this file with SOURCE_DIR BINARY_DIR as $1 $2.
set -uo pipefail
src=$1
bin=$2
exe="$bin/src/zarvinel"
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
home="$tmp/home"
journal="$tmp/jeu.out"
pid=
fenetre=
# Log lines can take long under the sanitizers: every wait has its own generous limit, and
# returns as soon as the line is there.
attente=${ZARVINEL_ATTENTE:-60}
W=640
H=480

terminer() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  # A restarted game is another process: it is found by its window.
  if [ -n "$fenetre" ]; then
    local autre
    autre=$(xdotool getwindowpid "$fenetre" 2>/dev/null) && kill -KILL "$autre" 2>/dev/null
  fi
  rm -rf "$tmp"
}
trap terminer EXIT
[ -n "${GARDER:-}" ] && trap - EXIT

echec() {
  echo "ECHEC: $*"
  [ -e "$journal" ] && { echo "--- last lines of the log"; tail -n 40 "$journal"; }
  exit 1
}
[ -x "$exe" ] || echec "no game binary at $exe"
[ -n "${DISPLAY:-}" ] || echec "no DISPLAY"
command -v xdotool >/dev/null || echec "xdotool is missing (tools/install-deps.sh --tests)"

# How many log lines match the extended regular expression.
compter() { grep -cE -- "$1" "$journal" 2>/dev/null || true; }

# Waits until the log holds at least N lines matching the expression (default 1).
attendre_ligne() {  # regex [N]
  local motif=$1 n=${2:-1} i
  for ((i = 0; i < attente * 20; i++)); do
    [ "$(compter "$motif")" -ge "$n" ] && return 0
    sleep 0.05
  done
  echec "no log line /$motif/ (wanted $n) within ${attente} s"
}

# Starts the game (extra arguments follow --dirhome) and waits for its main menu.
demarrer() {
  "$exe" --dirhome "$home" "$@" >"$journal" 2>&1 &
  pid=$!
  attendre_ligne '^[0-9]+ langues$'
  trouver_fenetre
}

# The game's window (the only one named Zarvinel on this display).
trouver_fenetre() {
  fenetre=$(timeout "$attente" xdotool search --sync --onlyvisible --name '^Zarvinel$' | head -n 1)
  [ -n "$fenetre" ] || echec "no game window"
}

# A click at (x, y) of the window: the pointer moves there first, as a hand would.
cliquer() {  # x y
  xdotool mousemove --window "$fenetre" "$1" "$2" || echec "cannot move the mouse"
  sleep 0.1
  xdotool click 1
  sleep 0.1
}

# Keys go through the X server's test extension to the window under the pointer.
touche() { xdotool key --delay 60 "$@"; }
taper() { xdotool type --delay 80 "$1"; }

capture() {  # name: the window into $tmp/name.png
  import -window "$fenetre" "$tmp/$1.png" || echec "no screenshot $1"
}

# Closes the window as a window manager does (WM_DELETE_WINDOW), not by a signal.
fermer_fenetre() {
  /usr/bin/python3 - "$fenetre" <<'PY' || echec "cannot ask the window to close"
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("l", ctypes.c_long * 5)]

class Evenement(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("bourrage", ctypes.c_long * 24)]

d = x.XOpenDisplay(None)
if not d:
    sys.exit(1)
f = int(sys.argv[1])
e = Evenement()
e.xclient.type = 33  # ClientMessage
e.xclient.window = f
e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.xclient.format = 32
e.xclient.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, f, 0, 0, ctypes.byref(e))
x.XFlush(d)
x.XCloseDisplay(d)
PY
}

# Waits for the game started by `demarrer` to end; its exit code must be 0 and its log must end
# with "Fin OK" (with "relance": hold it, since the restarted game writes on after it).
attendre_fin() {  # [relance]
  local i
  for ((i = 0; i < attente * 20; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && echec "the game did not end within ${attente} s"
  local rc=0
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq 0 ] || echec "exit code $rc, expected 0"
  if [ "${1:-}" = relance ]; then
    grep -qx 'Fin OK' "$journal" || echec "no Fin OK in the log"
  else
    [ "$(tail -n 1 "$journal")" = "Fin OK" ] || echec "the log does not end with Fin OK"
  fi
}

# The menu's layout (640 x 480 window): the centres of the choices' labels and of the
# catalogue's rows.
menu_label_y() {  # label top offset from the bottom: Play 220, NewMap 188, EditMap 156, Opt 122, Langue 90, Quit 58
  echo $((H - $1 + 10))
}
ligne_catalogue_y() { echo $((50 + 2 + 20 * $1 + 10)); }  # row k

# The level editor's layout: tool i's button, the command buttons along the bottom (add,
# delete, properties, save, quit), a centred 60-pixel dialog's i-th button.
outil_x() { echo $((1 + 32 * $1 + 16)); }
commande_x() {  # 0 add, 1 delete, 2 properties, 3 save, 4 quit
  echo $((1 + 32 * $1 + 16))
}
commande_y() { echo $((H - 33 + 16)); }
bouton_dialogue_x() { echo $(((W - 300) / 2 + 5 + 85 * $1 + 40)); }
bouton_dialogue_y() { echo $(((H - 60) / 2 + 60 - 15)); }
# Leaves the editor without saving (quit, then "No" when it asks: it does not when nothing
# changed since the file was opened or saved) and waits for the menu again.
quitter_editeur() {
  local menus confirmations sorties
  menus=$(compter '^[0-9]+ langues$')
  confirmations=$(compter '^new confirm$')
  sorties=$(compter '^Quitter sans modification$')
  cliquer "$(commande_x 4)" "$(commande_y)"
  local fin=$((SECONDS + 30))
  while :; do
    if [ "$(compter '^new confirm$')" -gt "$confirmations" ]; then
      cliquer "$(bouton_dialogue_x 1)" "$(bouton_dialogue_y)"
      break
    fi
    [ "$(compter '^Quitter sans modification$')" -gt "$sorties" ] && break
    [ "$SECONDS" -lt "$fin" ] || echec "the editor neither asked nor left"
    sleep 0.1
  done
  attendre_ligne '^[0-9]+ langues$' $((menus + 1))
}

# "New" in the menu, the file name typed and confirmed: returns once the editor has loaded the
# new file.
nouveau_niveau() {  # name
  cliquer 90 "$(menu_label_y 188)"
  sleep 0.3
  taper "$1"
  touche Return
  attendre_ligne "^Chargement de tout .*/$1\\.map\$"
}
# A new level is 15 x 15 with its start cell (1, 1) in the window's centre, seen from 15 cells
# away: a cell is 480 / (30 tan 30 degrees) = 27.7 pixels. The centre of column / row k:
case_x() { /usr/bin/python3 -c "print(round(320 + ($1 + 0.5 - 1.5) * 27.7128))"; }
case_y() { /usr/bin/python3 -c "print(round(240 + ($1 + 0.5 - 1.5) * 27.7128))"; }

# A level file's grid as rows of cell characters (the level tool's text form), and its row k.
grille_fichier() { "$bin/tools/zv-niveau" text "$1" | sed -n '/^grid$/,/^end$/p' | sed '1d;$d'; }
ligne_grille() { grille_fichier "$1" | sed -n "$(($2 + 1))p"; }

# A drag with the left button through the points x0 y0 x1 y1 ..., a hand's pause between each.
glisser() {
  xdotool mousemove --window "$fenetre" "$1" "$2"
  shift 2
  sleep 0.1
  xdotool mousedown 1
  while [ $# -ge 2 ]; do
    sleep 0.1
    xdotool mousemove --window "$fenetre" "$1" "$2"
    shift 2
  done
  sleep 0.1
  xdotool mouseup 1
}

# A level won before the game starts, as playing it would have left it: a record in the player's
# progress file for the level file as it is now (its name and the fingerprint of its bytes).
gagne_avant() {  # level-file level steps
  local empreinte
  empreinte=$(/usr/bin/python3 -c '
import sys
h = 14695981039346656037
for c in open(sys.argv[1], "rb").read():
    h = ((h ^ c) * 1099511628211) % (1 << 64)
print("%016x" % h)' "$1") || echec "cannot read $1"
  mkdir -p "$home/conf"
  [ -e "$home/conf/progression.txt" ] || echo "Zarvinel progression 1" >"$home/conf/progression.txt"
  printf '%s\t%s\t%s\t%s\n' "$(basename "$1")" "$empreinte" "$2" "$3" >>"$home/conf/progression.txt"
}
