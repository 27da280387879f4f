#!/bin/bash
# End-to-end test of the area tools under Xvfb with real X input: the tool
# keys typed with the pointer over the map (R, L, S, B), a rectangle and a
# line dragged, a selection copied with Ctrl+C and stamped with Ctrl+V and a
# click, and a brush stroke moved across ten cells in one jump; then Save.
# The saved map is checked cell by cell.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
MAP="$WORK/world/ZANPK.MAP"
e2e_window_ini

to_cell() { xdotool mousemove "$(e2e_cell_x "$1")" "$(e2e_cell_y "$2")"; sleep 0.05; }
# A left drag from cell to cell, the button held over both ends.
drag() {
  to_cell "$1" "$2"
  xdotool mousedown 1
  sleep 0.08
  to_cell "$3" "$4"
  sleep 0.08
  xdotool mouseup 1
  sleep 0.1
}
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
# Every listed cell "c,r" of the saved map holds 42, waiting up to 5 s for the save.
expect_42() {
  local cell i ok
  for ((i = 0; i < 100; i++)); do
    ok=1
    for cell in "$@"; do [ "$(tile "$MAP" "${cell%,*}" "${cell#*,}")" = 42 ] || ok=0; done
    [ $ok = 1 ] && return 0
    sleep 0.05
  done
  for cell in "$@"; do echo "cell $cell: $(tile "$MAP" "${cell%,*}" "${cell#*,}")" >&2; done
  e2e_fail "not every cell holds 42: $*"
}

e2e_start_xvfb
e2e_start_editor
sleep 0.8
e2e_open_map "ZANPK.MAP"
e2e_click $((5 + 18 * 10 + 9)) $((565 + 20 + 10))  # palette code 42 (the palette is at (5, 565))

to_cell 20 20
e2e_key r
drag 2 2 5 4
e2e_key l
drag 10 10 14 12
to_cell 30 15
sleep 0.2
e2e_screenshot "$BUILD/area_tools_line.png"
e2e_key s
drag 2 2 3 3
e2e_screenshot "$BUILD/area_tools_select.png"
e2e_key ctrl+c
e2e_key ctrl+v
to_cell 20 15
sleep 0.2
e2e_screenshot "$BUILD/area_tools_paste.png"
e2e_click "$(e2e_cell_x 20)" "$(e2e_cell_y 15)"
e2e_key Escape
e2e_key b
drag 30 5 40 5
e2e_key alt+f
e2e_key s

expect_42 2,2 5,2 2,4 5,4 3,3 10,10 12,11 14,12 20,15 21,16 30,5 35,5 40,5
e2e_key alt+f
e2e_key q
sleep 0.5
echo "PASS"
