#!/usr/bin/env bash
# Starts the real program on a virtual display, finds its window by title, saves a screenshot,
# picks another verb with the mouse and keyboard, reads the shown forms through the clipboard,
# types an accented letter with a dead key into the read-only field, which must keep its forms,
# copies them through the Edit menu opened from the keyboard, quits with Ctrl+Q and checks that
# the process exited with 0. Then starts it once under each
# locale a user may have (none set, C, C.UTF-8, Japanese where installed) and checks that both X
# title properties hold the title.
# Usage: EndToEnd.sh PROGRAM OUTPUT_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/require.sh"
require test xvfb-run xauth xdotool xclip xprop import setxkbmap

program=$1
output=$2
mkdir -p "$output"

if [ -z "${E2E_INNER:-}" ]; then
  export E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

title="ヴェルボリカ"
# The test's own tools read and match the Japanese title in UTF-8, whatever the caller's locale;
# the program runs under the caller's locale, or under the one that a step gives it.
caller_locale=(-u LC_ALL)
[ -z "${LC_ALL+set}" ] || caller_locale=(LC_ALL="$LC_ALL")
export LC_ALL=C.UTF-8
no_locale=(-u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES)

fail() {
  echo "FAIL: $*" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Polls a condition until it holds or 30 seconds have passed.
wait_for() {
  local deadline=$((SECONDS + 30))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

window_id() { xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_id)" ]; }

# Starts the program as a user does: no arguments, the caller's environment with the changes that
# the arguments give (env's "-u NAME" and "NAME=value").
start_program() {
  env -u QT_QPA_PLATFORM "$@" "$program" &
  pid=$!
  wait_for has_window || fail "no window titled $title (environment: $*)"
  window=$(window_id)
  # No window manager runs on the virtual display: give the window the focus directly.
  xdotool windowfocus --sync "$window"
}

quit_program() {
  xdotool key ctrl+q
  local status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "exit code $status after Ctrl+Q"
}

# --- A user's session, in the caller's locale -------------------------------------------------

start_program "${caller_locale[@]}"

# Controls stand in the content area, 400 pixels high, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
MENU=$((HEIGHT - 400))
[ "$MENU" -ge 0 ] || fail "window is $HEIGHT pixels high"
read_field() {
  # Selects all of the read-only field's text and copies it; an empty clipboard reads as nothing.
  xdotool mousemove --window "$window" 100 "$((120 + MENU))" click 1
  xdotool key ctrl+a ctrl+c
  xclip -o -selection clipboard 2>/dev/null | tr '\n\r' '||'
}

import -window root "$output/e2e-start.png"

field_shows() { read_field | grep -q "$1"; }
wait_for field_shows "sum es est" || fail "the field does not show the Latin present of esse"

# Open the verb list's entry and step to the next row.
xdotool mousemove --window "$window" 300 "$((295 + MENU))" click 1
xdotool key Down
wait_for field_shows "habeo habes habet" || fail "choosing the next verb did not show habere"

import -window root "$output/e2e-habere.png"

# A dead key and a letter, as a user of the international layout types an accented letter, over
# the field's selected text: the field keeps its forms. Then Alt, Right to the Edit menu, Down to
# open it at its first enabled item (Copy) and Return copy them.
setxkbmap -layout us -variant intl
xdotool mousemove --window "$window" 100 "$((120 + MENU))" click 1
xdotool key ctrl+a dead_acute e
printf '' | xclip -selection clipboard
xdotool key alt Right Down Return
copied() { xclip -o -selection clipboard 2>/dev/null | tr '\n' '|' | grep -q "^habeo habes habet|"; }
wait_for copied || fail "after a dead key the Edit menu's Copy gave \"$(xclip -o -selection clipboard)\""
setxkbmap -layout us
quit_program

# --- The title in both X title properties, under every locale ---------------------------------

title_property() { xprop -id "$window" "$1" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'; }
locales=("" LANG=C LANG=C.UTF-8)
if locale -a | grep -q -i -x 'ja_JP\.utf-\?8'; then locales+=(LANG=ja_JP.UTF-8); fi
for setting in "${locales[@]}"; do
  # shellcheck disable=SC2086 # an empty setting is no word at all
  start_program "${no_locale[@]}" $setting
  for property in WM_NAME _NET_WM_NAME; do
    shown=$(title_property "$property")
    [ "$shown" = "$title" ] || fail "$property is \"$shown\" (locale: ${setting:-none})"
  done
  quit_program
done

echo "PASS: window shown, verb chosen, quit with exit code 0; title right under ${#locales[@]} locales"
