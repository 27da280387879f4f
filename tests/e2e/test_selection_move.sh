#!/bin/bash
# End-to-end test of moving a selection under Xvfb with real X input: a 3 x 2
# selection dragged with S, lifted by a drag from inside it, turned a quarter
# clockwise with Z while the button is held, put down, saved; the saved map
# holds the turned block and the selected tile where it was. Then Ctrl+Z and
# Ctrl+S give back the map as it was, byte for byte.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
MAP="$WORK/world/ZANPK.MAP"
ORIGINAL="$WORK/original.MAP"
cp "$MAP" "$ORIGINAL"
e2e_window_ini
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
to_cell() { xdotool mousemove "$(e2e_cell_x "$1")" "$(e2e_cell_y "$2")"; sleep 0.05; }
old() { tile "$ORIGINAL" $((22 + $1)) $((4 + $2)); }  # cell (x, y) of the selected block

e2e_start_xvfb
e2e_start_editor
e2e_wait_idle
e2e_open_map "ZANPK.MAP"
e2e_click $((5 + 18 * 10 + 9)) $((565 + 20 + 10))  # palette code 42 (the palette is at (5, 565))

to_cell 30 18
e2e_key s
to_cell 22 4
xdotool mousedown 1
sleep 0.08
to_cell 24 5
sleep 0.08
xdotool mouseup 1
sleep 0.1
# Lift the block by its top-left cell, carry it to (35, 12) and turn it there:
# the cell held stays under the pointer, so the turned block starts at (34, 12).
to_cell 22 4
xdotool mousedown 1
sleep 0.08
to_cell 30 8
to_cell 35 12
e2e_key z
to_cell 35 12
e2e_wait_idle
e2e_screenshot "$BUILD/selection_move_turned.png"
xdotool mouseup 1
sleep 0.1
e2e_key ctrl+s

# After a clockwise quarter turn, cell (c, r) of the 2 x 3 block shows cell
# (r, 1 - c) of the 3 x 2 one.
moved() {
  local c r
  for ((r = 0; r < 3; r++)); do
    for ((c = 0; c < 2; c++)); do [ "$(tile "$MAP" $((34 + c)) $((12 + r)))" = "$(old "$r" $((1 - c)))" ] || return 1; done
  done
  for ((r = 4; r < 6; r++)); do
    for ((c = 22; c < 25; c++)); do [ "$(tile "$MAP" "$c" "$r")" = 42 ] || return 1; done
  done
}
e2e_wait_until 10 "the saved map does not hold the turned block where it was put down" moved
e2e_screenshot "$BUILD/selection_move_saved.png"

to_cell 10 20
e2e_key ctrl+z
e2e_key ctrl+s
e2e_wait_until 10 "Ctrl+Z and Ctrl+S did not give back the map as it was" cmp -s "$MAP" "$ORIGINAL"
e2e_key ctrl+q
e2e_wait_until 10 "the editor did not end after Ctrl+Q on a saved map" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
E2E_APP_PID=""
echo "PASS"
