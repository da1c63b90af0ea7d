#!/usr/bin/env bash
# As a player: the language screen from the main menu; choosing English and confirming stores
# its code in the options file and the menu comes back with English labels.
# Usage: menu_langue.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

# The white ink of the menu's Play, New and Quit labels (the language label cycles by itself):
# one mask of near-white pixels per label, compared between two pictures.
masques() {  # picture -> prints the masks as text
  /usr/bin/python3 - "$1" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
for haut in (220, 188, 58):  # Play, NewMap, Quit: label tops above the bottom edge
    y0 = 480 - haut
    bits = []
    for y in range(y0 + 2, y0 + 18):
        for x in range(68, 166):
            r, g, b = im.getpixel((x, y))
            bits.append("1" if min(r, g, b) > 225 else "0")
    print("".join(bits))
PY
}
difference() {  # masks-file masks-file -> number of differing pixels
  /usr/bin/python3 -c '
import sys
a = open(sys.argv[1]).read().split()
b = open(sys.argv[2]).read().split()
print(sum(x != y for u, v in zip(a, b) for x, y in zip(u, v)))' "$1" "$2"
}

demarrer  # French by default
attendre_ligne '^Premiere image du menu'
capture avant1
sleep 0.5
capture avant2
masques "$tmp/avant1.png" >"$tmp/avant1.txt" || echec "cannot read the screenshot"
masques "$tmp/avant2.png" >"$tmp/avant2.txt" || echec "cannot read the screenshot"
[ "$(grep -o 1 "$tmp/avant1.txt" | wc -l)" -gt 100 ] || echec "no white label text in the menu"

cliquer 90 "$(menu_label_y 90)"
attendre_ligne '^Menu : ordre 255$'
# The list (W/2 - 100, H/2 - 150), rows of 20 pixels: row 1 is English (lang/liste.txt).
cliquer $((W / 2)) $((H / 2 - 150 + 2 + 20 + 10))
cliquer $((W / 2 + 75)) $((H / 2 + 160))
attendre_ligne '^Chargement langue English$'
attendre_ligne '^Options sauvegardées$'
grep -qx 'Langue=en' "$home/conf/options.conf" || echec "the options file does not hold Langue=en"
attendre_ligne '^[0-9]+ langues$' 2
# The menu comes back: pictures until its labels differ from the French ones (or time is up).
fixe=$(difference "$tmp/avant1.txt" "$tmp/avant2.txt")
for ((i = 0; i < attente * 4; i++)); do
  capture apres
  masques "$tmp/apres.png" >"$tmp/apres.txt" || echec "cannot read the screenshot"
  change=$(difference "$tmp/avant1.txt" "$tmp/apres.txt")
  [ "$change" -gt $((fixe * 3 + 60)) ] && break
  sleep 0.25
done
echo "label ink: $fixe pixels differ between two French pictures, $change after the change"
[ "$change" -gt $((fixe * 3 + 60)) ] || echec "the menu's labels did not change"

fermer_fenetre
attendre_fin
echo "ok"
