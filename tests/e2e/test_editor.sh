#!/bin/bash
# End-to-end test of the editor: without a display it ends at once with a
# message; under Xvfb with real X input, a first start
# without dola.ini (the game directory chooser before the main window, Quit,
# the three lines written), then a demo map opened by keyboard, saved under a
# new name with Save As, and Quit; last the window's close button on a map a
# script changed: Cancel keeps the editor, Save writes the map and ends it.
# Screenshots go to the build directory.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace

# Without a display the editor says so on the terminal and ends with status 1.
status=0
(cd "$WORK" && env -u DISPLAY timeout 20 "$BIN" >"$WORK/out.txt" 2>&1) || status=$?
[ "$status" = 1 ] || e2e_fail "without a display the editor ended with status $status"
grep -q "no 1024 x 768 graphics mode could be set" "$WORK/out.txt" || e2e_fail "without a display: $(cat "$WORK/out.txt")"
[ ! -e "$WORK/dola.ini" ] || e2e_fail "without a display the editor wrote dola.ini"

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT

start_editor() {
  e2e_start_editor
  sleep 0.8
  xdotool mousemove 500 400
}

# Waits up to ten seconds for the editor to end; fails when it does not.
wait_for_exit() {
  local i
  for ((i = 0; i < 200; i++)); do
    kill -0 "$E2E_APP_PID" 2>/dev/null || { wait "$E2E_APP_PID" || true; E2E_APP_PID=""; return 0; }
    sleep 0.05
  done
  e2e_screenshot "$BUILD/editor_not_ended.png"
  e2e_fail "the editor did not end ($1)"
}

# The y of the selector's highlighted row: the first run of at least 8
# highlighted pixels down the list (a focus frame in that colour is a single
# line); empty when no row is highlighted.
selected_row_y() {
  local shot="$WORK/shot.png"
  e2e_screenshot "$shot"
  convert "$shot" -crop 1x330+400+200 txt:- |
    awk -F'[,:]' '/#316DB5/ {if ($2 == last + 1) run++; else {run = 1; start = $2}; last = $2;
                              if (run == 8 && found == "") found = start + 200}
                  END {print found}'
}

# Double-clicks the highlighted row of the selector's list (type-to-find
# moved the selection there) until the folder it names opens: a machine too
# busy to run the editor's loop for a moment may split a double click in two,
# and a user would then double-click again.
double_click_selected_row() {
  local y="" i try
  for ((i = 0; i < 25; i++)); do
    sleep 0.2
    y=$(selected_row_y)
    [ -n "$y" ] && break
  done
  [ -n "$y" ] || e2e_fail "no selected row in the selector"
  for ((try = 0; try < 3; try++)); do
    xdotool mousemove 400 $((y + 8)) click --repeat 2 --delay 80 1
    for ((i = 0; i < 10; i++)); do
      sleep 0.2
      [ -z "$(selected_row_y)" ] && return 0
    done
  done
  e2e_fail "double clicks on the selected row opened no folder"
}

# Waits up to ten seconds for the main window: its map canvas is black where
# the chooser and the bare desk are not.
wait_for_main_window() {
  local i shot="$WORK/shot.png"
  for ((i = 0; i < 50; i++)); do
    e2e_screenshot "$shot"
    [ "$(convert "$shot" -crop 1x1+400+300 -format '%[hex:p{0,0}]' info:-)" = 000000 ] && return 0
    sleep 0.2
  done
  e2e_fail "the main window did not appear ($1)"
}

# File > Open by keyboard: the selector starts in the game directory.
open_demo_map() {
  e2e_open_map "ZANAB.MAP"
}

quit_by_keyboard() {
  e2e_key alt+f
  e2e_key q
  wait_for_exit "$1"
}

# ---- A first start: the directory chooser comes before the main window ----
# It starts at the root; type-to-find and double clicks walk down to the world.
start_editor
e2e_screenshot "$BUILD/editor_first_start.png"
e2e_key shift+Tab
for folder in $(printf '%s' "${WORK#/}/world" | tr '/' ' '); do
  e2e_type "$folder"
  double_click_selected_row
done
e2e_screenshot "$BUILD/editor_chooser_walked.png"
e2e_click 340 549
wait_for_main_window "after the directory chooser"
e2e_screenshot "$BUILD/editor_empty.png"
quit_by_keyboard "Quit after the first start"
expected=$(printf 'mode=fullscreen\r\nZANDirectory=%s\r\nbackups=50\r\ncolordepth=16\r\n' "$WORLD_EDITOR")
[ "$(cat "$WORK/dola.ini")" = "$expected" ] || e2e_fail "dola.ini after the first start: $(cat -A "$WORK/dola.ini")"

# ---- Open a demo map by keyboard, Save As a new name, Quit ----
e2e_window_ini
start_editor
wait_for_main_window "at start"
open_demo_map
e2e_screenshot "$BUILD/editor_map_open.png"
e2e_key alt+f
e2e_key a
sleep 0.3
e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
e2e_type "COPY.MAP"
e2e_screenshot "$BUILD/editor_save_as.png"
e2e_key Return
sleep 0.5
[ -f "$WORK/world/COPY.MAP" ] || e2e_fail "Save As wrote no COPY.MAP: $(ls "$WORK/world" | grep -v '^ZAN' | tr '\n' ' ')"
cmp -s "$WORK/world/COPY.MAP" "$WORK/world/ZANAB.MAP" || e2e_fail "COPY.MAP differs from ZANAB.MAP"
quit_by_keyboard "Quit after Save As"

# ---- The close button with unsaved changes ----
printf 'void main() { settile(1, 1, 65); }\n' >"$WORK/mark.as"
start_editor
wait_for_main_window "at start"
open_demo_map
e2e_key alt+s
e2e_key l
sleep 0.3
e2e_type "C:$(printf '%s' "$WORK/mark.as" | tr '/' '\\')"
e2e_key Return
sleep 0.5
window=$(xdotool search --name 'DOLA' | head -1)
"$BUILD/tests/dola-send-close" "$window"
sleep 0.5
e2e_screenshot "$BUILD/editor_close_question.png"
e2e_key Escape
sleep 0.5
kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "Cancel did not keep the editor running"
"$BUILD/tests/dola-send-close" "$window"
sleep 0.5
e2e_key s
wait_for_exit "Save in the close question"
[ "$(sed -n 2p "$WORK/world/ZANAB.MAP" | cut -c2)" = A ] || e2e_fail "the script's tile was not saved"
echo "PASS"
