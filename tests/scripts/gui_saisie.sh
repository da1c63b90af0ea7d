#!/usr/bin/env bash
# Typed text reaches a text entry in a real window: the widget gallery is started, its entry
# clicked with xdotool, and characters typed (accented letters, angle brackets, a character
# Windows-1252 lacks, Tab, Backspace, more than the length limit). The gallery logs the entry's
# text after each key as Windows-1252 bytes. Then the colour chooser is opened, used and closed by
# its own button (deleted one frame later), and opened again.
# Usage: gui_saisie.sh SOURCE_DIR BINARY_DIR
#
# The X server's keyboard map cannot be changed once it runs, and its US map has no accented
# letters: the script runs its own server whose US map has é/É, ł/Ł and ç/Ç on the keys 2, 4, 9.
set -uo pipefail
src=$1
bin=$2
outil="$bin/tools/zv-gl-galerie"
[ -x "$outil" ] || { echo "ECHEC: missing $outil"; exit 1; }
if [ -z "${ZV_SAISIE_CLAVIER:-}" ]; then
  clavier=$(mktemp -d)
  trap 'rm -rf "$clavier"' EXIT
  cp -r /usr/share/X11/xkb "$clavier/xkb"
  /usr/bin/python3 - "$clavier/xkb/symbols/us" <<'PY'
import re, sys
f = sys.argv[1]
s = open(f).read()
for touche, signes in (("AE02", "eacute, Eacute"), ("AE04", "lstroke, Lstroke"),
                       ("AE09", "ccedilla, Ccedilla")):
    s = re.sub(r"key <%s> \{[^}]*\};" % touche, "key <%s> { [ %s ] };" % (touche, signes), s,
               count=1)
open(f, "w").write(s)
PY
  ZV_SAISIE_CLAVIER=1 xvfb-run -a -s "-screen 0 1280x1024x24 -xkbdir $clavier/xkb" \
    bash "$0" "$@"
  exit $?
fi

tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
echec() {
  echo "ECHEC: $*"
  for f in "$tmp"/*.out "$tmp"/*.err; do [ -e "$f" ] && { echo "--- $f"; cat -v "$f"; }; done
  exit 1
}

# Waits until the log's last "texte" line is exactly the given bytes (python escapes).
attendre_texte() {  # description bytes
  /usr/bin/python3 - "$tmp/g.out" "$2" <<'PY' || echec "$1"
import ast, sys, time
attendu = ast.literal_eval("b'" + sys.argv[2] + "'")
fin = time.time() + 20
dernier = None
while time.time() < fin:
    lignes = [l for l in open(sys.argv[1], "rb").read().split(b"\n") if l.startswith(b"texte ")]
    dernier = lignes[-1][6:] if lignes else None
    if dernier == attendu:
        sys.exit(0)
    time.sleep(0.05)
print("expected", attendu, "last seen", dernier)
sys.exit(1)
PY
}

"$outil" --donnees "$src/data" --duree 120 >"$tmp/g.out" 2>"$tmp/g.err" &
pid=$!
for _ in $(seq 200); do
  grep -q '^pret$' "$tmp/g.out" && break
  kill -0 "$pid" 2>/dev/null || echec "the gallery ended before it was ready"
  sleep 0.1
done
grep -q '^pret$' "$tmp/g.out" || echec "the gallery was not ready within 20 s"
read -r _ sx sy < <(grep '^saisie ' "$tmp/g.out")
fenetre=$(xdotool search --sync --limit 1 --name '^Zarvinel$') || echec "no window"

# Focus the entry with a quick click inside it, then type.
xdotool mousemove --window "$fenetre" $((sx + 20)) $((sy + 10)) click 1
xdotool type --delay 40 'Été <ça>'
attendre_texte "accented letters and angle brackets" '\xc9t\xe9 <\xe7a>'
xdotool type --delay 40 'Ł'
xdotool key --delay 40 Tab Escape
xdotool type --delay 40 'ç'
attendre_texte "Ł, Tab and Escape are refused" '\xc9t\xe9 <\xe7a>\xe7'
xdotool key --delay 40 BackSpace BackSpace
attendre_texte "Backspace removes the last character" '\xc9t\xe9 <\xe7a'
xdotool type --delay 40 'abcdefghij'
attendre_texte "the length limit (12) holds" '\xc9t\xe9 <\xe7aabcde'

# The colour chooser: opened by its button, a click at the rainbow's top-left corner (red hue),
# then OK: the dialog reports the colour and is deleted from its own button's callback, deferred.
read -r _ bx by < <(grep '^bouton ' "$tmp/g.out")
xdotool mousemove --window "$fenetre" $((bx + 10)) $((by + 10)) click 1
for _ in $(seq 200); do grep -q '^choix ' "$tmp/g.out" && break; sleep 0.1; done
read -r _ ax ay _ ox oy < <(grep '^choix ' "$tmp/g.out") || echec "the chooser did not open"
xdotool mousemove --window "$fenetre" "$ax" "$ay" click 1
xdotool mousemove --window "$fenetre" "$ox" "$oy" click 1
for _ in $(seq 200); do grep -q '^couleur ' "$tmp/g.out" && break; sleep 0.1; done
# The swatch is the bar's colour: the red hue at the bar's lightness (R = 1, G = B below 1).
read -r _ bouton r g b < <(grep '^couleur ' "$tmp/g.out")
[ "$bouton" = 1 ] && [ "$r" = 1.000000 ] && [ "$g" = "$b" ] && [ "$g" != 1.000000 ] ||
  echec "OK did not give a red: $bouton $r $g $b"
# Reopened after its deletion: a new chooser, and the gallery still answers.
xdotool mousemove --window "$fenetre" $((bx + 10)) $((by + 10)) click 1
for _ in $(seq 200); do [ "$(grep -c '^choix ' "$tmp/g.out")" -ge 2 ] && break; sleep 0.1; done
[ "$(grep -c '^choix ' "$tmp/g.out")" -ge 2 ] || echec "the chooser did not open again"
kill -0 "$pid" 2>/dev/null || echec "the gallery ended"
kill -TERM "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=
echo ok
