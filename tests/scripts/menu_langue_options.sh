#!/usr/bin/env bash
# As a player: the language screen opens on the language in force (OK alone keeps it); Escape
# leaves it unchanged; choosing a language while the game runs with "--default" changes only
# the language in the player's options file, every other line as it was.
# Usage: menu_langue_options.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

options="$home/conf/options.conf"
ouvrir_langues() { cliquer 90 "$(menu_label_y 90)"; attendre_ligne '^Menu : ordre 255$' "$1"; attendre_image; }
bouton_ok() { cliquer $((W / 2 + 75)) $((H / 2 + 160)); }
ligne_langue() { cliquer $((W / 2)) $((H / 2 - 150 + 2 + 20 * $1 + 10)); }  # row k of lang/liste.txt

mkdir -p "$home/conf"
printf '# mine\nAfficheIPS=1\nLangue=en\n' >"$options"

# 1. English in force: the screen selects it, OK keeps it.
demarrer
ouvrir_langues 1
capture langues
bouton_ok
attendre_ligne '^Chargement langue English$' 2  # the first at start-up
grep -q '^Save Langue=fr$' "$journal" && echec "OK alone switched to the first row's language"
attendre_ligne '^[0-9]+ langues$' 2
# 2. Escape: back to the menu, nothing loaded or saved.
ouvrir_langues 2
saves=$(compter '^Save ')
touche Escape
attendre_ligne '^Langue inchangee$'
attendre_ligne '^[0-9]+ langues$' 3
[ "$(compter '^Save ')" -eq "$saves" ] || echec "Escape saved the options"
fermer_fenetre
attendre_fin

# 3. With --default (AfficheIPS off, French in force): only the language key changes.
demarrer --default
ouvrir_langues 1
ligne_langue 2  # Deutsch
bouton_ok
attendre_ligne '^Chargement langue Deutsch$'
attendre_ligne '^Options sauvegardées$'
attendu=$(printf '# mine\nAfficheIPS=1\nLangue=de')
[ "$(cat "$options")" = "$attendu" ] || echec "the options file became: $(cat "$options")"
fermer_fenetre
attendre_fin
echo "ok"
