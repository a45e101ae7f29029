#!/usr/bin/env bash
# Compares the CPU that Pathwick uses while idle with hot keys on and 300 stored entries
# against a bare Qt window that polls XQueryKeymap five times a second: both run side by
# side on an Xvfb of their own, and the CPU time each spends over the same 30 s (after 5 s
# to settle) is read from /proc, in nanoseconds summed over all threads. Prints both and the
# ratio against the goal (<= 1.5x).
#
#     bench/hotkeys_idle_cpu.sh [seconds]     (default 30; build folder: $PATHWICK_BUILD_DIR or build/)
#
# Both run in the sandbox of bench/lib/desktop.sh, so nothing real is touched.
set -euo pipefail
source "$(dirname "$0")/lib/desktop.sh"
seconds=${1:-30}
settle=5

bench_desktop pathwick idle_poll_window idle_fill_hotkeys

"$build/bench/idle_fill_hotkeys"
"$build/pathwick" >/dev/null 2>&1 &
pathwick_pid=$!
"$build/bench/idle_poll_window" >/dev/null 2>&1 &
bare_pid=$!
trap 'kill "$pathwick_pid" "$bare_pid" 2>/dev/null || true; pathwick_sandbox_cleanup' EXIT

# The clock ticks of /proc/PID/stat (10 ms) are too coarse for the bare window's few tens of
# milliseconds; schedstat counts nanoseconds, per thread.
cpu_ns() { # pid -> nanoseconds its threads have run so far
  cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f\n", ns }'
}
sleep "$settle"
p0=$(cpu_ns "$pathwick_pid"); b0=$(cpu_ns "$bare_pid")
sleep "$seconds"
p1=$(cpu_ns "$pathwick_pid"); b1=$(cpu_ns "$bare_pid")

awk -v s="$seconds" -v p0="$p0" -v p1="$p1" -v b0="$b0" -v b1="$b1" 'BEGIN {
  pm = (p1 - p0) / 1e6; bm = (b1 - b0) / 1e6
  ratio = (bm > 0) ? pm / bm : 0
  printf "CPU over %d s idle            %10s %12s %8s %6s\n", s, "pathwick", "bare poll", "ratio", "goal"
  printf "hot keys on, 300 entries    %7.1f ms %9.1f ms %7.2fx %5.1fx %s\n", pm, bm, ratio, 1.5,
         (bm > 0 && ratio <= 1.5) ? "ok" : (bm > 0 ? "OVER" : "bare window used no measurable CPU")
}'
