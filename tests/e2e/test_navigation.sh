#!/bin/bash
# Real X input on the demo world: Ctrl+arrows open the neighbouring world
# maps, Alt+Left and Alt+Right go back and forward, also while a button
# (the teleports page's "Delete", clicked first) has the keyboard focus. Painting a cell and saving
# tells which map is open: the file that changes.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
source "$2/tests/e2e/lib.sh"
e2e_demo_workspace
e2e_window_ini

# The tile code of column c, row 0 of a MAP file of the world.
tile() { sed -n 2p "$WORK/world/$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
# Paints cell (c, 0) of the open map with palette code 42, saves, and waits
# up to five seconds for that cell of the given map file to hold it.
paint_and_expect() {
  local i
  e2e_click $((5 + 18 * 10 + 9)) $((565 + 20 + 10))
  e2e_click $((5 + 18 * $2 + 9)) 60
  e2e_key alt+f s
  for ((i = 0; i < 100; i++)); do [ "$(tile "$1" "$2")" = 42 ] && return 0; sleep 0.05; done
  e2e_fail "cell $2, 0 of $1 was not painted: another map was open"
}
for map in ZANAB ZANBB ZANBC; do [[ $(tile $map.MAP 0) != 42 && $(tile $map.MAP 1) != 42 ]] || e2e_fail "$map changed"; done

e2e_start_xvfb
e2e_start_editor
sleep 0.8
e2e_open_map "ZANAB.MAP"
e2e_click 955 487  # "Delete" with no teleport chosen: the button keeps the focus
e2e_key ctrl+Right
paint_and_expect ZANBB.MAP 0
e2e_key ctrl+Down alt+Left alt+Left alt+Right  # ZANBC, ZANBB, ZANAB, ZANBB
paint_and_expect ZANBB.MAP 1
[ "$(tile ZANBC.MAP 1)" != 42 ] || e2e_fail "ZANBC was painted instead of ZANBB"
[ "$(tile ZANAB.MAP 1)" != 42 ] || e2e_fail "ZANAB was painted instead of ZANBB"
echo "navigation by key: OK"
