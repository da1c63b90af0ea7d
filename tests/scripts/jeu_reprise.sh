#!/usr/bin/env bash
# As a player, on a three-level file of the player's own: level 1 is won; on level 2 the only
# bomb is spent where it clears nothing, R restarts the level (its bomb back) and the bomb then
# opens the way to the goal; on level 3 Escape pauses (no physics step for a second), Escape
# resumes, the ball rolls into the deadly cell, Enter plays the same level again (the file is not
# restarted), and after a second loss Escape returns to the menu.
# Usage: jeu_reprise.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr"
long=$(printf '.%.0s' $(seq 1 30))
mur=$(printf '@%.0s' $(seq 1 30))
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/reprise.map" \
  "0:@@@@@@@@|@S....W@|@@@@@@@@" \
  "1:@@@@@@@|@..S#W@|@@@@@@@" \
  "0:@@@$mur@@@@|@S.$long.X.@|@@@$mur@@@@" || echec "cannot write the fixture"

# Space held until the bomb label shows the bomb spent (a tap shorter than a frame could be missed).
bombe() {
  local n
  n=$(compter '^Bombes 0$')
  xdotool keydown space
  attendre_ligne '^Bombes 0$' $((n + 1))
  xdotool keyup space
}

demarrer
# The player's file comes after the shipped ones in the catalogue.
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'reprise\.map headok$'

# Level 1: won by holding Right.
attendre_ligne '^Niveau 1$'
touche Return
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$'
touche Return

# Level 2: the bomb spent at the left wall clears nothing; stuck at the brick; R restarts.
attendre_ligne '^Niveau 2$'
touche Return
attendre_ligne '^Bombes 1$'
xdotool keydown Left
sleep 0.5
bombe
xdotool keyup Left
xdotool keydown Right
sleep 0.5
xdotool keyup Right
touche r
attendre_ligne '^Niveau recommencé$'
grep -E '^Recommencé en [0-9]+ ms$' "$journal" | tail -n 1 | awk '{ if ($3 >= 100) exit 1 }' ||
  echec "the restart took $(grep -E '^Recommencé en' "$journal" | tail -n 1)"
attendre_ligne '^Bombes 1$' 2
# From the start the bomb clears the brick beside the ball.
bombe
xdotool keydown Right
attendre_ligne '_gagne\.png' 2
xdotool keyup Right
touche Return

# Level 3: pause while rolling toward the deadly cell.
attendre_ligne '^Niveau 3$'
touche Return
attendre_ligne "^Lancement du thread d'action$" 3
xdotool keydown Right
sleep 0.3
touche Escape
attendre_ligne '^Pause au pas [0-9]+$'
attendre_image
capture pause
touche Escape
attendre_ligne '^Reprise au pas [0-9]+$'
# The key goes down again after the panel (the X server may have dropped the held one).
xdotool keyup Right keydown Right
pause=$(grep -E '^Pause au pas' "$journal" | tail -n 1 | awk '{ print $4 }')
reprise=$(grep -E '^Reprise au pas' "$journal" | tail -n 1 | awk '{ print $4 }')
[ "$pause" -gt 0 ] || echec "no step ran before the pause"
[ "$pause" = "$reprise" ] || echec "steps ran during the pause: $pause then $reprise"
attendre_ligne '_perdu\.png'
xdotool keyup Right
# Enter: the same level again, the file not restarted.
touche Return
attendre_ligne '^Niveau recommencé$' 2
xdotool keydown Right
attendre_ligne '_perdu\.png' 2
xdotool keyup Right
# Lost twice, but a level of the player's own has no recorded solution: no hint.
attendre_ligne "^Pas d'indice pour ce niveau$"
[ "$(compter '^Indice proposé$')" -eq 0 ] || echec "a hint offered without a solution"
[ "$(compter '^Niveau 1$')" -eq 1 ] || echec "the file started again"
[ "$(compter '^Niveau 3$')" -eq 1 ] || echec "level 3 was loaded again"
[ "$(compter 'headok$')" -eq 1 ] || echec "the file was opened again"
# Escape after a loss: back to the menu.
touche Escape
attendre_ligne '^Fichier terminé$'
attendre_ligne '^[0-9]+ langues$' 2
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/pause.png" "$CAPTURES/"
echo "ok"
