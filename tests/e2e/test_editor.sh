#!/bin/bash
# End-to-end test of the editor under Xvfb with real X input: a first start
# without dola.ini (the game directory chooser before the main window, Quit,
# the three lines written), then a demo map opened by keyboard, saved under a
# new name with Save As, and Quit. Screenshots go to the build directory.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT

start_editor() {
  (cd "$WORK" && exec "$BIN" >"$WORK/out.txt" 2>&1) &
  E2E_APP_PID=$!
  timeout 10 xdotool search --sync --name 'DOLA' >/dev/null || e2e_fail "no editor window"
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
  e2e_fail "the editor did not end"
}

quit_by_keyboard() {
  e2e_key alt+f
  e2e_key q
  wait_for_exit
}

# ---- A first start: the directory chooser comes before the main window ----
start_editor
e2e_screenshot "$BUILD/editor_first_start.png"
e2e_type "$WORLD_EDITOR"
e2e_key Return
sleep 0.8
e2e_screenshot "$BUILD/editor_empty.png"
quit_by_keyboard
expected=$(printf 'mode=fullscreen\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$WORLD_EDITOR")
[ "$(cat "$WORK/dola.ini")" = "$expected" ] || e2e_fail "dola.ini after the first start: $(cat -A "$WORK/dola.ini")"

# ---- Open a demo map by keyboard, Save As a new name, Quit ----
printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$WORLD_EDITOR" >"$WORK/dola.ini"
start_editor
e2e_key alt+f
e2e_key o
sleep 0.3
e2e_type "ZANAB.MAP"
e2e_key Return
sleep 0.5
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
quit_by_keyboard
echo "PASS"
