#!/usr/bin/env bash
# Builds the Debian package into build-deb/: pennyquill_<version>_<arch>.deb,
# installed to /usr. Install it with: sudo apt-get install ./build-deb/pennyquill_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-deb "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DPQ_WERROR=ON \
  -DCMAKE_INSTALL_PREFIX=/usr -DPQ_TESTS=OFF -DPQ_BENCH=OFF "$@"
cmake --build build-deb --parallel "$(nproc)"
(cd build-deb && cpack)
ls build-deb/pennyquill_*.deb
