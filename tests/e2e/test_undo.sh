#!/bin/bash
# End-to-end test of undo and redo under Xvfb with real X input: a brush
# stroke and a click painted on a demo map, Ctrl+Z twice, Ctrl+Y once and
# Ctrl+S; the saved file holds the stroke and not the click.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
MAP="$WORK/world/ZANPK.MAP"
e2e_window_ini
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
to_cell() { xdotool mousemove "$(e2e_cell_x "$1")" "$(e2e_cell_y "$2")"; sleep 0.05; }
stroke=(30,5 31,5 32,5 33,5 34,5)
for cell in "${stroke[@]}" 20,15; do
  [ "$(tile "$MAP" "${cell%,*}" "${cell#*,}")" != 42 ] || e2e_fail "cell $cell already holds 42"
done
clicked_before=$(tile "$MAP" 20 15)

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT
e2e_start_editor
sleep 0.8
e2e_open_map "ZANPK.MAP"
e2e_click $((5 + 18 * 10 + 9)) $((565 + 20 + 10))  # palette code 42 (the palette is at (5, 565))

to_cell 30 5
xdotool mousedown 1
sleep 0.08
for column in 31 32 33 34; do to_cell "$column" 5; sleep 0.03; done
sleep 0.08
xdotool mouseup 1
sleep 0.1
e2e_click "$(e2e_cell_x 20)" "$(e2e_cell_y 15)"
to_cell 24 10
e2e_key ctrl+z
e2e_key ctrl+z
e2e_key ctrl+y
e2e_key ctrl+s

saved() {
  local cell
  for cell in "${stroke[@]}"; do [ "$(tile "$MAP" "${cell%,*}" "${cell#*,}")" = 42 ] || return 1; done
}
e2e_wait_until 10 "the saved map does not hold the redone stroke" saved
[ "$(tile "$MAP" 20 15)" = "$clicked_before" ] || e2e_fail "the undone click was saved"
e2e_screenshot "$BUILD/undo_redo.png"
# Saved: Quit asks nothing and the editor ends.
e2e_key ctrl+q
e2e_wait_until 10 "the editor did not end after Ctrl+Q on a saved map" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
E2E_APP_PID=""
echo "PASS"
