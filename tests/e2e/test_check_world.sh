#!/bin/bash
# End-to-end test of Tools > Check World under Xvfb with real X input: on a
# copy of the demo world with two planted errors (a teleport of ZANCD.MAP to a
# map that is not there, a placement of ZANAB.DAT naming no record) and no map
# open, the findings window lists them first; Return opens the first one's
# map, and after Check World again Down and Return the second's (the ".DAT"
# finding opens the map of its name). File > Save after each writes ZANCD.MAP
# and ZANAB.MAP and nothing else.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
{ printf 'WILDERNESS!>25,15:NOWHERE!\r\n'; tail -n +2 "$WORK/world/ZANCD.MAP"; } >"$WORK/x" &&
  mv "$WORK/x" "$WORK/world/ZANCD.MAP"
{ printf '\005\003\001\001\000\000\000\274\002\000\000'; head -c 2189 /dev/zero; } >"$WORK/world/ZANAB.DAT"  # id 700
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
e2e_key alt+t
e2e_key c
e2e_wait_idle
e2e_key Down Return
e2e_wait_idle
e2e_key alt+f
e2e_key s
e2e_wait_idle
after=$(cd "$WORK/world" && stat -c '%n %i' ./*.MAP)
changed=$(diff <(echo "$before") <(echo "$after") | grep '^>' || true)
expected=$(printf '> ./ZANAB.MAP %s\n> ./ZANCD.MAP %s' "$(stat -c %i "$WORK/world/ZANAB.MAP")" \
  "$(stat -c %i "$WORK/world/ZANCD.MAP")")
[ "$changed" = "$expected" ] || e2e_fail "File > Save wrote [$changed], not the maps of the two findings"

e2e_key alt+f
e2e_key q
e2e_wait_exit "the editor did not end"
echo "PASS"
