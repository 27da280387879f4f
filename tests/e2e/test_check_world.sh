#!/bin/bash
# End-to-end test of Tools > Check World under Xvfb with real X input: on a
# copy of the demo world with one planted error (a teleport of ZANCD.MAP to a
# map that is not there) and no map open, the findings window lists it first,
# and Return opens its map: File > Save then writes ZANCD.MAP and nothing else.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
{ printf 'WILDERNESS!>25,15:NOWHERE!\r\n'; tail -n +2 "$WORK/world/ZANCD.MAP"; } >"$WORK/x" &&
  mv "$WORK/x" "$WORK/world/ZANCD.MAP"
e2e_window_ini
before=$(cd "$WORK/world" && stat -c '%n %i' ./*.MAP)

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT
e2e_start_editor
e2e_wait_idle
xdotool mousemove 500 400

e2e_key alt+t
e2e_key c
e2e_wait_idle
e2e_screenshot "$BUILD/check_world.png"
e2e_key Return
e2e_wait_idle
e2e_screenshot "$BUILD/check_world_opened.png"
e2e_key alt+f
e2e_key s
e2e_wait_idle
after=$(cd "$WORK/world" && stat -c '%n %i' ./*.MAP)
changed=$(diff <(echo "$before") <(echo "$after") | grep '^>' || true)
[ "$changed" = "> ./ZANCD.MAP $(stat -c %i "$WORK/world/ZANCD.MAP")" ] ||
  e2e_fail "File > Save wrote [$changed], not the map of the finding"

e2e_key alt+f
e2e_key q
e2e_wait_exit "the editor did not end"
echo "PASS"
