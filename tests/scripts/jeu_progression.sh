#!/usr/bin/env bash
# As a player, on a two-level file of the player's own: level 1 is won and the window closed
# during level 2; started again, the menu's level chooser shows level 1 won with its time and
# offers level 2, which starts the file there; once level 2 is won too the file is finished (its
# summary shows) and the chooser shows both times.
# Usage: jeu_progression.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/suite.map" \
  "0:@@@@@@@@|@S....W@|@@@@@@@@" \
  "0:@@@@@@@@@@|@S......W@|@@@@@@@@@@" || echec "cannot write the fixture"
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
# The chooser's button for its k-th level row (0 = the first), left of the catalogue.
bouton_niveau_y() { echo $((110 + 24 + 24 * $1 + 10)); }

gagner() {  # the current level, waiting for its Enter, won by holding Right
  local n
  n=$(compter '_gagne\.png')
  touche Return
  xdotool keydown Right
  attendre_ligne '_gagne\.png' $((n + 1))
  xdotool keyup Right
}

demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
[ "$(compter '^Choix niveau')" -eq 0 ] || echec "a chooser for a file never won"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'suite\.map headok$'
attendre_ligne '^Niveau 1$'
gagner
attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$'
temps=$(grep -E '^Temps ' "$journal" | tail -n 1 | awk '{ print $2 }')
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
grep -q 'suite.map	[0-9a-f]\{16\}	1	' "$home/conf/progression.txt" ||
  echec "no record in the progress file: $(cat "$home/conf/progression.txt")"

# Started again: the chooser remembers.
demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
attendre_ligne "^Choix niveau 1 gagné $temps\$"
attendre_ligne '^Choix niveau 2$'
cliquer 270 "$(bouton_niveau_y 1)"
attendre_ligne 'suite\.map headok$'
attendre_ligne '^Niveau 2$'
[ "$(compter '^Niveau 1$')" -eq 0 ] || echec "the file started at level 1"
gagner
touche Return
attendre_ligne '^Fichier terminé$'
# Its last level won: the file's summary, and Enter (no shipped file follows one of the player's)
# goes back to the menu.
attendre_ligne '^Bilan du fichier suite$'
attendre_ligne '^Bilan total : [0-9.]+ s$'
touche Return
attendre_ligne '^Bilan : menu$'
attendre_ligne '^[0-9]+ langues$' 2
cliquer 480 "$(ligne_catalogue_y "$rang")"
attendre_ligne '^Choix niveau 2 gagné [0-9.]+$'
attendre_image
capture choix
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/choix.png" "$CAPTURES/"
echo "ok"
