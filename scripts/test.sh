#!/usr/bin/env bash
# Builds everything and runs every test. Tests never reach the real shutdown command,
# never open windows on the user's desktop and never touch the user's settings: the
# recorders and a temporary store are set before any test runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

source "$root/scripts/sandbox.sh"
pathwick_sandbox "$root"
export QT_QPA_PLATFORM=offscreen

# An X server of our own for the tests labelled x11; the others never see a display.
start_xvfb 90 140
export PATHWICK_TEST_DISPLAY="$xvfb_display"
unset DISPLAY

(cd "$build" && ctest --output-on-failure "$@")

# A whole run (no ctest filter) also runs each fuzz target over its seeds for a moment;
# without clang it says it skipped them.
if [[ $# -eq 0 ]]; then
  "$root/scripts/fuzz.sh" --brief
fi
