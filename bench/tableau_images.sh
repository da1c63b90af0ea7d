#!/usr/bin/env bash
# bench_gl_image three times in one run, as a table: the median wall time and processor time
# of each frame and their ratios to the empty frame of the same size. The machine's load average
# is printed before and after: on a shared machine only the ratios compare between runs, and
# with LP_NUM_THREADS=0 (llvmpipe drawing on the calling thread) the processor time counts the
# whole drawing and hardly moves with the load.
# Usage: bench/tableau_images.sh BINARY_DIR [benchmark options...]
# Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" bench/tableau_images.sh build/release
set -euo pipefail
bin=$1
shift
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
sortie=$(mktemp)
trap 'rm -f "$sortie"' EXIT
# The game's log goes to stdout: the figures go to a file of their own.
"$bin/bench/bench_gl_image" --benchmark_repetitions=3 --benchmark_min_time=0.5 \
  --benchmark_out="$sortie" --benchmark_out_format=json "$@" >/dev/null 2>&1
/usr/bin/python3 -c '
import json, re, sys
mesures = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        mesures[b["run_name"]] = (b["real_time"], b["cpu_time"])
print("| frame | wall ms | x empty | cpu ms | x empty |")
print("|---|---:|---:|---:|---:|")
for nom, (ms, cpu) in mesures.items():
    taille = nom.split("/")[0]
    prefixe = taille + "/" if re.fullmatch(r"[0-9]+x[0-9]+", taille) else ""
    vide = mesures.get(prefixe + "image_vide")
    if vide and "choisirCase" not in nom:
        print("| %s | %.2f | %.1f | %.2f | %.1f |" % (nom, ms, ms / vide[0], cpu, cpu / vide[1]))
    else:
        print("| %s | %.2f | | %.2f | |" % (nom, ms, cpu))
' "$sortie"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
