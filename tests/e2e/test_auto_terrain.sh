#!/bin/bash
# End-to-end test of Auto Terrain under Xvfb with real X input: with it on
# (key T), a brush stroke of water through hills on a demo map ends in shore
# pieces and a channel drawn by the demo world's terrain rules; the saved map
# holds them, and one Ctrl+Z takes the water and the shores away together.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
MAP="$WORK/world/ZANHH.MAP"
e2e_window_ini
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
to_cell() { xdotool mousemove "$(e2e_cell_x "$1")" "$(e2e_cell_y "$2")"; sleep 0.05; }
before=()
for column in 10 11 12 13 14; do
  code=$(tile "$MAP" "$column" 8)
  case "$code" in 208 | 97 | 98 | 99 | 100 | 101 | 102 | 103 | 105 | 106 | 107 | 108 | 109) e2e_fail "cell $column,8 is water already" ;; esac
  before+=("$code")
done

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT
e2e_start_editor
sleep 0.8
e2e_open_map "ZANHH.MAP"
to_cell 24 16
e2e_key t
e2e_click $((5 + 18 * 16 + 9)) $((565 + 20 * 6 + 10))  # palette code 208, open water

to_cell 10 8
xdotool mousedown 1
sleep 0.08
for column in 11 12 13 14; do to_cell "$column" 8; sleep 0.03; done
sleep 0.08
xdotool mouseup 1
sleep 0.1
to_cell 24 16
e2e_key ctrl+s

# Land west of the stroke's first cell, east of its last; a channel between.
want=(99 103 103 103 100)
saved_codes() {
  local i expected=("$@")
  for i in 0 1 2 3 4; do [ "$(tile "$MAP" $((10 + i)) 8)" = "${expected[$i]}" ] || return 1; done
}
e2e_wait_until 10 "the saved map does not hold the shore pieces ${want[*]}" saved_codes "${want[@]}"
e2e_screenshot "$BUILD/auto_terrain.png"

e2e_key ctrl+z
e2e_key ctrl+s
e2e_wait_until 10 "Ctrl+Z did not take the water and its shores away together" saved_codes "${before[@]}"
e2e_key ctrl+q
e2e_wait_until 10 "the editor did not end after Ctrl+Q on a saved map" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
E2E_APP_PID=""
echo "PASS"
