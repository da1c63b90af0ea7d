#!/usr/bin/env bash
# As a player, once from an empty player folder and once from one with progress whose options
# file gives Space to both the bomb and restart: the clash is mended at start-up and logged. On
# the options screen a key another action holds is swapped with it, Enter is refused, Escape
# gives a capture up (the screen stays open), and the hint has a key of its own; OK saves one
# key per action.
# Usage: menu_touches.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

options="$home/conf/options.conf"
# The key buttons at (470, 290 + 19 i), 130 x 20: 0 left ... 3 restart, 4 pause, 5 hint.
bouton_touche() { cliquer 535 $((300 + 19 * $1)); }

for dossier in vide progression; do
  rm -rf "$home"
  if [ "$dossier" = progression ]; then
    gagne_avant "$src/data/mapsoff/1-Premiers-pas.map" 1 1234
    printf 'ToucheBombe=32\nToucheRecommencer=32\n' >"$options"
  fi
  demarrer
  if [ "$dossier" = progression ]; then
    grep -qx 'Options : ToucheRecommencer = 32 déjà prise par ToucheBombe, remise à 114' \
      "$journal" || echec "the clash in the options file was not mended"
  fi
  cliquer 90 "$(menu_label_y 122)"
  attendre_ligne '^Menu : ordre 254$'
  sleep 0.3
  # Space to restart: the bomb takes R.
  bouton_touche 3
  touche space
  attendre_ligne '^Touche ToucheRecommencer = 32$'
  grep -qx 'Touche ToucheBombe = 114 (échangée avec ToucheRecommencer)' "$journal" ||
    echec "the bomb kept Space"
  # Enter to pause: refused.
  bouton_touche 4
  touche Return
  attendre_ligne '^Touche TouchePause refusée : 13$'
  # Escape gives the capture up, and only the capture.
  bouton_touche 5
  touche Escape
  attendre_ligne '^Touche ToucheIndice : saisie annulée$'
  capture touches
  bouton_touche 5
  touche j
  attendre_ligne '^Touche ToucheIndice = 106$'
  grep -q '^Menu options retour$' "$journal" && echec "Escape left the options screen"
  cliquer 265 440
  attendre_ligne '^Options sauvegardées$'
  attendre_ligne '^Menu options retour$'
  for ligne in ToucheBombe=114 ToucheRecommencer=32 TouchePause=27 ToucheIndice=106; do
    grep -qx "$ligne" "$options" || echec "($dossier) the options file does not hold $ligne"
  done
  fermer_fenetre
  attendre_fin
done
[ -n "${CAPTURES:-}" ] && cp "$tmp/touches.png" "$CAPTURES/"
echo "ok"
