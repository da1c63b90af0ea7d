#!/usr/bin/env bash
# As a player whose folder holds what the game must not trust: the progress file is a link to
# another progress file, another program holds the progress lock, and later the progress file is
# garbage and the lock file a link. Wins never freeze the game (the result and the next level
# come at once while the lock is held), the record waits in memory and is written once the lock
# is free, the linked file and the garbage are kept aside, never overwritten, and a linked lock
# file creates nothing where it points.
# Usage: jeu_progression_hostile.sh SOURCE_DIR BINARY_DIR
source "$(dirname "$0")/joueur/commun.bash" "$@"

mkdir -p "$home/mapsusr" "$home/conf" "$tmp/ailleurs"
/usr/bin/python3 "$src/tests/scripts/joueur/fixtures.py" "$home/mapsusr/suite.map" \
  "0:@@@@@@@@|@S....W@|@@@@@@@@" \
  "0:@@@@@@@@@@|@S......W@|@@@@@@@@@@" || echec "cannot write the fixture"
rang=$(find "$src/data/mapsoff" -maxdepth 1 -name '*.map' ! -name logom.map | wc -l)
progression="$home/conf/progression.txt"
verrou="$progression.verrou"
detenteur=
trap '[ -n "$detenteur" ] && liberer; terminer' EXIT

# Another program's lock on the progress file, held until liberer.
tenir_verrou() {
  # -o: the lock is flock's own, not its command's, so that it goes with flock.
  flock -o "$verrou" sleep 300 &
  detenteur=$!
  for ((i = 0; i < 100; i++)); do
    flock -n "$verrou" true || return 0
    sleep 0.05
  done
  echec "the lock could not be taken by the other program"
}
liberer() {
  pkill -P "$detenteur" sleep 2>/dev/null
  kill "$detenteur" 2>/dev/null
  wait "$detenteur" 2>/dev/null
  detenteur=
}

# The current level won by holding Right; the time between the result picture and the recorded
# time is the frame the record held up.
gagner() {
  local n m t0 t1
  n=$(compter '_gagne\.png')
  m=$(compter '^Temps ')
  touche Return
  xdotool keydown Right
  attendre_ligne '_gagne\.png' $((n + 1))
  t0=$(date +%s%N)
  attendre_ligne '^Temps [0-9.]+ meilleur [0-9.]+$' $((m + 1))
  t1=$(date +%s%N)
  xdotool keyup Right
  gel=$(((t1 - t0) / 1000000))
  [ "$gel" -lt 2000 ] || echec "the win held the game for $gel ms"
}

jouer_fichier() {
  cliquer 480 "$(ligne_catalogue_y "$rang")"
  cliquer 90 "$(menu_label_y 220)"
  attendre_ligne 'suite\.map headok$'
}

# 1. The progress file is a link to another progress file (another file's record in it), and
# another program holds the lock for minutes.
printf 'Zarvinel progression 1\nautre.map\t0123456789abcdef\t1\t4242\n' >"$tmp/autre.txt"
cp "$tmp/autre.txt" "$tmp/autre.avant"
ln -s "$tmp/autre.txt" "$progression"
demarrer
tenir_verrou
jouer_fichier
attendre_ligne '^Niveau 1$'
gagner
attendre_ligne '^Progression verrouillée, record gardé en mémoire : suite\.map niveau 1$'
# The game goes on while the lock is still held.
touche Return
attendre_ligne '^Niveau 2$'
kill -0 "$detenteur" 2>/dev/null || echec "the lock was no longer held"
liberer
gagner
attendre_ligne '^Progression : lien mis de côté : '
attendre_ligne '^Progression : records en attente écrits 1$'
touche Return
attendre_ligne '^Fichier terminé$'
fermer_fenetre
attendre_fin
cmp -s "$tmp/autre.txt" "$tmp/autre.avant" || echec "the linked file was changed: $(cat "$tmp/autre.txt")"
[ -f "$progression" ] && [ ! -L "$progression" ] || echec "the progress file is not a plain file"
aside=$(ls -d "$progression".lien-* 2>/dev/null | head -n 1)
[ -L "$aside" ] || echec "the link was not kept aside"
for l in 'autre.map	0123456789abcdef	1	4242' 'suite.map	[0-9a-f]\{16\}	1	' 'suite.map	[0-9a-f]\{16\}	2	'; do
  grep -q "^$l" "$progression" || echec "no line /$l/ in the progress file: $(cat "$progression")"
done

# 2. The progress file is now garbage and the lock file a link to a file that does not exist.
head -c 3000 /dev/urandom >"$tmp/dechets"
cp "$tmp/dechets" "$progression"
rm -f "$verrou"
ln -s "$tmp/ailleurs/cree" "$verrou"
demarrer
jouer_fichier
attendre_ligne '^Niveau 1$'
gagner
attendre_ligne '^Progression illisible, mise de côté : '
capture mise-de-cote
aside=$(grep -E '^Progression illisible, mise de côté : ' "$journal" | sed 's/^[^:]*: //')
cmp -s "$aside" "$tmp/dechets" || echec "the garbage was not kept aside as it was ($aside)"
[ ! -e "$tmp/ailleurs/cree" ] || echec "the linked lock file created its target"
[ -f "$verrou" ] && [ ! -L "$verrou" ] || echec "the lock file is still a link"
grep -q '^suite.map	[0-9a-f]\{16\}	1	' "$progression" || echec "no record after the garbage"
[ "$(compter '^Progression illisible, mise de côté : ')" -eq 1 ] || echec "moved aside more than once"
touche Return
attendre_ligne '^Niveau 2$'
fermer_fenetre
attendre_fin
[ -n "${CAPTURES:-}" ] && cp "$tmp/mise-de-cote.png" "$CAPTURES/"
echo "ok"
