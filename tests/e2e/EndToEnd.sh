#!/usr/bin/env bash
# Starts the real program on a virtual display of the test's own, finds its window by title,
# saves a screenshot, picks another verb with the mouse and keyboard, reads the shown forms
# through the clipboard, types an accented letter with a dead key into the read-only field, which
# must keep its forms, and copies them through the Edit menu opened from the keyboard, and with
# Ctrl+C after the menu showed Copy grey. While a clipboard owner hangs, a click into the language
# list and a typed letter must be drawn within 3 seconds. Then it quits with Ctrl+Q, checks that
# the process exited with 0 and that the toolkit's start-up warnings reached stderr, none of them
# about a font size of 0 (a control's default size, which is never handed on). Then starts it
# once under each locale a user may have (none set, C, C.UTF-8, Japanese where installed) and
# checks that both X title properties hold the title.
# Usage: EndToEnd.sh PROGRAM OUTPUT_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/require.sh"
require test Xvfb xdotool xclip xprop import setxkbmap

program=$1
output=$2
mkdir -p "$output"
: >"$output/program.log"

title="ヴェルボリカ"
# The test's own tools read and match the Japanese title in UTF-8, whatever the caller's locale;
# the program runs under the caller's locale, or under the one that a step gives it.
caller_locale=(-u LC_ALL)
[ -z "${LC_ALL+set}" ] || caller_locale=(LC_ALL="$LC_ALL")
export LC_ALL=C.UTF-8
no_locale=(-u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES)

fail() {
  echo "FAIL: $*" >&2
  sed 's/^/program: /' "$output/program.log" >&2
  exit 1
}

# The program, a clipboard owner and the display end with the test, however it ends.
stop() {
  [ -z "${owner:-}" ] || kill -KILL "$owner" 2>/dev/null || true # stopped, it heeds no other signal
  [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait "$server" || true
}

# The display server picks a free number itself and writes it once it accepts connections, so
# tests that run side by side never share a display. It never resets: a reset when the last
# client leaves would turn away a program that connects at that moment.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -noreset 2>"$output/xvfb.log")
server=$!
trap stop EXIT
read -r -t 30 -u 3 number || fail "no virtual display: $(cat "$output/xvfb.log")"
export DISPLAY=:$number
unset WAYLAND_DISPLAY

# Polls a condition until it holds or 30 seconds have passed.
wait_for() {
  local deadline=$((SECONDS + 30))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Whether a menu of the program's is on screen: a window of its own beside the main window (no
# other popup is open when this is asked).
menu_shown() {
  [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window")" ]
}
menu_closed() { ! menu_shown; }
# Opens the Edit menu from the keyboard (Alt, Right to Edit, Down) and waits until it shows, so
# that the next key reaches the open menu.
open_edit_menu() {
  xdotool key alt Right Down
  wait_for menu_shown || fail "the Edit menu did not open from the keyboard"
}

window_id() {
  xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null | head -n 1
}
# Whether the program, started in the environment $1, shows its window; once ended it never will.
has_window() {
  jobs -rp | grep -qx "$pid" ||
    fail "the program ended without showing its window (environment: $1)"
  [ -n "$(window_id)" ]
}

# Starts the program as a user does: no arguments, the caller's environment with the changes that
# the arguments give (env's "-u NAME" and "NAME=value"). Its stderr goes to program.log.
start_program() {
  env -u QT_QPA_PLATFORM "$@" "$program" 2>"$output/program.log" &
  pid=$!
  wait_for has_window "$*" || fail "no window titled $title (environment: $*)"
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

# An unknown style makes the toolkit warn while it connects to the display, when its messages are
# held back; they must still reach stderr once the start has succeeded.
start_program "${caller_locale[@]}" QT_STYLE_OVERRIDE=no-such-style

# Controls stand in the content area, 400 pixels high, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
MENU=$((HEIGHT - 400))
[ "$MENU" -ge 0 ] || fail "window is $HEIGHT pixels high"
clipboard() { xclip -o -selection clipboard 2>/dev/null; } # nothing while the clipboard is empty
read_field() {
  # Selects all of the read-only field's text and copies it.
  xdotool mousemove --window "$window" 100 "$((120 + MENU))" click 1
  xdotool key ctrl+a ctrl+c
  clipboard | tr '\n\r' '||'
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
open_edit_menu
xdotool key Return
copied() { clipboard | tr '\n' '|' | grep -q "^habeo habes habet|"; }
wait_for copied || fail "after a dead key the Edit menu's Copy gave \"$(clipboard)\""
setxkbmap -layout us

# What the Edit menu showed grey decides no later shortcut: with nothing selected in the field the
# menu shows Copy grey; Escape closes it and leaves the menu bar with the focus, where Ctrl+A and
# Ctrl+C select and copy the forms. The click lands below the text, away from the earlier clicks,
# so that it counts as one click, which selects nothing.
xdotool mousemove --window "$window" 300 "$((180 + MENU))" click 1
printf '' | xclip -selection clipboard
open_edit_menu
import -window root "$output/e2e-edit-menu.png"
xdotool key Escape
wait_for menu_closed || fail "Escape did not close the Edit menu"
xdotool key ctrl+a ctrl+c Escape
wait_for copied || fail "Ctrl+C after the Edit menu showed Copy grey gave \"$(clipboard)\""

# A clipboard owner that does not answer stalls no click or key: a click into the language list
# and a letter that names no row empty the field within 3 seconds. The field is read from the
# screen, as the clipboard cannot serve while its owner hangs: an empty field is one colour.
field_empty() {
  [ "$(import -window "$window" -crop 540x140+25+$((70 + MENU)) -format %k info:)" = 1 ]
}
! field_empty || fail "the field shows nothing before the clipboard's owner hangs"
xclip -quiet -i -selection clipboard -loops 100 <<<hello >/dev/null 2>&1 &
owner=$!
holds_hello() { [ "$(clipboard)" = hello ]; }
wait_for holds_hello || fail "xclip does not serve the clipboard"
kill -STOP "$owner"
clicked=${EPOCHREALTIME/./} # microseconds
xdotool mousemove --window "$window" 300 "$((255 + MENU))" click 1 key q
until field_empty; do
  [ $((${EPOCHREALTIME/./} - clicked)) -lt 3000000 ] ||
    fail "a click and a key were not drawn within 3 seconds while the clipboard's owner hangs"
  sleep 0.1
done
kill -KILL "$owner"
wait "$owner" 2>/dev/null || true
owner=
quit_program
grep -q "invalid style override 'no-such-style'" "$output/program.log" ||
  fail "the toolkit's warning while it started did not reach stderr"
! grep -q "Point size <= 0" "$output/program.log" || fail "a font size of 0 reached the toolkit"

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

echo "PASS: window shown, verb chosen, drawn at once while the clipboard hangs, quit with" \
  "exit code 0, start-up warnings shown; title right under ${#locales[@]} locales"
