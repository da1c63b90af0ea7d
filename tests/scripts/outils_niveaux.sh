#!/usr/bin/env bash
# The level tools: text <-> level file round trips, and the headless runner's results.
# Usage: outils_niveaux.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
bin=$2/tools
niveau=$bin/zv-niveau
jouer=$bin/zv-jouer
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

# --- Text -> file -> text -> file. ---
cat > "$tmp/a.txt" <<'TXT'
# hand-written: comments and blank lines are fine
level 1
size 6 3
start 1 1
bombs 0
grid
######
#...W#
######
end

level 2
size 5 3
start 3 1
bombs 2
colours 255 0 0  0 255 0  0 0 255  10 20 30
grid
@@@@@
@X.{c8}@
@@@@@
end
TXT
"$niveau" map "$tmp/a.txt" "$tmp/a.map"
# 14 + (1 + 5 + 18) + (1 + 17 + 15) bytes: level 1 has the short header (no colours)
[ "$(stat -c %s "$tmp/a.map")" = 71 ] || echec "a.map has $(stat -c %s "$tmp/a.map") bytes"
"$niveau" text "$tmp/a.map" > "$tmp/a2.txt"
"$niveau" map "$tmp/a2.txt" "$tmp/a2.map"
cmp "$tmp/a.map" "$tmp/a2.map" || echec "file -> text -> file differs"
"$niveau" text "$tmp/a2.map" | diff - "$tmp/a2.txt" || echec "canonical text -> file -> text differs"
grep -q '^@X.{c8}@$' "$tmp/a2.txt" || echec "escaped cell not kept"
[ ! -e "$tmp/a.map.tmp" ] || echec "temporary file left behind"

# --- A file the text form must carry byte for byte: reserved byte, file-header payload,
#     header lengths 0 and 20, a level with no cell, a cut last record. ---
{
  printf 'GameZorvik\000\011\000\003xyz'
  printf '\000'; head -c 225 /dev/zero | tr '\000' '\001'
  printf '\024\002\001\000\000\007abcdefghijkl\360\361\362\003\004'
  printf '\005\000\007\000\000\000'
  printf '\021\011\011'
} > "$tmp/b.map"
"$niveau" text "$tmp/b.map" > "$tmp/b.txt"
"$niveau" map "$tmp/b.txt" "$tmp/b2.map"
cmp "$tmp/b.map" "$tmp/b2.map" || echec "unusual file does not round-trip"

# --- Refusals. ---
printf 'NotALevel' > "$tmp/faux.map"
if "$niveau" text "$tmp/faux.map" > /dev/null 2>&1; then echec "wrong magic accepted"; fi
printf 'level\nsize 2 1\nstart 0 0\nbombs 0\ngrid\n.Q\nend\n' > "$tmp/faux.txt"
if "$niveau" map "$tmp/faux.txt" "$tmp/faux2.map" 2> "$tmp/err"; then echec "bad text accepted"; fi
grep -q 'line 6' "$tmp/err" || echec "no line number in: $(cat "$tmp/err")"
[ ! -e "$tmp/faux2.map" ] || echec "a file was written from bad text"
"$niveau" --help | grep -q 'short-header' || echec "help"

# --- The runner. ---
printf '# roll right\n0 R\n' > "$tmp/droite.txt"
sortie=$("$jouer" "$tmp/a.map" 1 "$tmp/droite.txt" 40 2>/dev/null)
[ "$sortie" = "won at step 33" ] || echec "runner: $sortie"
"$jouer" "$tmp/a.map" 1 "$tmp/droite.txt" 40 --trace 2>/dev/null > "$tmp/trace"
[ "$(wc -l < "$tmp/trace")" = 41 ] || echec "trace length"
[ "$(sed -n 34p "$tmp/trace")" = "33 4.05000162 1.5 0 0.075000003 0 1" ] || echec "trace: $(sed -n 34p "$tmp/trace")"
[ "$(sed -n 1p "$tmp/trace")" = "0 1.57500005 1.5 0 0.075000003 0 0" ] || echec "trace: $(sed -n 1p "$tmp/trace")"
# The same result from standard input, and the run is deterministic.
[ "$(printf '0 R\n' | "$jouer" "$tmp/a.map" 1 - 40 --trace 2>/dev/null | md5sum)" = "$(md5sum < "$tmp/trace")" ] \
  || echec "runner not deterministic"

# Level 2: the lost cell is left of the ball, two cells away.
printf '0 L\n' > "$tmp/gauche.txt"
[ "$("$jouer" "$tmp/a.map" 2 "$tmp/gauche.txt" 100 2>/dev/null)" = "lost at step 19" ] || echec "lost"
printf '0 -\n5 S\n6 -\n' > "$tmp/rien.txt"
[ "$("$jouer" "$tmp/a.map" 2 "$tmp/rien.txt" 50 2>/dev/null)" = "running after 50 steps" ] || echec "running"

# Errors: missing level or file (1), bad script (1), wrong command line (2).
set +e
"$jouer" "$tmp/a.map" 3 "$tmp/droite.txt" 10 > /dev/null 2>&1; [ $? = 1 ] || echec "missing level"
"$jouer" "$tmp/absent.map" 1 "$tmp/droite.txt" 10 > /dev/null 2>&1; [ $? = 1 ] || echec "missing file"
printf '0 Q\n' > "$tmp/faux-script.txt"
"$jouer" "$tmp/a.map" 1 "$tmp/faux-script.txt" 10 > /dev/null 2>&1; [ $? = 1 ] || echec "bad script"
"$jouer" "$tmp/a.map" 0 "$tmp/droite.txt" 10 > /dev/null 2>&1; [ $? = 2 ] || echec "level 0"
"$jouer" "$tmp/a.map" 1 "$tmp/droite.txt" > /dev/null 2>&1; [ $? = 2 ] || echec "missing STEPS"

# Inputs that are no file (a folder, a device, a named pipe): refused at once with 1, never
# read as an empty script ("running after") or without end, never waited on.
mkdir "$tmp/dossier"
mkfifo "$tmp/tube"
for entree in "$tmp/dossier" /dev/zero "$tmp/tube"; do
  timeout 20 "$jouer" "$tmp/a.map" 1 "$entree" 10 > "$tmp/out" 2> "$tmp/err"; rc=$?
  [ $rc = 1 ] || echec "key script $entree: exit $rc, $(cat "$tmp/out")"
  grep -q "cannot read $entree" "$tmp/err" || echec "key script $entree: $(cat "$tmp/err")"
  timeout 20 "$niveau" map "$entree" "$tmp/x.map" > /dev/null 2>&1; rc=$?
  [ $rc = 1 ] || echec "zv-niveau map $entree: exit $rc"
  timeout 20 "$niveau" text "$entree" > /dev/null 2>&1; rc=$?
  [ $rc = 1 ] || echec "zv-niveau text $entree: exit $rc"
done
[ ! -e "$tmp/x.map" ] || echec "a file was written from no input"
# Standard input without end is cut at the tool's limit.
timeout 60 "$jouer" "$tmp/a.map" 1 - 10 < /dev/zero > /dev/null 2> "$tmp/err"; rc=$?
[ $rc = 1 ] || echec "endless standard input: exit $rc"
grep -q 'trop grand' "$tmp/err" || echec "endless standard input: $(cat "$tmp/err")"

# Trailing bytes that hold a whole record would be read back as one more level: refused.
printf 'level\nsize 1 1\nstart 0 0\nbombs 0\ngrid\n.\nend\ntrailing 00 07\n' > "$tmp/reste.txt"
"$niveau" map "$tmp/reste.txt" "$tmp/reste.map" 2> "$tmp/err"; rc=$?
[ $rc = 1 ] || echec "complete trailing record accepted"
grep -q 'line 8' "$tmp/err" || echec "no line number in: $(cat "$tmp/err")"
[ ! -e "$tmp/reste.map" ] || echec "a file was written with an extra level"

# Writing: a leftover temporary that links elsewhere is not written through; a read-only file
# is left alone; a symlinked file is written where it points and stays a link.
printf 'keep' > "$tmp/victime"
ln -s "$tmp/victime" "$tmp/c.map.tmp"
"$niveau" map "$tmp/a.txt" "$tmp/c.map" || echec "write beside a linked temporary"
[ "$(cat "$tmp/victime")" = keep ] || echec "written through the temporary's link"
cmp "$tmp/a.map" "$tmp/c.map" || echec "c.map"
chmod 444 "$tmp/c.map"
"$niveau" map "$tmp/b.txt" "$tmp/c.map" 2> /dev/null && echec "read-only file replaced"
cmp "$tmp/a.map" "$tmp/c.map" || echec "read-only file changed"
ln -s d.map "$tmp/lien.map"
"$niveau" map "$tmp/a.txt" "$tmp/lien.map" || echec "write through a symlink"
[ -L "$tmp/lien.map" ] || echec "the symlink was replaced by a file"
cmp "$tmp/a.map" "$tmp/d.map" || echec "the file behind the link"
set -e
echo "level tools OK"
