# Shared by the player scripts (tests/scripts/menu_*.sh): the real game started on a fresh user
# directory under the current display, driven with xdotool as a player would (the mouse at the
# positions the screen layouts give, typed text, held keys), watched through its log.
# Usage in a script: source this file with SOURCE_DIR BINARY_DIR as $1 $2.
set -uo pipefail
src=$1
bin=$2
exe="$bin/src/zarvinel"
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
commun_dossier=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# A name of its own: a sweep of /tmp/tmp.* by anything else on the machine cannot take the log away.
tmp=$(mktemp -d -t zarvinel-jeu.XXXXXX)
home="$tmp/home"
journal="$tmp/jeu.out"
pid=
fenetre=
# Log lines can take long under the sanitizers and on a loaded machine. A wait's limit is counted
# in the game's own CPU time (its threads included), not on the wall clock: a game starved of
# the processor by other work gets the same amount of work done before a wait gives up. A wall
# clock cap stops a wait on a game that has stopped working (waiting for an event that never
# comes), and a game that ended with its log quiet fails the wait at once.
attente=${ZARVINEL_ATTENTE:-60}
attente_max=${ZARVINEL_ATTENTE_MAX:-$((attente * 3))}
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
compter() {
  local n
  n=$(grep -cE -- "$1" "$journal" 2>/dev/null)
  echo "${n:-0}"
}

# The game's CPU time so far, in hundredths of a second; empty when no game of ours runs.
temps_jeu() {
  [ -n "$pid" ] || return 0
  local stat
  stat=$(cat "/proc/$pid/stat" 2>/dev/null) || return 0
  # Fields after the command name (in parentheses): state is 3, utime 14, stime 15.
  set -- ${stat##*) }
  [ "$1" = Z ] && return 0
  echo $((${12} + ${13}))
}

# Calls the command (with its arguments) until it succeeds, within the limits above; on the way
# out it tells what it waited for ($1 is the description, then the command).
attendre_que() {  # description command...
  local quoi=$1
  shift
  local debut=$SECONDS cpu0 cpu taille calme=$SECONDS derniere=-1 ticks
  ticks=$(getconf CLK_TCK 2>/dev/null || echo 100)
  cpu0=$(temps_jeu)
  while :; do
    "$@" && return 0
    [ -n "$pid" ] && [ ! -e "$journal" ] && echec "$quoi: the game's log $journal was removed"
    cpu=$(temps_jeu)
    if [ -n "$cpu" ] && [ -n "$cpu0" ]; then
      [ $((cpu - cpu0)) -lt $((attente * ticks)) ] ||
        echec "$quoi: not there after the game ran ${attente} s of processor time"
    elif [ $((SECONDS - debut)) -ge "$attente" ]; then
      # No game to follow (it ended or was restarted as another process): the wall clock.
      echec "$quoi: not there within ${attente} s"
    fi
    if [ -n "$pid" ] && [ -z "$cpu" ]; then
      # Ours has ended: the log may still grow (a restarted game writes on), else give up soon.
      taille=$(stat -c %s "$journal" 2>/dev/null || echo 0)
      [ "$taille" != "$derniere" ] && { derniere=$taille; calme=$SECONDS; }
      [ $((SECONDS - calme)) -lt 5 ] || { "$@" && return 0; echec "$quoi: the game ended first"; }
    fi
    [ $((SECONDS - debut)) -lt "$attente_max" ] ||
      echec "$quoi: not there within ${attente_max} s (the game is not working towards it)"
    sleep 0.05
  done
}

# Whether the log holds at least N lines matching the expression.
ligne_presente() { [ "$(compter "$1")" -ge "${2:-1}" ]; }

# Waits until the log holds at least N lines matching the expression (default 1).
attendre_ligne() {  # regex [N]
  attendre_que "log line /$1/ (wanted ${2:-1})" ligne_presente "$1" "${2:-1}"
}

# Starts the game (extra arguments follow --dirhome) and waits for its main menu. The window is
# W x H, the size the layouts below are worked out for (a first start would otherwise fit it to
# the display); a restarted game takes the size its options file holds.
demarrer() {
  "$exe" --dirhome "$home" --window "${W}x${H}" "$@" >"$journal" 2>&1 &
  pid=$!
  attendre_ligne '^[0-9]+ langues$'
  trouver_fenetre
  attendre_ligne '^Premiere image du menu'
}

# The game's window (the only one named Zarvinel on this display).
fenetre_visible() {
  fenetre=$(xdotool search --onlyvisible --name '^Zarvinel$' 2>/dev/null | head -n 1)
  [ -n "$fenetre" ]
}
trouver_fenetre() { attendre_que "the game's window" fenetre_visible; }

# Returns once the game has drawn two frames since the call: the first may have read its events
# before those sent just now, the second read them and shows what they did. The frames are
# counted as the X server receives them (tests/scripts/joueur/images.py), so a frame that looks
# like the one before counts too. Instead of a fixed pause: a loaded machine draws slower, an idle
# one does not wait for nothing.
deux_images() { /usr/bin/python3 "$commun_dossier/images.py" "$fenetre" 2 1 >/dev/null 2>&1; }
attendre_image() { attendre_que "two frames drawn" deux_images; }

# Selects the catalogue's row k and waits for the frame that shows the menu following it (the
# Edit choice appears only for a player's file, and a click on it before that frame is lost).
choisir_fichier() {  # row
  cliquer 480 "$(ligne_catalogue_y "$1")"
  attendre_image
}

# A click at (x, y) of the window: the pointer moves there first, as a hand would.
# The press waits for a frame drawn with the pointer there: read in the same batch of events
# as the move, under load, it could be taken for a press elsewhere.
cliquer() {  # x y
  xdotool mousemove --window "$fenetre" "$1" "$2" || echec "cannot move the mouse"
  attendre_image
  xdotool click 1
}

# A click with Ctrl held (the game reads the key's state, not the click's): the key is down for
# a frame before the press and up only after a frame has read the release.
cliquer_ctrl() {  # x y
  xdotool mousemove --window "$fenetre" "$1" "$2" || echec "cannot move the mouse"
  xdotool keydown ctrl
  attendre_image
  xdotool click 1
  attendre_image
  xdotool keyup ctrl
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
jeu_termine() { ! kill -0 "$pid" 2>/dev/null; }
attendre_fin() {  # [relance]
  attendre_que "the game's end" jeu_termine
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
  editeur_repond() {
    [ "$(compter '^new confirm$')" -gt "$confirmations" ] ||
      [ "$(compter '^Quitter sans modification$')" -gt "$sorties" ]
  }
  attendre_que "the editor's answer to quit" editeur_repond
  if [ "$(compter '^new confirm$')" -gt "$confirmations" ]; then
    cliquer "$(bouton_dialogue_x 1)" "$(bouton_dialogue_y)"
  fi
  attendre_ligne '^[0-9]+ langues$' $((menus + 1))
}

# "New" in the menu, the file name typed and confirmed: returns once the editor has loaded the
# new file.
nouveau_niveau() {  # name
  local ouvertes
  ouvertes=$(compter '^Saisie du nom ouverte$')
  cliquer 90 "$(menu_label_y 188)"
  attendre_ligne '^Saisie du nom ouverte$' $((ouvertes + 1))
  taper "$1"
  touche Return
  attendre_ligne "^Chargement de tout .*/$1\\.map\$"
}
# A new level (15 x 15) opens whole between the bars: the tools' two rows above (66 pixels at
# 640 wide), the spinner and commands below (54), 8 pixels spare, so a cell is 344 / 15 = 22.93
# pixels and the level's centre (7.5, 7.5) sits at (320, 246). The centre of column / row k:
# (In ten-thousandths of a pixel, rounded to the nearest: no process started for each cell.)
case_x() { echo $(((3200000 + ($1 - 7) * 229333 + 5000) / 10000)); }
case_y() { echo $(((2460000 + ($1 - 7) * 229333 + 5000) / 10000)); }

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
