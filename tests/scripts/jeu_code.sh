#!/usr/bin/env bash
# As a player, on a two-level file of the player's own: a win by the code ("v", then F11) goes on
# to the next level but earns no time and leaves the progress file as it was: first with an
# empty player folder (no record appears), then with a record won by play (it stays, although
# the code's win came at once).
# Usage: jeu_code.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/suite.map" \
  "0:@@@@@@@@|@S....W@|@@@@@@@@" \
  "0:@@@@@@@@@@|@S......W@|@@@@@@@@@@" || echec "cannot write the fixture"
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
progression="$home/conf/progression.txt"
# Record lines only (the file played last is kept on a line of its own).
records() { grep -P '^suite\.map\t' "$progression" 2>/dev/null || true; }
# The chooser's button for its k-th level row (0 = the first), left of the catalogue.
bouton_niveau_y() { echo $((110 + 24 + 24 * $1 + 10)); }

# The current level, waiting for its Enter, won by the code.
gagner_par_code() {
  local n
  n=$(compter '_gagne\.png')
  taper v
  touche F11
  attendre_ligne '_gagne\.png' $((n + 1))
  attendre_ligne "^Victoire avec code : rien d'enregistré\$" $((n + 1))
}

# An empty player folder: the code's win writes nothing.
demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne 'suite\.map headok$'
attendre_ligne '^Niveau 1$'
gagner_par_code
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
[ "$(compter '^Temps ')" -eq 0 ] || echec "the code's win was timed"
[ -z "$(records)" ] || echec "the code's win was recorded: $(records)"

# Level 1 won by play: its record is written.
demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '^Niveau 1$'
touche Return
xdotool keydown Right
attendre_ligne '_gagne\.png'
xdotool keyup Right
attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$'
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
avant=$(records)
[ -n "$avant" ] || echec "no record after a win by play"

# Level 1 again from the chooser, won by the code at once: the record stays.
demarrer
cliquer 480 "$(ligne_catalogue_y "$rang")"
attendre_ligne '^Choix niveau 1 gagné [0-9.]+$'
cliquer 270 "$(bouton_niveau_y 0)"
attendre_ligne 'suite\.map headok$'
attendre_ligne '^Niveau 1$'
gagner_par_code
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
[ "$(compter '^Temps ')" -eq 0 ] || echec "the code's win was timed"
[ "$(records)" = "$avant" ] || echec "the record changed: $avant -> $(records)"
echo "ok"
