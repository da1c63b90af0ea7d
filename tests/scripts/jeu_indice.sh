#!/usr/bin/env bash
# As a player: the first level of the first shipped file, paused; the pause panel offers the
# hint (its recorded solution wins the level as loaded), H plays it in the window to its win,
# then the level comes back at its start and the player wins it holding Right. Then, over a copy
# of the data with a file of two levels and their recorded solutions: level 1 lost twice offers
# the hint on the lost picture, which plays it to its win; level 2's solution does not win it as
# it is now (edited since), so no hint is offered there.
# Usage: jeu_indice.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

demarrer
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'headok$'
attendre_ligne '^Niveau 1$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
touche Escape
attendre_ligne '^Pause au pas [0-9]+$'
attendre_ligne '^Indice disponible$'
capture pause
touche h
attendre_ligne '^Démonstration$'
attendre_ligne '^Démonstration gagnée au pas [0-9]+$'
capture demo
attendre_ligne '^Niveau rendu$'
[ "$(compter '_gagne\.png')" -eq 0 ] || echec "the hint's win counted as the player's"
touche Return
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$'
fermer_fenetre
attendre_fin

# The data with one more shipped file and its solutions.
donnees="$tmp/donnees"
cp -r "$src/data" "$donnees"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$donnees/mapsoff/zz-indice.map" \
  "0:@@@@@@@@|@X.S..W@|@@@@@@@@" "0:@@@@@@@@|@..S.XW@|@@@@@@@@" || echec "cannot write the fixture"
printf '# won at step 30\n0 R\n' > "$donnees/mapsoff/solutions/zz-indice-1.txt"
printf '# won at step 30\n0 R\n' > "$donnees/mapsoff/solutions/zz-indice-2.txt"
demarrer --dirdata "$donnees"
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'zz-indice\.map headok$'
attendre_ligne '^Niveau 1$'
touche Return
for essai in 1 2; do
  xdotool keydown Left
  attendre_ligne '_perdu\.png' "$essai"
  xdotool keyup Left
  [ "$essai" = 2 ] || { touche Return; attendre_ligne '^Niveau recommencé$'; }
done
attendre_ligne '^Indice proposé$'
attendre_image
capture perdu
touche h
attendre_ligne '^Démonstration gagnée au pas [0-9]+$'
attendre_ligne '^Niveau rendu$'
# The player wins it, then level 2 (whose solution runs into the deadly cell) loses twice.
touche Return
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
touche Return
attendre_ligne '^Niveau 2$'
touche Return
for essai in 1 2; do
  xdotool keydown Right
  attendre_ligne '_perdu\.png' $((essai + 2))
  xdotool keyup Right
  [ "$essai" = 2 ] || { touche Return; attendre_ligne '^Niveau recommencé$' 2; }
done
attendre_ligne '^Indice refusé : la solution ne gagne pas ce niveau$'
[ "$(compter '^Indice proposé$')" -eq 1 ] || echec "a hint offered for a level its solution loses"
fermer_fenetre
attendre_fin
if [ -n "${CAPTURES:-}" ]; then
  cp "$tmp/pause.png" "$CAPTURES/pause-indice.png"
  cp "$tmp/demo.png" "$tmp/perdu.png" "$CAPTURES/"
fi
echo "ok"
