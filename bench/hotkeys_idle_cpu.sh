#!/usr/bin/env bash
# Compares the CPU that Pathwick uses while idle with hot keys on and 300 stored entries
# against a bare Qt window that polls XQueryKeymap five times a second: both run side by
# side on an Xvfb of their own, and the CPU time each spends over the same 30 s (after 5 s
# to settle) is read from /proc. Prints both and the ratio against the goal (<= 1.5x).
#
#     bench/hotkeys_idle_cpu.sh [seconds]     (default 30; build folder: $PATHWICK_BUILD_DIR or build/)
#
# Pathwick runs with a temporary settings store and the test recorder in place of the opener
# and the shutdown command, so nothing real is touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_BUILD_DIR:-$root/build}
seconds=${1:-30}
settle=5

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target pathwick idle_poll_window idle_fill_hotkeys >/dev/null

source "$root/scripts/sandbox.sh"
pathwick_sandbox "$root"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
start_xvfb 150 200
export DISPLAY="$xvfb_display"

"$build/bench/idle_fill_hotkeys"
"$build/pathwick" >/dev/null 2>&1 &
pathwick_pid=$!
"$build/bench/idle_poll_window" >/dev/null 2>&1 &
bare_pid=$!
trap 'kill "$pathwick_pid" "$bare_pid" 2>/dev/null || true; pathwick_sandbox_cleanup' EXIT

ticks() { # pid -> user + system clock ticks so far
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}
sleep "$settle"
p0=$(ticks "$pathwick_pid"); b0=$(ticks "$bare_pid")
sleep "$seconds"
p1=$(ticks "$pathwick_pid"); b1=$(ticks "$bare_pid")
hz=$(getconf CLK_TCK)

awk -v s="$seconds" -v hz="$hz" -v p=$((p1 - p0)) -v b=$((b1 - b0)) 'BEGIN {
  pm = p * 1000 / hz; bm = b * 1000 / hz
  ratio = (bm > 0) ? pm / bm : 0
  printf "CPU over %d s idle            %10s %12s %8s %6s\n", s, "pathwick", "bare poll", "ratio", "goal"
  printf "hot keys on, 300 entries    %7d ms %9d ms %7.2fx %5.1fx %s\n", pm, bm, ratio, 1.5,
         (bm > 0 && ratio <= 1.5) ? "ok" : (bm > 0 ? "OVER" : "bare window used no measurable CPU")
}'
