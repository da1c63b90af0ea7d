#!/usr/bin/env bash
# A hostile hint file (its last line a billion steps away) in a copy of the data: the pause panel
# opens at once, the hint is refused within moments and the play screen keeps answering; the
# check never replays past the level's step limit, nor on the frame's thread.
# Usage: jeu_indice_hostile.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

donnees="$tmp/donnees"
cp -r "$src/data" "$donnees"
for f in "$donnees"/mapsoff/solutions/*-1.txt; do printf '0 -\n999999999 -\n' > "$f"; done
demarrer --dirdata "$donnees"
# Replaying the whole file would take over a minute: far more than these waits allow.
attente=20
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'headok$'
attendre_ligne '^Niveau 1$'
touche Return
attendre_ligne "^Lancement du thread d'action$"
touche Escape
attendre_ligne '^Pause au pas [0-9]+$'
attendre_ligne '^Indice refusé : la solution ne gagne pas ce niveau$'
# The screen answers: the panel closes and opens again; H there plays nothing.
touche Escape
attendre_ligne '^Reprise au pas [0-9]+$'
touche Escape
attendre_ligne '^Pause au pas [0-9]+$' 2
touche h
touche Escape
attendre_ligne '^Reprise au pas [0-9]+$' 2
[ "$(compter '^Démonstration')" -eq 0 ] || echec "a refused hint was played"
fermer_fenetre
attendre_fin
echo "ok"
