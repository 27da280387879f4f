#!/bin/bash
# End-to-end test of the map view under Xvfb with real X input on the demo
# world: open a map, pick a tile from the palette and from the map, paint,
# save; follow a teleport with the middle button; add a teleport through the
# destination selector; place an object; save; the world view and a click on
# it (a held button does not paint into the map it opens); save; a double
# click in File > Open paints nothing into the map it opens. The saved
# files are checked byte by byte; screenshots go to the build directory.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
WORLD="$WORK/world"
e2e_window_ini

# Screen positions: the client area starts at (3, 25), the map canvas at
# (5, 50), the palette at (5, 565), the side panel's pages at (876, 70).
cell_x() { echo $((5 + 18 * $1 + 9)); }
cell_y() { echo $((50 + 20 * $1 + 10)); }
click_cell() { e2e_click "$(cell_x "$1")" "$(cell_y "$2")" "${3:-1}"; }
click_palette() { e2e_click $((5 + 18 * ($1 % 32) + 9)) $((565 + 20 * ($1 / 32) + 10)); }
TELEPORTS_TAB="900 61"
OBJECTS_TAB="953 61"
TELEPORT_ADD="910 487"
FIRST_OBJECT_ROW="930 101"
QUANTITY_BOX="912 277"
OBJECT_ADD="965 277"

# The tile code of column c, row r (from 0) of a MAP file.
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
# The 11 bytes of placement record i of a ".DAT" file.
placement() { od -An -tu1 -j$((11 * $2)) -N11 "$1" | tr -s ' ' | sed 's/^ //'; }
first_free_placement() {
  local i
  for ((i = 0; i < 200; i++)); do
    [ "$(od -An -tu1 -j$((11 * i + 2)) -N1 "$1" | tr -d ' ')" = 0 ] && { echo "$i"; return; }
  done
  echo -1
}
# Retries the command for up to five seconds until it prints the expected text.
expect() {
  local what="$1" want="$2" got i
  shift 2
  for ((i = 0; i < 100; i++)); do
    got=$("$@")
    [ "$got" = "$want" ] && return 0
    sleep 0.05
  done
  e2e_fail "$what: expected '$want', got '$got'"
}
save() { e2e_key alt+f; e2e_key s; }
teleport_header() { head -1 "$WORLD/OAKVALE.MAP" | grep -o '>26,18:ZANAA!' || true; }

e2e_start_xvfb
e2e_start_editor
sleep 0.8

# ---- Open ZANPK, paint from the palette, pick from the map, paint, save ----
e2e_open_map "ZANPK.MAP"
SIGN=$(tile "$WORLD/ZANPK.MAP" 11 10)  # the cell of the teleport to OAKVALE
[ "$SIGN" != 42 ] && [ "$(tile "$WORLD/ZANPK.MAP" 1 0)" != "$SIGN" ] || e2e_fail "the demo map changed"
click_palette 42
click_cell 0 0
click_cell 11 10 3  # right button: picks the code under the pointer
click_cell 1 0
xdotool mousemove 300 300
sleep 0.3
e2e_screenshot "$BUILD/view_map.png"
save
expect "painted from the palette" 42 tile "$WORLD/ZANPK.MAP" 0 0
expect "painted with the picked code" "$SIGN" tile "$WORLD/ZANPK.MAP" 1 0

# ---- Follow the teleport into OAKVALE; add a teleport there ----
click_cell 11 10 2  # middle button
sleep 0.3
e2e_click $TELEPORT_ADD
sleep 0.5
e2e_screenshot "$BUILD/view_teleport_message.png"
e2e_key Return
click_cell 5 5
sleep 0.4
e2e_screenshot "$BUILD/view_teleport_selector.png"
e2e_type "ZANAA.MAP"
e2e_key Return
sleep 0.4

# ---- Place the first constant object three times over on cell (7, 7) ----
FREE=$(first_free_placement "$WORLD/OAKVALE.DAT")
[ "$FREE" -ge 0 ] || e2e_fail "OAKVALE.DAT has no free placement"
e2e_click $OBJECTS_TAB
e2e_click $FIRST_OBJECT_ROW
e2e_click $QUANTITY_BOX
e2e_type "3"
e2e_click $OBJECT_ADD
sleep 0.5
e2e_key Return
click_cell 7 7
e2e_click 812 572  # "Show Objects + Creatures"
xdotool mousemove 300 300
sleep 0.3
e2e_screenshot "$BUILD/view_objects.png"
save
expect "the teleport to ZANAA" '>26,18:ZANAA!' teleport_header
expect "the placed object" "8 8 1 3 0 0 0 0 0 0 0" placement "$WORLD/OAKVALE.DAT" "$FREE"

# ---- World view: a held click opens ZANLM and does not paint; a new press does ----
LM_BEFORE=$(tile "$WORLD/ZANLM.MAP" 27 15)
LM_NEXT=$(tile "$WORLD/ZANLM.MAP" 28 15)
e2e_key alt+v
e2e_key w
sleep 2
xdotool mousemove 400 300
sleep 0.3
e2e_screenshot "$BUILD/view_world.png"
xdotool mousemove 505 350
sleep 0.1
xdotool mousedown 1
sleep 0.1
xdotool mousemove 521 350
sleep 0.1
xdotool mouseup 1
sleep 0.2
click_cell 2 2
save
expect "painted after a new press" "$SIGN" tile "$WORLD/ZANLM.MAP" 2 2
expect "the world click's cell" "$LM_BEFORE" tile "$WORLD/ZANLM.MAP" 27 15
expect "the cell dragged over" "$LM_NEXT" tile "$WORLD/ZANLM.MAP" 28 15

# ---- A double click in File > Open over the map paints nothing into the map it opens ----
cp "$WORLD/ZANAB.MAP" "$WORK/ZANAB.before"
e2e_key alt+f
e2e_key o
sleep 0.5
xdotool mousemove 340 418 click 1  # the row of ZANAB.MAP, over the map canvas
sleep 0.08
xdotool mousedown 1
sleep 0.3
xdotool mousemove 352 422  # the second press still held, and moved within the row
sleep 0.3
xdotool mouseup 1
sleep 0.3
save
sleep 0.5
cmp -s "$WORLD/ZANAB.MAP" "$WORK/ZANAB.before" || e2e_fail "the double click painted into ZANAB.MAP"
click_cell 0 0
save
expect "painted after a new press in ZANAB" "$SIGN" tile "$WORLD/ZANAB.MAP" 0 0

e2e_key alt+f
e2e_key q
sleep 0.5
echo "PASS"
