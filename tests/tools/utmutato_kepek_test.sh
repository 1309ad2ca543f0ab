#!/usr/bin/env bash
# The picture tool makes, after a short run, every picture the guides show,
# each a real PNG.
# Usage: utmutato_kepek_test.sh TOOL GUIDE...
set -euo pipefail
tool=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
QT_QPA_PLATFORM=offscreen "$tool" --steps 5 "$tmp/images" >"$tmp/out" 2>&1 || {
  echo "FAIL: the tool ended with $?: $(cat "$tmp/out")" >&2
  exit 1
}
shown=$(grep -oh '(images/[^)]*\.png)' "$@" | tr -d '()' | sort -u)
[ -n "$shown" ] || { echo "FAIL: the guide shows no pictures" >&2; exit 1; }
for f in $shown; do
  [ "$(head -c 8 "$tmp/$f" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    { echo "FAIL: $f is not made, or is no PNG" >&2; exit 1; }
done
