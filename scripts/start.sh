#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zelvaris on the example meadow.
# Until the window program exists this runs the batch program: 2,000 steps of
# the meadow with a progress line, the population history written to
# build/meadow.csv. Arguments, if given, go to zelvaris-batch instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
program=build/bin/zelvaris-batch
if [ $# -gt 0 ]; then
  exec "$program" "$@"
fi
"$program" --progress --steps 2000 --series build/meadow.csv build/bin/okocfg/meadow.okocfg
echo "Population history of the run: build/meadow.csv (see \"Batch runs\" in README.md to plot it)" >&2
