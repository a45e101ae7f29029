# Sourced by the test and benchmark scripts: a scratch folder holding a temporary settings
# store, XDG folders and the recorder in place of the opener and the shutdown command, and
# an Xvfb of our own. Nothing real is touched and nothing opens on the user's desktop.

# pathwick_sandbox ROOT: makes $scratch and exports the environment; cleans up on exit.
pathwick_sandbox() {
  local root=$1
  scratch=$(mktemp -d /tmp/pathwick-sandbox.XXXXXX)
  xvfb_pid=""
  trap 'pathwick_sandbox_cleanup' EXIT
  export PATHWICK_STORE="$scratch/store/settings.sqlite3"
  export PATHWICK_SHUTDOWN_COMMAND="$root/tests/support/recorder.sh"
  export PATHWICK_OPENER="$root/tests/support/recorder.sh"
  export PATHWICK_RECORD_FILE="$scratch/recorded.txt"
  export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
  export XDG_RUNTIME_DIR="$scratch/runtime"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

pathwick_sandbox_cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}

# start_xvfb FIRST LAST: starts Xvfb on the first free display number in the range and
# sets $xvfb_display (":N"); -noreset keeps it from resetting between clients.
start_xvfb() {
  local display
  for display in $(seq "$1" "$2"); do
    [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [[ -e /tmp/.X11-unix/X$display ]] && break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      xvfb_display=":$display"
      return 0
    fi
    xvfb_pid=""
  done
  echo "Could not start Xvfb" >&2
  return 1
}
