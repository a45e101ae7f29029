# Sourced by the comparison scripts of bench/: sets $root and $build ($PATHWICK_BUILD_DIR,
# else build/), and bench_desktop TARGET... builds those targets, then makes the sandbox
# (temporary store, the recorder in place of the opener and the shutdown command) with an
# Xvfb of its own as DISPLAY, where the programs run as on an X desktop. Nothing real is
# touched.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${PATHWICK_BUILD_DIR:-$root/build}

bench_desktop() {
  cmake -S "$root" -B "$build" >/dev/null
  cmake --build "$build" --target "$@" >/dev/null

  source "$root/scripts/sandbox.sh"
  pathwick_sandbox "$root"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  start_xvfb 150 200
  export DISPLAY="$xvfb_display"
}
