#!/usr/bin/env bash
# Compares Pathwick's start-up with a bare Qt Widgets window (three menus and a text box):
# the time from process start to the main window being mapped, and the resident memory
# (VmRSS) 5 s after start. Runs both alternately on an Xvfb of its own, prints the medians
# and the ratios against the goals (time <= 1.5x, memory <= 1.3x).
#
#     bench/startup_compare.sh [runs]        (default 5; build folder: $PATHWICK_BUILD_DIR or build/)
#
# Both run in the sandbox of bench/lib/desktop.sh, so nothing real is touched.
set -euo pipefail
source "$(dirname "$0")/lib/desktop.sh"
runs=${1:-5}
settle_ms=5000
timeout_ms=20000

bench_desktop pathwick startup_bare_window startup_map_timer

timer="$build/bench/startup_map_timer"
measure() { # title-prefix program -> "map_ms rss_kb"
  local out
  if ! out=$("$timer" "$1" "$settle_ms" "$timeout_ms" -- "$2"); then
    echo "Measuring $2 failed (another copy of pathwick running for this user shows a warning first)" >&2
    exit 1
  fi
  sed -E 's/map_ms=([0-9.]+) rss_kb=([0-9]+)/\1 \2/' <<<"$out"
}

: >"$scratch/pathwick" && : >"$scratch/bare"
for run in $(seq "$runs"); do
  measure "Pathwick - version" "$build/pathwick" >>"$scratch/pathwick"
  measure "Bare window" "$build/bench/startup_bare_window" >>"$scratch/bare"
  echo "run $run/$runs: pathwick $(tail -1 "$scratch/pathwick"), bare $(tail -1 "$scratch/bare")" >&2
done

median() { # column file
  sort -n -k"$1" "$2" | awk -v c="$1" '{ v[NR] = $c } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
p_ms=$(median 1 "$scratch/pathwick"); b_ms=$(median 1 "$scratch/bare")
p_kb=$(median 2 "$scratch/pathwick"); b_kb=$(median 2 "$scratch/bare")

awk -v runs="$runs" -v pm="$p_ms" -v bm="$b_ms" -v pk="$p_kb" -v bk="$b_kb" 'BEGIN {
  tr = pm / bm; mr = pk / bk
  printf "Medians of %d runs        %12s %12s %8s %6s\n", runs, "pathwick", "bare Qt", "ratio", "goal"
  printf "start to window mapped   %9.1f ms %9.1f ms %7.2fx %5.1fx %s\n", pm, bm, tr, 1.5, (tr <= 1.5 ? "ok" : "OVER")
  printf "resident memory after 5 s %8d kB %9d kB %7.2fx %5.1fx %s\n", pk, bk, mr, 1.3, (mr <= 1.3 ? "ok" : "OVER")
}'
