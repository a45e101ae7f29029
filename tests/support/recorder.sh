#!/bin/sh
# Stands in for the opener and the shutdown command in tests: records its arguments,
# one call a line, prefixed by the launch sequence number the program passes along.
# With PATHWICK_RECORDER_FAIL set it records the call, prints that text as its error and
# exits 1, as a command that refuses does.
printf '%s\t%s\n' "${PATHWICK_LAUNCH_SEQUENCE:-0}" "$*" >> "${PATHWICK_RECORD_FILE:-/dev/null}"
if [ -n "${PATHWICK_RECORDER_FAIL:-}" ]; then
    printf '%s\n' "$PATHWICK_RECORDER_FAIL" >&2
    exit 1
fi
