#!/bin/bash
# End-to-end test of a script from the scripts folder beside dola.ini under
# Xvfb with real X input: the Script menu lists it below a separator, its
# letter runs it on the open map (tiles, kind and a teleport), the Script
# Output window shows what it printed, and Ctrl+Z takes the whole run back.
# The map is saved after the run and after the undo to see both on disk.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
MAP="$WORK/world/ZANPK.MAP"
e2e_window_ini
mkdir -p "$WORK/scripts"
cat >"$WORK/scripts/mark.as" <<'SCRIPT'
// menu: ~Mark the Corner
// runs on: map
void main() {
  settile(1, 1, 42);
  setkind(1, 1, 4);
  addteleport(1, 1, 2, 2, "MARKED");
  print("marked " + mapname(1, 1));
}
SCRIPT
original=$(md5sum <"$MAP")

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT
e2e_start_editor
sleep 0.8
e2e_open_map "ZANPK.MAP"

# Script menu (the title after File, Edit and View), then the item's letter.
e2e_click 128 34
e2e_wait_idle
e2e_screenshot "$BUILD/menu_script_items.png"
e2e_key m
e2e_wait_idle
e2e_screenshot "$BUILD/menu_script_output.png"
e2e_key Escape  # closes the Script Output window
e2e_wait_idle
xdotool mousemove "$(e2e_cell_x 24)" "$(e2e_cell_y 10)"
e2e_key ctrl+s
marked() { head -c 50 "$MAP" | grep -q '^INTERIOR!>32,23:OAKVALE!>22,14:MARKED!'; }
e2e_wait_until 10 "the saved map does not hold the script's kind and teleport" marked
e2e_screenshot "$BUILD/menu_script_run.png"

e2e_key ctrl+z
e2e_key ctrl+s
undone() { [ "$(md5sum <"$MAP")" = "$original" ]; }
e2e_wait_until 10 "Ctrl+Z did not take the whole run back" undone
e2e_key ctrl+q
e2e_wait_until 10 "the editor did not end after Ctrl+Q on a saved map" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
E2E_APP_PID=""
echo "PASS"
