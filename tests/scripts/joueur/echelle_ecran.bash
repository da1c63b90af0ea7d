# One screen size of echelle_interface.sh, run under its own Xvfb screen of W x H pixels: a
# first start fits the window to the screen; a window as large as the screen scales the GUI by
# E; the menu, the options, a level and the editor are then driven at the scaled positions.
# Usage: echelle_ecran.bash SOURCE_DIR BINARY_DIR W H E [CAPTURES_DIR]
source "$(dirname "${BASH_SOURCE[0]}")/commun.bash" "$1" "$2"
W=$3
H=$4
E=$5
captures=${6:-}
# The layouts' size in GUI units, and a click at GUI units (x, y).
GW=$((W / E))
GH=$((H / E))
clic() { cliquer $(($1 * E)) $(($2 * E)); }

# 1. A first start (no options file): two thirds of the screen, never under 640 x 480.
lw=$((W * 2 / 3)) lh=$((H * 2 / 3))
[ "$lw" -ge 640 ] || lw=640
[ "$lh" -ge 480 ] || lh=480
[ "$lw" -le "$W" ] || lw=$W
[ "$lh" -le "$H" ] || lh=$H
le=$((lw / 640 < lh / 480 ? lw / 640 : lh / 480))
[ "$le" -ge 1 ] || le=1
"$exe" --dirhome "$home" >"$journal" 2>&1 &
pid=$!
attendre_ligne "^Fenetre adaptee au bureau : ${lw}x${lh} \\(bureau ${W}x${H}\\)$"
attendre_ligne "^Echelle de l'interface : ${le}$"
trouver_fenetre
attendre_ligne '^Premiere image du menu'
taille=$(xdotool getwindowgeometry "$fenetre" | sed -n 's/.*Geometry: //p')
[ "$taille" = "${lw}x${lh}" ] || echec "first window ${taille}, expected ${lw}x${lh}"
fermer_fenetre
attendre_fin
rm -rf "$home"

# 2. A window as large as the screen: the GUI at scale E, from the start.
demarrer
attendre_ligne "^Echelle de l'interface : ${E}$"
[ "$(compter "^Echelle de l'interface : ")" -eq 1 ] || echec "the scale was logged more than once"
capture menu
[ -n "$captures" ] && cp "$tmp/menu.png" "$captures/menu-${W}x${H}.png"
# The title picture spans GUI x 16..272, y 16..80: at scale E its pixels are E times as many.
/usr/bin/python3 - "$tmp/menu.png" "$E" <<'PY' || echec "the title is not drawn at scale $E"
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
e = int(sys.argv[2])
# Columns of the title's band that hold bright ink, in window pixels.
def encre(x0, x1, y0, y1):
    return sum(1 for x in range(x0, x1) for y in range(y0, y1, 2) if sum(im.getpixel((x, y))) > 600)
dedans = encre(16 * e, 272 * e, 16 * e, 80 * e)
assert dedans > 200 * e * e // 2, dedans
PY

# The options: the scale's button moves to the next choice, "Ret" goes back without saving.
clic 90 $((GH - 112))
attendre_ligne '^Menu : ordre 254$'
attendre_image
capture options
[ -n "$captures" ] && cp "$tmp/options.png" "$captures/options-${W}x${H}.png"
clic 220 320
attendre_ligne '^Echelle choisie : 1$'
clic 375 440
attendre_ligne '^Menu options retour$'
[ ! -e "$home/conf/options.conf" ] || echec "Ret wrote the options file"
attendre_ligne '^[0-9]+ langues$' 2
attendre_image

# A level: the first shipped file (the catalogue's first row, anchored to the right), Play, then
# the quit button at the top right, which asks first: a second click leaves.
clic $((GW - 160)) 62
attendre_image
clic 90 $((GH - 210))
attendre_ligne '^Demarre jeu$'
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^musicStart$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
capture jeu
[ -n "$captures" ] && cp "$tmp/jeu.png" "$captures/jeu-${W}x${H}.png"
clic $((GW - 25)) 10
attendre_ligne '^Quitter le niveau \? au pas [0-9]+$'
attendre_image
clic $((GW - 25)) 10
attendre_ligne '_perdu\.png'
touche Return
attendre_ligne '^Fichier terminé$'
attendre_ligne '^[0-9]+ langues$' 3
attendre_image

# The editor: "New", a click in the name field, the name typed, the panel's OK.
clic 90 $((GH - 178))
attendre_ligne '^Saisie du nom ouverte$'
clic 200 222
taper "Echelle$E"
clic 351 266
attendre_ligne "^Chargement de tout .*/Echelle$E\\.map\$"
attendre_image
capture editeur
[ -n "$captures" ] && cp "$tmp/editeur.png" "$captures/editeur-${W}x${H}.png"
# Quit (the fifth command button along the bottom): nothing changed, straight back to the menu.
sorties=$(compter '^Quitter sans modification$')
clic $((1 + 32 * 4 + 16)) $((GH - 17))
attendre_ligne '^Quitter sans modification$' $((sorties + 1))
attendre_ligne '^[0-9]+ langues$' 4

# 3. On the large screen: the player makes the window 1024 x 768. The GUI goes to scale 1, the
# menu is laid out again for the new size and answers there, and the size is kept for the next
# start.
if [ "$E" -gt 1 ]; then
  menus=$(compter '^[0-9]+ langues$')
  xdotool windowmove "$fenetre" 0 0 windowsize "$fenetre" 1024 768
  attendre_ligne '^Fenetre redimensionnee : 1024x768$'
  attendre_ligne "^Echelle de l'interface : 1$"
  attendre_ligne '^[0-9]+ langues$' $((menus + 1))
  grep -qx 'ResX=1024' "$home/conf/options.conf" && grep -qx 'ResY=768' "$home/conf/options.conf" ||
    echec "the new size is not in the options file"
  attendre_image
  capture redimensionnee
  cliquer 90 $((768 - 112))
  attendre_ligne '^Menu : ordre 254$' 2
  attendre_image
  cliquer 375 440
  attendre_ligne '^Menu options retour$' 2
fi
fermer_fenetre
attendre_fin
if [ "$E" -gt 1 ]; then
  "$exe" --dirhome "$home" >"$journal" 2>&1 &
  pid=$!
  attendre_ligne "^Echelle de l'interface : 1$"
  trouver_fenetre
  attendre_ligne '^Premiere image du menu'
  taille=$(xdotool getwindowgeometry "$fenetre" | sed -n 's/.*Geometry: //p')
  [ "$taille" = "1024x768" ] || echec "the next start opened ${taille}, not the size kept"
  fermer_fenetre
  attendre_fin
fi
echo "ok ${W}x${H} at scale $E"
