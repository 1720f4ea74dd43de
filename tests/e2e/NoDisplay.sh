#!/usr/bin/env bash
# Starts the real program without a usable display: with none named, it must say that none was
# found; naming one that no server serves, it must name that display, shown safely. Each time it
# prints one line that says what to set and exits with 1 (no abort, no core dump). Any other
# fatal message while the toolkit starts (an unknown platform plugin, with a display named or
# not) shows as one line too: its first line, after the program's name.
# Usage: NoDisplay.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/../../scripts/require.sh"
require test timeout

program=$1
none_found="conjugation-viewer: no display found: set DISPLAY, or run under a desktop session"
no_display=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

cannot_open() {
  printf 'conjugation-viewer: cannot open display "%s": set DISPLAY to a running display, or run under a desktop session' "$1"
}

printed=$(mktemp)
trap 'rm -f "$printed"' EXIT
check() {
  local case=$1 expected=$2 output status=0
  shift 2
  env "${no_display[@]}" "$@" timeout 30 "$program" >"$printed" 2>&1 || status=$?
  output=$(cat "$printed")
  # One line: the text expected, and nothing after it, not even an empty line.
  if [ "$status" -ne 1 ] || [ "$output" != "$expected" ] || [ "$(wc -l <"$printed")" -ne 1 ]; then
    printf 'FAIL (%s): exit code %s, output:\n%s\n' "$case" "$status" "$(cat -A "$printed")" >&2
    exit 1
  fi
}

check "DISPLAY unset" "$none_found"
check "DISPLAY empty" "$none_found" DISPLAY=
check "DISPLAY naming no server" "$(cannot_open :4711)" DISPLAY=:4711
# Control characters and DEL show as '?', blanks and '~' as themselves, and only the first 100
# bytes of the value are shown.
check "DISPLAY with control characters, too long" "$(cannot_open ":4711?[2J?$(printf '%090d' 0)...")" \
  DISPLAY=$':4711\e[2J\n'"$(printf '%0100d' 0)"
check "DISPLAY of 100 bytes with a blank, '~' and DEL" "$(cannot_open ":4711 ~?$(printf '%092d' 0)")" \
  DISPLAY=$':4711 ~\x7f'"$(printf '%092d' 0)"
cannot_start="conjugation-viewer: the user interface cannot start: This application failed to"
cannot_start+=" start because no Qt platform plugin could be initialized. Reinstalling the"
cannot_start+=" application may fix this problem."
check "unknown platform plugin" "$cannot_start" QT_QPA_PLATFORM=bogus
check "unknown platform plugin, a display named" "$cannot_start" QT_QPA_PLATFORM=bogus DISPLAY=:4711
echo "PASS: without a display, or with a platform that cannot start, the program says so in one" \
  "line and exits with 1"
