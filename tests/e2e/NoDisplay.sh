#!/usr/bin/env bash
# Starts the real program without a usable display, once with none named and once naming a
# display that no server serves: each time it must print one line that says so and what to set,
# and exit with 1 (no abort, no core dump).
# Usage: NoDisplay.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/../../scripts/require.sh"
require test timeout

program=$1
expected="conjugation-viewer: no display found: set DISPLAY or WAYLAND_DISPLAY, or run under a desktop session"
no_display=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

check() {
  local case=$1 output status=0
  shift
  output=$(env "${no_display[@]}" "$@" timeout 30 "$program" 2>&1) || status=$?
  if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    printf 'FAIL (%s): exit code %s, output:\n%s\n' "$case" "$status" "$output" >&2
    exit 1
  fi
}

check "DISPLAY unset"
check "DISPLAY naming no server" DISPLAY=:4711
echo "PASS: without a display the program says so in one line and exits with 1"
