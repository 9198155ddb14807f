#!/usr/bin/env bash
# The slow checks, for before a release and after changing anything that reads
# outside data (RTF, skin files, ini and session files, alarm entries):
#   1. builds with ASan/UBSan into build-asan/ (UBSan halts on the first error)
#      and runs the whole suite there;
#   2. builds every fuzz target (fuzz/fuzz_*.cpp, clang) into build-fuzz/ and runs
#      each for the given number of seconds, printing its run count.
# Usage: scripts/check.sh [seconds per fuzz target, default 60]
# Any finding stops the script with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh --dev

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
# Leaks inside the desktop's own libraries (fontconfig, GLib) are not ours.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0

echo "== sanitizer build and suite"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPQ_WERROR=ON \
  -DPQ_SANITIZE=ON -DPQ_BENCH=OFF >/dev/null
cmake --build build-asan --parallel "$(nproc)"
(cd build-asan && QT_QPA_PLATFORM=offscreen PQ_COMPOSITOR_CHECKS=1 ctest --output-on-failure --parallel "$(nproc)")

echo "== fuzzing, ${seconds} s per target"
summary=()
for source in fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  log=build-fuzz/$target.log
  mkdir -p build-fuzz
  if ! scripts/fuzz.sh "$target" "$seconds" >"$log" 2>&1; then
    tail -40 "$log"
    echo "FINDING: $target (log: $log)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$target: ${runs:-?} runs in ${seconds} s, no finding")
done
printf '%s\n' "${summary[@]}"
