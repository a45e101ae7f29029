#!/usr/bin/env bash
# Builds Pathwick and starts it; arguments go to the program's command line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" --target pathwick
exec "$build/pathwick" "$@"
