#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds the programs in
# Release into build-deb/ with the Python module (nothing else: no tests,
# benchmarks or tools) and runs CPack there.
# Install the result with `apt install ./build-deb/zelvaris_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVARIS_WITH_TESTS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-deb -j "$(nproc)" --target zelvaris zelvaris-batch zelvaris_python
(cd build-deb && cpack -G DEB)
ls build-deb/zelvaris_*.deb
