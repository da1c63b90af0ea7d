#!/usr/bin/env bash
# As a player: from the main menu, play the first shipped file; win its first level by holding
# the right arrow; the second level loads; the quit button, clicked twice, loses it and Enter returns to the
# menu; closing the window ends the game cleanly. The menu's screenshot shows the catalogue.
# Usage: menu_jeu.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

# --help and --version answer without a window (no display needed).
DISPLAY= "$exe" --help >"$tmp/aide.out" 2>&1 || echec "--help: exit code $?"
[ "$(grep -c '^  --' "$tmp/aide.out")" -ge 5 ] || echec "--help: not one line per option"
grep -q -- '--dirhome' "$tmp/aide.out" || echec "--help does not name --dirhome"
DISPLAY= "$exe" --version >"$tmp/version.out" 2>&1 || echec "--version: exit code $?"
grep -qE '^zarvinel [0-9]' "$tmp/version.out" || echec "--version prints: $(cat "$tmp/version.out")"

demarrer
# The menu is not blank and its catalogue shows rows of warm yellow text (the shipped files)
# inside the list frame on the right (x 392..572, y 52..432). The first frames may still be on
# their way: the picture is taken again until it shows them, for a while.
verifier_menu() {
  /usr/bin/python3 - "$tmp/menu.png" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
assert im.size == (640, 480), im.size
couleurs = len(set(im.getdata()))
assert couleurs > 200, f"only {couleurs} colours: blank?"
# Rows with yellow ink (ffdd77 text: strong red and green, less blue) in the list area.
lignes = set()
for y in range(52, 432):
    for x in range(392, 572):
        r, g, b = im.getpixel((x, y))
        if r > 200 and g > 170 and b < 150 and r - b > 80:
            lignes.add((y - 52) // 20)
            break
assert len(lignes) >= 6, f"yellow text on rows {sorted(lignes)}"
PY
}
for ((essai = 0; ; essai++)); do
  capture menu
  verifier_menu 2>"$tmp/verification.err" && break
  [ "$essai" -lt 50 ] || echec "the menu's screenshot: $(tail -n 1 "$tmp/verification.err")"
  sleep 0.2
done

# Play: the first shipped file is selected.
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '^Demarre jeu$'
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^musicStart$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
capture gagne
touche Return
attendre_ligne '^Niveau terminé$'
# The second level of the file.
attendre_ligne '^musicStart$' 2
attendre_ligne '^Map 18 x 10'
# The quit button (top right) asks, a second click loses it; Enter returns to the menu.
cliquer $((W - 25)) 10
attendre_ligne '^Quitter le niveau \? au pas [0-9]+$'
cliquer $((W - 25)) 10
attendre_ligne '_perdu\.png'
touche Return
attendre_ligne '^Fichier terminé$'
attendre_ligne '^[0-9]+ langues$' 2
fermer_fenetre
attendre_fin
grep -q '^Menu : ordre 0$' "$journal" || echec "closing the window is not the menu's result 0"
echo "ok"
