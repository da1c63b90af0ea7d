#!/usr/bin/env bash
# The Debian package as a player gets it: built with CPack from the build tree, checked by
# lintian, its desktop entry, metadata and manual page by their validators, unpacked into a
# temporary folder (never the machine's own system) and started from there under the current
# display until the main menu is drawn; its declared dependencies must cover every library
# the executable links; it never reads the build tree's data. Usage: paquet.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src=$1
bin=$2
export ZARVINEL_SANS_DIALOGUE=1 SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
attente=${ZARVINEL_ATTENTE:-60}

echec() {
  echo "ECHEC: $*"
  [ -e "$tmp/jeu.out" ] && { echo "--- last lines of the log"; tail -n 30 "$tmp/jeu.out"; }
  exit 1
}
for outil in cpack lintian dpkg-deb dpkg-shlibdeps readelf appstreamcli desktop-file-validate man xdotool import; do
  command -v "$outil" >/dev/null || echec "$outil is missing (tools/install-deps.sh --tests)"
done
[ -n "${DISPLAY:-}" ] || echec "no DISPLAY"
[ -f "$bin/CPackConfig.cmake" ] || echec "no CPack configuration in $bin"

# 1. The package, from what the build tree already holds.
cpack -G DEB --config "$bin/CPackConfig.cmake" -B "$tmp/sortie" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; echec "cpack failed"; }
deb=$(ls "$tmp"/sortie/zarvinel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$tmp/cpack.log"; echec "no .deb made"; }
echo "paquet: $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# The version the package carries is the one the game prints.
version=$(dpkg-deb -f "$deb" Version)
affichee=$("$bin/src/zarvinel" --version)
[ "$affichee" = "zarvinel $version" ] || echec "zarvinel --version says '$affichee', the package $version"

# 2. lintian: no error and no warning (what is meant so is overridden in the package, with why).
lintian --fail-on error,warning "$deb" \
  >"$tmp/lintian.log" 2>&1
rc=$?
grep -v '^running with root privileges' "$tmp/lintian.log"
[ "$rc" -eq 0 ] || echec "lintian reports errors or warnings"

# 3. Unpacked as dpkg would install it, the validators on what was installed.
racine="$tmp/racine"
dpkg-deb -x "$deb" "$racine" || echec "dpkg-deb -x failed"
jeu="$racine/usr/games/zarvinel"
donnees="$racine/usr/share/games/zarvinel"
[ -x "$jeu" ] || echec "no executable at usr/games/zarvinel"
[ -f "$donnees/zarvinel.dir" ] || echec "no data marker at usr/share/games/zarvinel"
bureau=$(ls "$racine"/usr/share/applications/*.desktop)
desktop-file-validate "$bureau" || echec "desktop-file-validate: $bureau"
[ "$(sed -n 's/^Exec=//p' "$bureau")" = zarvinel ] || echec "the desktop entry does not start zarvinel"
meta=$(ls "$racine"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net --pedantic "$meta" >"$tmp/appstream.log" 2>&1 ||
  { cat "$tmp/appstream.log"; echec "appstreamcli validate: $meta"; }
# The launchable names the installed desktop entry.
grep -q "<launchable type=\"desktop-id\">$(basename "$bureau")</launchable>" "$meta" ||
  echec "the metadata's launchable is not $(basename "$bureau")"
man6="$racine/usr/share/man/man6/zarvinel.6.gz"
MANWIDTH=80 man --warnings -E UTF-8 -l "$man6" >"$tmp/man.txt" 2>"$tmp/man.err" || echec "man -l failed"
[ -s "$tmp/man.err" ] && { cat "$tmp/man.err"; echec "the manual page has formatting warnings"; }
for o in --dirdata --dirhome --default --help --version XDG_DATA_HOME /usr/share/games/zarvinel; do
  grep -q -- "$o" "$tmp/man.txt" || echec "the manual page does not mention $o"
done
for n in 32 48 64 128 256; do
  f="$racine/usr/share/icons/hicolor/${n}x${n}/apps/zarvinel.png"
  [ "$(identify -format '%wx%h' "$f" 2>/dev/null)" = "${n}x${n}" ] || echec "no ${n}x${n} icon"
done
[ -s "$racine/usr/share/icons/hicolor/scalable/apps/zarvinel.svg" ] || echec "no scalable icon"

# 4. The unpacked game finds its data beside itself, with no --dirdata, and draws its menu.
"$jeu" --dirhome "$tmp/home" >"$tmp/jeu.out" 2>&1 &
pid=$!
for ((i = 0; i < attente * 10; i++)); do
  grep -qE '^[0-9]+ langues$' "$tmp/jeu.out" && break
  kill -0 "$pid" 2>/dev/null || echec "the unpacked game ended during start-up"
  sleep 0.1
done
grep -qE '^[0-9]+ langues$' "$tmp/jeu.out" || echec "no main menu within $attente s"
grep -qxF "dir_data = $donnees/" "$tmp/jeu.out" || echec "the unpacked game did not take its own data"
grep -qxF "Checking $donnees/zarvinel.dir" "$tmp/jeu.out" || echec "no data check of the unpacked data"
fenetre=$(timeout "$attente" xdotool search --sync --onlyvisible --name '^Zarvinel$' | head -n 1)
[ -n "$fenetre" ] || echec "no game window"
# The menu is drawn once its window shows many colours (title, panels, the flying level).
couleurs=0
for ((i = 0; i < attente * 2; i++)); do
  import -window "$fenetre" "$tmp/menu.png" 2>/dev/null &&
    couleurs=$(identify -format '%k' "$tmp/menu.png" 2>/dev/null || echo 0)
  [ "${couleurs:-0}" -ge 500 ] && break
  sleep 0.5
done
[ "${couleurs:-0}" -ge 500 ] || echec "the window shows $couleurs colours: no menu drawn"
[ -n "${CAPTURES:-}" ] && cp "$tmp/menu.png" "$CAPTURES/paquet-menu.png"
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || echec "exit code $rc after SIGTERM"
[ "$(tail -n 1 "$tmp/jeu.out")" = "Fin OK" ] || echec "the log does not end with Fin OK"

# 5. Dependencies: every library the executable needs directly comes from a package named in
# Depends, and every library it loads (ldd) from a package that Depends brings in.
dpkg-deb -f "$deb" Depends >"$tmp/depends"
readelf -d "$jeu" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' >"$tmp/needed"
ldd "$jeu" >"$tmp/ldd" || echec "ldd failed"
mkdir -p "$tmp/shlibdeps/debian" && touch "$tmp/shlibdeps/debian/control"
(cd "$tmp/shlibdeps" && dpkg-shlibdeps -O "$jeu" 2>/dev/null) >"$tmp/shlibdeps.txt" ||
  echec "dpkg-shlibdeps failed"
/usr/bin/python3 - "$tmp/depends" "$tmp/needed" "$tmp/ldd" "$tmp/shlibdeps.txt" <<'PY' || echec "dependencies do not cover the libraries"
import os, re, subprocess, sys

depends = open(sys.argv[1]).read()
needed = set(open(sys.argv[2]).read().split())
groups = []  # each alternative group of Depends as a set of package names
for group in depends.split(","):
    names = {re.sub(r"\(.*?\)|:\S+", "", a).strip() for a in group.split("|")}
    groups.append({n for n in names if n})
declared = set().union(*groups)

# Installed packages: their dependencies and what they provide.
out = subprocess.run(["dpkg-query", "-W", "-f", "${Package}\t${Pre-Depends}, ${Depends}\t${Provides}\n"],
                     capture_output=True, text=True, check=True).stdout
deps, providers = {}, {}
for line in out.splitlines():
    pkg, dep, prov = (line.split("\t") + ["", ""])[:3]
    deps[pkg] = {re.sub(r"\(.*?\)|:\S+", "", a).strip()
                 for g in dep.split(",") for a in g.split("|")} - {""}
    for p in prov.split(","):
        p = re.sub(r"\(.*?\)", "", p).strip()
        if p:
            providers.setdefault(p, set()).add(pkg)

closure, todo = set(), list(declared)
while todo:
    p = todo.pop()
    if p in closure:
        continue
    closure.add(p)
    todo.extend(deps.get(p, ()))
    todo.extend(providers.get(p, ()))

def owner(path):
    # The name the loader used first (with or without /usr: merged /usr), then its target.
    cands = []
    for c in (path, os.path.realpath(path)):
        cands += [c, c[4:] if c.startswith("/usr/") else "/usr" + c]
    for c in cands:
        r = subprocess.run(["dpkg", "-S", c], capture_output=True, text=True)
        if r.returncode == 0:
            return r.stdout.split(":")[0].split(",")[0].strip()
    return None

bad = 0
for line in open(sys.argv[3]):
    m = re.match(r"\s*(\S+)\s+=>\s+(/\S+)", line) or re.match(r"\s*((/\S+))\s+\(", line)
    if not m:
        continue
    soname, path = os.path.basename(m.group(1)), m.group(2)
    pkg = owner(path)
    if pkg is None:
        print(f"{soname}: {path} belongs to no package"); bad += 1; continue
    direct = soname in needed
    # A direct library's package is named in Depends, or provides a name there.
    names = {pkg} | {v for v, ps in providers.items() if pkg in ps}
    ok = any(names & g for g in groups) if direct else pkg in closure
    print(f"{'ok ' if ok else 'BAD'} {soname:28} {pkg:24} {'Depends' if direct else 'brought in'}")
    bad += not ok
# What dpkg-shlibdeps works out from the symbols is covered too, with at least its versions.
def versions(text):
    out = []
    for group in text.split(","):
        alts = []
        for a in group.split("|"):
            m = re.match(r"\s*([^\s(:]+)(?::\S+)?\s*(?:\(>=\s*([^)]+)\))?", a)
            if m:
                alts.append((m.group(1), (m.group(2) or "").strip()))
        if alts:
            out.append(alts)
    return out
def at_least(v, minimum):
    return not minimum or (v and subprocess.run(["dpkg", "--compare-versions", v, "ge", minimum]).returncode == 0)
declared_v = versions(depends)
for g in versions(open(sys.argv[4]).read().split("=", 1)[1]):
    ok = any(n == dn and at_least(dv, mv) for n, mv in g for dg in declared_v for dn, dv in dg)
    print(f"{'ok ' if ok else 'BAD'} dpkg-shlibdeps: {' | '.join(n + (' >= ' + v if v else '') for n, v in g)}")
    bad += not ok
missing = needed - {os.path.basename(l.split()[0]) for l in open(sys.argv[3]) if l.strip()}
for s in sorted(missing):
    print(f"{s}: needed but not found by ldd"); bad += 1
sys.exit(1 if bad else 0)
PY
# 6. The installed executable holds no path of the tree it was built in, and without its data
# folder it fails its data check instead of reading that tree.
grep -qaF "$(cd "$src" && pwd)/data/" "$jeu" && echec "the installed executable names the build tree's data folder"
mv "$donnees" "$donnees.absent"
(cd "$tmp" && timeout "$attente" "$jeu" --dirhome "$tmp/home-sans" >"$tmp/sans-donnees.out" 2>&1)
rc=$?
mv "$donnees.absent" "$donnees"
[ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || echec "without its data folder the game did not stop (exit $rc)"
grep -qxF "Checking ./zarvinel.dir" "$tmp/sans-donnees.out" ||
  { cat "$tmp/sans-donnees.out"; echec "without its data folder the game looked elsewhere"; }
echo "paquet: ok"
