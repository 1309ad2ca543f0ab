#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zelvaris on the example meadow.
# Arguments, if given, go to the program instead (for example another
# configuration or snapshot file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
program=build/bin/zelvaris
if [ $# -gt 0 ]; then
  exec "$program" "$@"
fi
exec "$program" build/bin/okocfg/meadow.okocfg
