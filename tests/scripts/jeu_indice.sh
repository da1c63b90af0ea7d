#!/usr/bin/env bash
# As a player: the first level of the first shipped file, paused; the pause panel offers the
# hint (its recorded solution wins the level as loaded), H plays it in the window to its win,
# then the level comes back at its start and the player wins it holding Right.
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
[ -n "${CAPTURES:-}" ] && cp "$tmp/pause.png" "$CAPTURES/pause-indice.png" && cp "$tmp/demo.png" "$CAPTURES/"
echo "ok"
