#!/usr/bin/env bash
# The monkey under AddressSanitizer and UndefinedBehaviorSanitizer: a build
# of its own in build-asan/ (the window program and the monkey), then
# ACTIONS random actions (20,000) on each SEED (1 to 10). Each run's log and
# output land in build-asan/monkey/; a failing run is named at the end.
#   scripts/monkey.sh [ACTIONS [SEED...]]
set -euo pipefail
cd "$(dirname "$0")/.."
akciok=${1:-20000}
magok=("${@:2}")
[ ${#magok[@]} -gt 0 ] || magok=(1 2 3 4 5 6 7 8 9 10)

jelzok="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$jelzok" -DCMAKE_EXE_LINKER_FLAGS="$jelzok" \
  -DZELVARIS_WITH_TESTS=OFF -DZELVARIS_WITH_PYTHON=OFF >/dev/null
cmake --build build-asan -j "$(nproc)" --target zelvaris zelvaris-monkey

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-asan/monkey
hibasak=()
for mag in "${magok[@]}"; do
  naplo=build-asan/monkey/seed-$mag.log
  kimenet=build-asan/monkey/seed-$mag.out
  if build-asan/bin/zelvaris-monkey --seed "$mag" --actions "$akciok" --log "$naplo" >"$kimenet" 2>&1; then
    echo "seed $mag: $(grep -E '^(actions|invariant-breaks|exceptions-shown):' "$kimenet" | tr '\n' ' ')"
  else
    echo "seed $mag FAILED ($?): see $kimenet and $naplo"
    hibasak+=("$mag")
  fi
done
if [ ${#hibasak[@]} -gt 0 ]; then
  echo "failing seeds: ${hibasak[*]}"
  exit 1
fi
echo "all ${#magok[@]} seeds ran $akciok actions clean"
