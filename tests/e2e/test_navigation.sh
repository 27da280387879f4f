#!/bin/bash
# End-to-end test of moving between world maps by key under Xvfb with real X
# input on the demo world: Ctrl+arrows open the neighbouring world maps, and
# Alt+Left and Alt+Right go back and forward through them. Which map is open
# is told by painting a cell and saving: the file that changes is the open map.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
WORLD="$WORK/world"
printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$WORLD_EDITOR" >"$WORK/dola.ini"

# The tile code of column c, row r (from 0) of a MAP file.
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
# Paints cell (c, 0) of the open map with palette code 42 and saves.
paint_and_save() {
  e2e_click $((5 + 18 * (42 % 32) + 9)) $((565 + 20 * (42 / 32) + 10))
  e2e_click $((5 + 18 * $1 + 9)) 60
  e2e_key alt+f
  e2e_key s
}
# Waits up to five seconds for cell (c, 0) of the map file to hold code 42.
expect_painted() {
  local i
  for ((i = 0; i < 100; i++)); do
    [ "$(tile "$WORLD/$1" "$2" 0)" = 42 ] && return 0
    sleep 0.05
  done
  e2e_fail "cell $2, 0 of $1 was not painted: another map was open"
}

for map in ZANAB ZANBB ZANBC; do
  for c in 0 1; do [ "$(tile "$WORLD/$map.MAP" "$c" 0)" != 42 ] || e2e_fail "the demo map $map changed"; done
done
ORIGINAL_AB=$(md5sum <"$WORLD/ZANAB.MAP")

e2e_start_xvfb
(cd "$WORK" && exec "$BIN" >"$WORK/out.txt" 2>&1) &
E2E_APP_PID=$!
timeout 10 xdotool search --sync --name 'DOLA' >/dev/null || e2e_fail "no editor window"
sleep 0.8

e2e_open_map "ZANAB.MAP"
e2e_key ctrl+Right
paint_and_save 0
expect_painted ZANBB.MAP 0

e2e_key ctrl+Down     # ZANBC
e2e_key alt+Left      # ZANBB
e2e_key alt+Left      # ZANAB
e2e_key alt+Right     # ZANBB
paint_and_save 1
expect_painted ZANBB.MAP 1
[ "$(tile "$WORLD/ZANBC.MAP" 1 0)" != 42 ] || e2e_fail "ZANBC was painted instead of ZANBB"
[ "$(md5sum <"$WORLD/ZANAB.MAP")" = "$ORIGINAL_AB" ] || e2e_fail "ZANAB changed"
echo "navigation by key: OK"
