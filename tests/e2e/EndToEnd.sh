#!/usr/bin/env bash
# Starts the real program on a virtual display, finds its window by title, saves a screenshot,
# picks another verb with the mouse and keyboard, reads the shown forms through the clipboard,
# quits with Ctrl+Q and checks that the process exited with 0.
# Usage: EndToEnd.sh PROGRAM OUTPUT_DIR
set -euo pipefail

program=$1
output=$2
mkdir -p "$output"

if [ -z "${E2E_INNER:-}" ]; then
  export E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

title="ヴェルボリカ"
deadline=$((SECONDS + 60))

fail() {
  echo "FAIL: $*" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Polls a condition until it holds or the deadline passes.
wait_for() {
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

window_id() { xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_id)" ]; }

# The program runs as a user starts it: no arguments, its own environment.
env -u QT_QPA_PLATFORM "$program" &
pid=$!

wait_for has_window || fail "no window titled $title"
window=$(window_id)
# No window manager runs on the virtual display: give the window the focus directly.
xdotool windowfocus --sync "$window"

# Controls stand in the content area, 400 pixels high, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
MENU=$((HEIGHT - 400))
[ "$MENU" -ge 0 ] || fail "window is $HEIGHT pixels high"
read_field() {
  # Selects all of the read-only field's text and copies it.
  xdotool mousemove --window "$window" 100 "$((120 + MENU))" click 1
  xdotool key ctrl+a ctrl+c
  xclip -o -selection clipboard 2>/dev/null | tr '\n\r' '||' || true
}

import -window root "$output/e2e-start.png"

field_shows() { read_field | grep -q "$1"; }
wait_for field_shows "sum es est" || fail "the field does not show the Latin present of esse"

# Open the verb list's entry and step to the next row.
xdotool mousemove --window "$window" 300 "$((295 + MENU))" click 1
xdotool key Down
wait_for field_shows "habeo habes habet" || fail "choosing the next verb did not show habere"

import -window root "$output/e2e-habere.png"

xdotool key ctrl+q
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status after Ctrl+Q"
echo "PASS: window shown, verb chosen, quit with exit code 0"
