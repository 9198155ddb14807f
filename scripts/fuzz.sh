#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and
# runs one of them: scripts/fuzz.sh fuzz_<name> [seconds] [corpus folder...]
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh fuzz_<name> [seconds] [corpus...]}
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPQ_FUZZ=ON -DPQ_TESTS=OFF -DPQ_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "$target"
mkdir -p "build-fuzz/corpus-$target"
export QT_QPA_PLATFORM=offscreen
exec "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
  "build-fuzz/corpus-$target" "$@"
