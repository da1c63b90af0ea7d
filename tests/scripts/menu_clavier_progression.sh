#!/usr/bin/env bash
# As a player, once from an empty player folder and once from one where the first shipped file
# has a won level (its level chooser then shows beside the menu): the Down arrow walks the
# catalogue row by row, the chooser coming and going, and Enter plays the file reached; "New"
# with that file selected opens the name field, which takes the typed name, and Enter creates it.
# Widgets that come and go elsewhere never take the keys away.
# Usage: menu_clavier_progression.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

premier="$src/data/mapsoff/1-Premiers-pas.map"
for dossier in vide progression; do
  rm -rf "$home"
  [ "$dossier" = progression ] && gagne_avant "$premier" 1 1234
  demarrer
  cliquer 480 "$(ligne_catalogue_y 0)"
  if [ "$dossier" = progression ]; then
    attendre_ligne '^Choix niveau 1 gagné 12\.34$'
  fi
  # Row 0 is 1-Premiers-pas; three steps down is 4-Bombes.
  touche Down Down Down
  sleep 0.3
  touche Return
  attendre_ligne ' joue$'
  grep -q '4-Bombes\.map joue$' "$journal" ||
    echec "($dossier) Enter played $(grep ' joue$' "$journal")"
  fermer_fenetre
  attendre_fin

  demarrer
  cliquer 480 "$(ligne_catalogue_y 0)"
  cliquer 90 "$(menu_label_y 188)"
  attendre_ligne '^Saisie du nom ouverte$'
  taper "clavier"
  touche Return
  attendre_ligne '^Nouveau niveau clavier$'
  attendre_ligne '^Chargement de tout .*/clavier\.map$'
  quitter_editeur
  fermer_fenetre
  attendre_fin
done
echo "ok"
