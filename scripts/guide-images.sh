#!/usr/bin/env bash
# Makes the pictures of docs/guide.md again from the program itself: builds
# zelvaris-guide-images in build/ and runs it offscreen into docs/images/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zelvaris-guide-images
QT_QPA_PLATFORM=offscreen build/bin/zelvaris-guide-images docs/images
