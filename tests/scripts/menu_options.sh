#!/usr/bin/env bash
# As a player: the options screen from the main menu. "Ret" and closing the window write
# nothing; ticking a box and "OK" writes it to the options file, and the game restarts and
# shows its menu with that option read.
# Usage: menu_options.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

options="$home/conf/options.conf"
empreinte() { [ -e "$options" ] && sha1sum "$options" | cut -d' ' -f1; stat -c %Y.%i "$options" 2>/dev/null; }
ouvrir_options() {  # n-th time
  cliquer 90 "$(menu_label_y 122)"
  attendre_ligne '^Menu : ordre 254$' "$1"
  attendre_image
}
# The options screen's layout (fixed, 640 x 480): boxes at x 350, 19 pixels wide.
case_ips() { cliquer 359 100; }            # AfficheIPS at (350, 90)
bouton_ok() { cliquer 265 440; }            # OK at (240, 430), 50 wide
bouton_ret() { cliquer 375 440; }           # Ret at (350, 430)

demarrer
avant=$(empreinte)

# 1. Ret after ticking a box: nothing written.
ouvrir_options 1
case_ips
bouton_ret
attendre_ligne '^Menu options retour$' 1
attendre_ligne '^[0-9]+ langues$' 2
[ "$(empreinte)" = "$avant" ] || echec "Ret wrote the options file"

# 2. OK after ticking a box: written, then the restart.
ouvrir_options 2
capture options
case_ips
bouton_ok
attendre_ligne '^Options sauvegardées$'
grep -qx 'AfficheIPS=1' "$options" || echec "the options file does not hold AfficheIPS=1"
attendre_ligne '^Redemarge demande$'
attendre_ligne '^resultat = 0$'
attendre_fin relance
# The new process writes to the same log (it inherits it); it reads the file and shows its menu.
attendre_ligne '^AfficheIPS : 1$'
attendre_ligne '^[0-9]+ langues$' 3
trouver_fenetre
avant=$(empreinte)

# 3. Closing the window on the options screen: nothing written, the game ends.
ouvrir_options 3
case_ips
fermer_fenetre
attendre_ligne '^Fin OK$' 2
for ((i = 0; i < attente * 20; i++)); do
  xdotool getwindowname "$fenetre" >/dev/null 2>&1 || break
  sleep 0.05
done
[ "$(empreinte)" = "$avant" ] || echec "closing the window wrote the options file"
fenetre=
echo "ok"
