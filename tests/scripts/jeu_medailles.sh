#!/usr/bin/env bash
# As a player, from an empty player folder: Play starts the first shipped file, its start view
# shows the targets, level 1 won by holding Right earns a medal (logged and shown on the result),
# and the window is closed on level 2. Started again (the folder now holds progress), the
# catalogue selects that file and Play lands on level 2. Then, with one more shipped file of two
# levels whose targets make the same win gold on level 1 and bronze on level 2, winning its last
# level shows the file's summary, whose Enter plays the next shipped file from its first level
# not won; that file is the one the catalogue selects at the next start. A hint's win there earns
# no medal and no record.
# Usage: jeu_medailles.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

progression="$home/conf/progression.txt"
gagner() {  # the current level, waiting for its Enter, won by holding Right
  local n
  n=$(compter '_gagne\.png')
  touche Return
  xdotool keydown Right
  attendre_ligne '_gagne\.png' $((n + 1))
  xdotool keyup Right
}

# (1) An empty player folder: no file played yet, Play starts the first shipped file at level 1.
demarrer
[ "$(compter '^Catalogue : dernier fichier')" -eq 0 ] || echec "a last file with no progress"
[ "$(compter '^Médailles : ')" -eq 1 ] || echec "no medal count in the menu"
grep -qE '^Médailles : 0 or, 0 argent, 0 bronze sur [1-9][0-9]*$' "$journal" ||
  echec "medals before any win: $(grep '^Médailles : ' "$journal")"
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^Niveau 1$'
attendre_ligne '^musicStart$'
attendre_image
capture depart
gagner
attendre_ligne '^Médaille : (or|argent|bronze)$'
medaille=$(grep -E '^Médaille : ' "$journal" | tail -n 1 | awk '{ print $3 }')
attendre_image
capture medaille
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
grep -qx 'dernier	mapsoff/1-Premiers-pas.map' "$progression" ||
  echec "the file played last is not kept: $(cat "$progression")"

# (2) Started again, with progress: the file is selected and Play continues at level 2.
demarrer
attendre_ligne '^Catalogue : dernier fichier 1-Premiers-pas$'
grep -qE "^Choix niveau 1 médaille $medaille\$" "$journal" ||
  echec "the chooser does not show the $medaille medal: $(grep '^Choix niveau' "$journal")"
case $medaille in
  or) attendu='1 or, 0 argent, 0 bronze' ;;
  argent) attendu='0 or, 1 argent, 0 bronze' ;;
  *) attendu='0 or, 0 argent, 1 bronze' ;;
esac
grep -qE "^Médailles : $attendu sur [1-9][0-9]*\$" "$journal" ||
  echec "the menu's count: $(grep '^Médailles : ' "$journal")"
attendre_image
capture menu
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^Niveau 2$'
[ "$(compter '^Niveau 1$')" -eq 0 ] || echec "Play started at level 1 again"
fermer_fenetre
attendre_fin

# (3) One more shipped file, first in the catalogue: two levels won by holding Right, level 1's
# target far above that win (gold) and level 2's far below it (bronze).
donnees="$tmp/donnees"
cp -r "$src/data" "$donnees"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$donnees/mapsoff/0-court.map" \
  "0:@@@@@@@@|@S....W@|@@@@@@@@" "0:@@@@@@@@@|@S.....W@|@@@@@@@@@" ||
  echec "cannot write the fixture"
printf '# won at step 5000\n0 R\n' > "$donnees/mapsoff/solutions/0-court-1.txt"
printf '# won at step 5\n0 R\n' > "$donnees/mapsoff/solutions/0-court-2.txt"
demarrer --dirdata "$donnees"
attendre_ligne '^Catalogue : dernier fichier 1-Premiers-pas$'
choisir_fichier 0
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '0-court\.map headok$'
attendre_ligne '^Niveau 1$'
# The hint shown from the pause panel wins, but for nobody: no medal, no record.
touche Escape
attendre_ligne '^Pause au pas [0-9]+$'
attendre_ligne '^Indice disponible$'
touche h
attendre_ligne '^Démonstration gagnée au pas [0-9]+$'
attendre_ligne '^Médaille : aucune$'
attendre_ligne '^Niveau rendu$'
grep -qP '^0-court\.map\t' "$progression" && echec "the hint's win was recorded"
gagner
attendre_ligne '^Médaille : or$'
touche Return
attendre_ligne '^Niveau 2$'
gagner
attendre_ligne '^Médaille : bronze$'
touche Return
attendre_ligne '^Fichier terminé$'
attendre_ligne '^Bilan du fichier 0-court$'
attendre_ligne '^Bilan total : [0-9.]+ s$'
grep -qE '^Bilan niveau 1 : [0-9.]+ s, médaille or$' "$journal" || echec "level 1 in the summary"
grep -qE '^Bilan niveau 2 : [0-9.]+ s, médaille bronze$' "$journal" || echec "level 2 in the summary"
attendre_image
capture bilan
# Enter: the next shipped file, from its first level not won.
touche Return
attendre_ligne '^Bilan : fichier suivant$'
attendre_ligne '1-Premiers-pas\.map headok$'
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin

# (4) The next file played is the one selected at the next start.
demarrer --dirdata "$donnees"
attendre_ligne '^Catalogue : dernier fichier 1-Premiers-pas$'
choisir_fichier 0
attendre_ligne '^Choix niveau 2 médaille bronze$'
fermer_fenetre
attendre_fin
if [ -n "${CAPTURES:-}" ]; then
  for c in depart medaille menu bilan; do cp "$tmp/$c.png" "$CAPTURES/medailles-$c.png"; done
fi
echo "ok"
