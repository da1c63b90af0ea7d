#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the normal build: unit, thread and display tests (the display ones in a real window under Xvfb),
#      and the Debian package (built, checked by lintian, started unpacked);
#   2. AddressSanitizer + UndefinedBehaviorSanitizer (clang): unit and thread tests, the fuzz targets,
#      then the display tests and tools in a real window;
#   3. ThreadSanitizer: the thread tests.
# Ends with one summary line over all stages and a non-zero exit on any failure.
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

run_ctest() {  # stage-name build-dir ctest-args...
  local stage=$1 dir=$2; shift 2
  local log="$dir/ctest-$stage.log"
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
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
  summary+=("$stage: ${line:-no tests ran} (exit $rc)")
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
if build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  run_ctest release build/release
else
  summary+=("release: build failed"); status=1; failed=$((failed + 1))
fi

# 2. Address + undefined behaviour, with the fuzz targets (clang for libFuzzer).
san_targets=(zarvinel_unit_tests zarvinel_thread_tests zarvinel_display_tests zarvinel)
for f in tools/*.cpp; do san_targets+=("$(basename "$f" .cpp)"); done
for f in fuzz/*.cpp; do [ -e "$f" ] && san_targets+=("$(basename "$f" .cpp)"); done
if CC=clang CXX=clang++ build build/asan -DCMAKE_BUILD_TYPE=Debug -DZARVINEL_SANITIZE=address,undefined \
     -DZARVINEL_FUZZ=ON -DZARVINEL_BENCH=OFF -- "${san_targets[@]}"; then
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
fi

# 3. Thread sanitizer on the tests that start threads.
if build build/tsan -DCMAKE_BUILD_TYPE=Debug -DZARVINEL_SANITIZE=thread -DZARVINEL_BENCH=OFF \
     -- zarvinel_thread_tests; then
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 run_ctest tsan build/tsan -L threads
else
  summary+=("tsan: build failed"); status=1; failed=$((failed + 1))
fi

echo
echo "==== Summary ===="
printf '%s\n' "${summary[@]}"
echo "tests: $passed passed, $failed failed"
exit $status
