#!/usr/bin/env bash
# Builds the Debian package into build-deb/: pennyquill_<version>_<arch>.deb,
# installed to /usr, built with the distribution's hardening flags. Install it
# with: sudo apt-get install ./build-deb/pennyquill_*.deb
# When lintian is installed (scripts/install-deps.sh --dev), the package must
# pass it without an error or a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-deb "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DPQ_WERROR=ON \
  -DCMAKE_INSTALL_PREFIX=/usr -DPQ_TESTS=OFF -DPQ_BENCH=OFF -DPQ_HARDEN=ON "$@"
cmake --build build-deb --parallel "$(nproc)"
rm -f build-deb/pennyquill_*.deb
(cd build-deb && cpack)
package=$(ls build-deb/pennyquill_*.deb)
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$package"
else
  echo "lintian is not installed (scripts/install-deps.sh --dev): the package is not checked"
fi
echo "$package"
