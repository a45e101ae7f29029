#!/bin/sh
# Stands in for the opener and the shutdown command in tests: records its arguments,
# one call a line, prefixed by the launch sequence number the program passes along.
printf '%s\t%s\n' "${PATHWICK_LAUNCH_SEQUENCE:-0}" "$*" >> "${PATHWICK_RECORD_FILE:-/dev/null}"
