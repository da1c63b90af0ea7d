#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the normal build: unit, thread and display tests (the display ones in a real window under Xvfb),
#      and the Debian package (built, checked by lintian, started unpacked);
#   2. AddressSanitizer + UndefinedBehaviorSanitizer (clang): unit and thread tests, the fuzz targets,
#      then the display tests and tools in a real window;
#   3. ThreadSanitizer: the thread tests.
# Ends with one summary line over all stages and a non-zero exit on any failure, after the ten
# slowest tests of all stages.
#
# On two cores the stages overlap where one leaves the processor idle: the next stage's build runs
# at the lowest priority while the display tests (which mostly wait for the game to draw) run,
# and the tests that share nothing (the unit tests, the fuzz targets) run two at a time; the
# thread, display and package tests are marked to run alone (tests/CMakeLists.txt).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash tools/install-deps.sh --tests || { echo "dependency install failed"; exit 1; }

jobs=$(nproc)
export SDL_AUDIODRIVER=dummy
export ZARVINEL_SANS_DIALOGUE=1  # the game's error dialogs would wait for a click under Xvfb
summary=()
passed=0
failed=0
status=0

logs=()
run_ctest() {  # stage-name build-dir ctest-args...
  local stage=$1 dir=$2; shift 2
  local log="$dir/ctest-$stage.log"
  logs+=("$stage=$log")
  local debut=$SECONDS
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line total nfail
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    nfail=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - nfail))
    failed=$((failed + nfail))
  fi
  [ "$rc" -ne 0 ] && status=1
  summary+=("$stage: ${line:-no tests ran} (exit $rc, $((SECONDS - debut)) s)")
}

# A build started at the lowest priority while tests run; finir_en_fond waits for it and shows
# its output. Its exit code is the build's.
fond_pid=
fond_log=
build_en_fond() {  # log build-args...
  fond_log=$1; shift
  echo "(building in the background: $fond_log)"
  (
    renice -n 19 -p "$BASHPID" >/dev/null
    debut=$SECONDS
    build "$@"
    rc=$?
    echo "(build time: $((SECONDS - debut)) s)"
    exit $rc
  ) >"$fond_log" 2>&1 &
  fond_pid=$!
}
finir_en_fond() {  # stage-name
  local rc=0
  local debut=$SECONDS
  wait "$fond_pid" || rc=$?
  # The whole output when it failed; else its end.
  if [ "$rc" -ne 0 ]; then cat "$fond_log"; else tail -n 3 "$fond_log"; fi
  local duree
  duree=$(sed -n 's/^(build time: \([0-9]*\) s)$/\1/p' "$fond_log")
  summary+=("$1 build: ${duree:-?} s in the background, $((SECONDS - debut)) s waited for it (exit $rc)")
  fond_pid=
  return $rc
}

# The ten slowest tests over every stage, from ctest's own timings.
plus_lents() {
  local entree stage log
  for entree in "${logs[@]}"; do
    stage=${entree%%=*}
    log=${entree#*=}
    sed -nE 's/^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: ([^ ]+) .* ([0-9]+\.[0-9]+) sec$/\2 \1/p' "$log" 2>/dev/null |
      awk -v s="$stage" '{printf "%9.2f s  %-12s %s\n", $1, s, $2}'
  done | sort -rn | head -n 10
}

build() {  # dir cmake-args... -- targets...
  local dir=$1; shift
  local args=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  targets=("$@")
  cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null || return 1
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j "$jobs" --target "${targets[@]}"
  else
    cmake --build "$dir" -j "$jobs"
  fi
}

# 1. Normal build, everything.
stage_debut=$SECONDS
if build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  summary+=("release build: $((SECONDS - stage_debut)) s")
  release_ok=1
else
  summary+=("release: build failed"); status=1; failed=$((failed + 1))
  release_ok=
fi

# 2's build (address + undefined behaviour, with the fuzz targets: clang for libFuzzer) runs
# behind the normal build's tests.
san_targets=(zarvinel_unit_tests zarvinel_thread_tests zarvinel_display_tests zarvinel zarvinel_paquet)
for f in tools/*.cpp; do san_targets+=("$(basename "$f" .cpp)"); done
for f in fuzz/*.cpp; do [ -e "$f" ] && san_targets+=("$(basename "$f" .cpp)"); done
mkdir -p build
CC=clang CXX=clang++ build_en_fond build/asan-build.log build/asan -DCMAKE_BUILD_TYPE=Debug \
  -DZARVINEL_SANITIZE=address,undefined -DZARVINEL_FUZZ=ON -DZARVINEL_BENCH=OFF -- "${san_targets[@]}"

[ -n "$release_ok" ] && run_ctest release build/release

# 2. Address + undefined behaviour.
if finir_en_fond asan; then
  # 3's build runs behind the sanitizer tests.
  build_en_fond build/tsan-build.log build/tsan -DCMAKE_BUILD_TYPE=Debug -DZARVINEL_SANITIZE=thread \
    -DZARVINEL_BENCH=OFF -- zarvinel_thread_tests
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0 \
    run_ctest asan build/asan -L 'unit|threads|fuzz'
  # The GL driver and SDL's video layer keep allocations for the life of the process from
  # modules that are unloaded before the leak check (no stack to suppress them by): in a window,
  # memory errors are checked, leaks are left to the window-free stages above.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest asan-display build/asan -L display
else
  summary+=("asan: build failed"); status=1; failed=$((failed + 1))
  build_en_fond build/tsan-build.log build/tsan -DCMAKE_BUILD_TYPE=Debug -DZARVINEL_SANITIZE=thread \
    -DZARVINEL_BENCH=OFF -- zarvinel_thread_tests
fi

# 3. Thread sanitizer on the tests that start threads.
if finir_en_fond tsan; then
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 run_ctest tsan build/tsan -L threads
else
  summary+=("tsan: build failed"); status=1; failed=$((failed + 1))
fi

echo
echo "==== The ten slowest tests ===="
plus_lents
echo
echo "==== Summary ===="
printf '%s\n' "${summary[@]}"
echo "total time: $((SECONDS / 60)) min $((SECONDS % 60)) s"
echo "tests: $passed passed, $failed failed"
exit $status
