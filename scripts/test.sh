#!/usr/bin/env bash
# Builds everything and runs every test. Tests never reach the real shutdown command,
# never open windows on the user's desktop and never touch the user's settings: the
# recorders and a temporary store are set before any test runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

scratch=$(mktemp -d /tmp/pathwick-test.XXXXXX)
xvfb_pid=""
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

export PATHWICK_STORE="$scratch/store/settings.sqlite3"
export PATHWICK_SHUTDOWN_COMMAND="$root/tests/support/recorder.sh"
export PATHWICK_OPENER="$root/tests/support/recorder.sh"
export PATHWICK_RECORD_FILE="$scratch/recorded.txt"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

# An X server of our own for the tests labelled x11.
for display in $(seq 90 140); do
  [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X$display ]] && break
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null; then
    export PATHWICK_TEST_DISPLAY=":$display"
    break
  fi
  xvfb_pid=""
done
if [[ -z "${PATHWICK_TEST_DISPLAY:-}" ]]; then
  echo "Could not start Xvfb" >&2
  exit 1
fi
unset DISPLAY

cd "$build"
ctest --output-on-failure "$@"
