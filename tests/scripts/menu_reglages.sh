#!/usr/bin/env bash
# As a player: the options screen when the options file cannot be written (a folder has its
# name): OK says why in a dialog and the game does not restart; Escape closes the dialog, then
# the screen. Then the sound volumes and a play key changed and saved without a restart; Alt+Enter
# switches full screen and back, kept in the file; the first level won with the new key; closing
# the window during a level ends the game without loading the menu's demonstration level again.
# Usage: menu_reglages.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

options="$home/conf/options.conf"
ouvrir_options() {  # n-th time
  cliquer 90 "$(menu_label_y 122)"
  attendre_ligne '^Menu : ordre 254$' "$1"
  attendre_image
}
# The options screen's layout (fixed, 640 x 480).
case_ips() { cliquer 359 100; }            # AfficheIPS at (350, 90)
bouton_ok() { cliquer 265 440; }            # OK at (240, 430), 50 wide
musique_moins() { cliquer 185 220; }        # music volume's "-" at (180, 210)
touche_droite() { cliquer 535 319; }        # the Right key's button at (470, 309), 130 wide

mkdir -p "$options"  # a folder where the file should be
demarrer

# 1. The save fails: a dialog with the reason, no restart, the screen stays.
ouvrir_options 1
case_ips
bouton_ok
attendre_ligne "^Options non sauvegardees : RaisonDossier$"
grep -q '^Options sauvegardées$' "$journal" && echec "a failed save was logged as saved"
capture dialogue
touche Escape
attendre_ligne "^Dialogue d'erreur ferme$"
grep -q '^Menu options retour$' "$journal" && echec "Escape on the dialog also left the screen"
touche Escape
attendre_ligne '^Menu options retour$' 1
attendre_ligne '^[0-9]+ langues$' 2
grep -q '^Redemarge demande$' "$journal" && echec "the game restarted after a failed save"

# 2. Volumes and a key: saved, applied, no restart.
rmdir "$options"
ouvrir_options 2
musique_moins
attendre_ligne '^Volume musique 90$'
touche_droite
touche d
attendre_ligne '^Touche ToucheDroite = 100$'
capture options
bouton_ok
attendre_ligne '^Options sauvegardées$'
attendre_ligne '^Menu options retour$' 2
attendre_ligne '^[0-9]+ langues$' 3
grep -q '^Redemarge demande$' "$journal" && echec "volumes and keys asked for a restart"
for ligne in VolumeMusique=90 VolumeEffets=100 ToucheDroite=100 AfficheIPS=0; do
  grep -qx "$ligne" "$options" || echec "the options file does not hold $ligne"
done

# 3. Alt+Enter: full screen and back, kept in the file; the menu does not take it as Enter.
touche alt+Return
attendre_ligne '^Plein ecran (1|impossible)'
grep -q '^Plein ecran impossible' "$journal" && echec "$(grep '^Plein ecran' "$journal")"
grep -qx 'Fullscreen=1' "$options" || echec "full screen not kept in the options file"
attendre_image
capture plein_ecran
touche alt+Return
attendre_ligne '^Plein ecran 0$'
grep -qx 'Fullscreen=0' "$options" || echec "the window mode not kept in the options file"
grep -q '^Demarre jeu$' "$journal" && echec "Alt+Enter started a game"

# 4. The first level won with the new key (D for right).
cliquer 90 "$(menu_label_y 220)"
attendre_ligne '^Demarre jeu$'
attendre_ligne '^musicStart$'
attendre_image
capture depart  # the start hint and the keys line under it
touche Return
attendre_ligne "^Lancement du thread d'action$"
xdotool keydown d
attendre_ligne '_gagne\.png'
xdotool keyup d
touche Return
attendre_ligne '^Niveau terminé$'
attendre_ligne '^musicStart$' 2

# 5. Closing the window during the second level: the game ends, no demonstration level loaded.
fermer_fenetre
attendre_fin
n=$(compter '^LOAD .*logom\.map$')
[ "$n" -eq 1 ] || echec "the demonstration level was loaded $n times (once at start-up expected)"
echo "ok"
