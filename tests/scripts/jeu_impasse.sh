#!/usr/bin/env bash
# As a player, from an empty player folder: on the first shipped level, Tab held shows the whole
# level (the physics waits, the picture changes) and released gives the play camera back; the
# level as it starts is never said lost; two restarts offer the hint; the level is won. On the
# second level the quit button asks first: Escape stays, Enter leaves. Then, the game started
# again over that progress, a level where the ball falls into a pit: the screen says within a
# few seconds that the level can no longer be won, and two such attempts offer the hint.
# Usage: jeu_impasse.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^Niveau 1$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
# The level as it starts can be won: the search says so, and never the contrary.
attendre_ligne '^Victoire encore possible au pas [0-9]+$'

# The peek: held, the whole level and no step; released, the play camera and the steps again.
attendre_image
capture jeu
xdotool keydown Tab
attendre_ligne '^Aperçu du niveau au pas [0-9]+$'
attendre_image
attendre_image
capture apercu
debut=$(grep -E '^Aperçu du niveau au pas' "$journal" | tail -n 1 | awk '{ print $6 }')
xdotool keyup Tab
attendre_ligne "^Fin de l'aperçu au pas [0-9]+$"
fin=$(grep -E "^Fin de l'aperçu au pas" "$journal" | tail -n 1 | awk '{ print $6 }')
[ $((fin - debut)) -le 1 ] || echec "the physics ran during the peek: steps $debut to $fin"
/usr/bin/python3 - "$tmp/jeu.png" "$tmp/apercu.png" <<'PY' || echec "the peek did not change the picture"
import sys
from PIL import Image, ImageChops
a = Image.open(sys.argv[1]).convert("L")
b = Image.open(sys.argv[2]).convert("L")
# The board only (the labels at the top and bottom left out).
boite = (0, 30, a.size[0], a.size[1] - 60)
diff = ImageChops.difference(a.crop(boite), b.crop(boite))
changes = sum(1 for v in diff.getdata() if v > 40)
assert changes > 2000, f"{changes} pixels changed"
PY

# Two restarts count as two failed attempts: the hint is offered over the play.
touche r
attendre_ligne '^Niveau recommencé$'
[ "$(compter '^Indice proposé$')" -eq 0 ] || echec "the hint offered after one restart"
touche r
attendre_ligne '^Niveau recommencé$' 2
attendre_ligne '^Indice proposé$'
capture indice
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$'
touche Return

# Level 2: the quit button asks; Escape stays in the level, Enter leaves it.
attendre_ligne '^Niveau 2$'
touche Return
attendre_ligne "^Lancement du thread d'action$" 4
cliquer $((W - 25)) 10
attendre_ligne '^Quitter le niveau \? au pas [0-9]+$'
capture quitter
touche Escape
attendre_ligne '^Quitter annulé$'
[ "$(compter '_perdu\.png')" -eq 0 ] || echec "Escape gave the level up"
[ "$(compter '^Pause au pas')" -eq 0 ] || echec "the Escape that answered the question also paused"
cliquer $((W - 25)) 10
attendre_ligne '^Quitter le niveau \? au pas [0-9]+$' 2
touche Return
attendre_ligne '^Niveau abandonné$'
attendre_ligne '_perdu\.png'
touche Return
attendre_ligne '^Fichier terminé$'
[ "$(compter '^Impasse prouvée')" -eq 0 ] || echec "a winnable level was said lost"
fermer_fenetre
attendre_fin


# Over that progress, with one more shipped file (and its recorded solution): its ball one roll
# from a pit. Stranded there, the screen says within a few seconds that the level can no longer
# be won; the restart that follows counts with it as one failed attempt, and a second attempt
# proven lost offers the hint.
donnees="$tmp/donnees"
cp -r "$src/data" "$donnees"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$donnees/mapsoff/zz-fosse.map" \
  "0:@@@@@@@@@@|@W..S....@|@@@@@@.@@@|@@@@@@.@@@|@@@@@@@@@@" || echec "cannot write the fixture"
printf '# won at step 40\n0 L\n' >"$donnees/mapsoff/solutions/zz-fosse-1.txt"
demarrer --dirdata "$donnees"
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'zz-fosse\.map headok$'
attendre_ligne '^Niveau 1$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
attendre_ligne '^Victoire encore possible au pas [0-9]+$'
[ "$(compter '^Impasse prouvée')" -eq 0 ] || echec "the level said lost at its start"
for essai in 1 2; do
  xdotool keydown Right
  debut=$SECONDS
  attendre_ligne '^Impasse prouvée au pas [0-9]+$' "$essai"
  xdotool keyup Right
  [ $((SECONDS - debut)) -le 5 ] || echec "told only after $((SECONDS - debut)) s"
  if [ "$essai" = 1 ]; then
    attendre_image
    capture impasse
    [ "$(compter '^Indice proposé$')" -eq 0 ] || echec "the hint offered after one attempt"
    # The restart key takes the ball back; the level can be won again.
    touche r
    attendre_ligne '^Niveau recommencé$'
    attendre_ligne '^Victoire encore possible au pas [0-9]+$' 2
    [ "$(compter '^Indice proposé$')" -eq 0 ] || echec "one attempt counted twice"
  fi
done
attendre_ligne '^Indice proposé$'
fermer_fenetre
attendre_fin
if [ -n "${CAPTURES:-}" ]; then
  cp "$tmp/apercu.png" "$tmp/quitter.png" "$tmp/impasse.png" "$tmp/indice.png" "$CAPTURES/"
fi
echo "ok"
