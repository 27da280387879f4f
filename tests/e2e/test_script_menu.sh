#!/bin/bash
# End-to-end test of the Script menu under Xvfb with real X input: a demo map
# is opened, Script > Generate World Map runs examples/generate_world.as
# chosen in the script selector, the replace question is answered, and
# View > World Map shows the new world. Screenshots go to the build directory.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
cp "$SOURCE/examples/generate_world.as" "$WORK/gen.as"
SCRIPT_EDITOR="C:$(printf '%s' "$WORK/gen.as" | tr '/' '\\')"
e2e_window_ini
before=$(md5sum "$WORK/world/ZANKK.MAP")

e2e_start_xvfb
trap 'e2e_cleanup; rm -rf "$WORK"' EXIT

e2e_start_editor
sleep 0.8
xdotool mousemove 500 400

# Open a world map by keyboard: the world goes into its directory.
e2e_open_map "ZANAB.MAP"

# Script > Generate World Map through the menu bar with the mouse (the title
# after File, Edit and View), the script chosen in the selector (which starts
# at the drive's root) by its path.
e2e_click 128 34
sleep 0.3
e2e_screenshot "$BUILD/script_menu.png"
e2e_key w
# Off the menu bar, so that no later menu follows the pointer to "Script".
xdotool mousemove 500 650
sleep 0.5
e2e_type "$SCRIPT_EDITOR"
e2e_key Return
# The script's own message when it is done (the build and the run keep the
# editor busy until then; a requester waits idle), then the replace question.
e2e_wait_idle
e2e_screenshot "$BUILD/script_message.png"
e2e_key Return
sleep 0.5
e2e_screenshot "$BUILD/script_replace_question.png"
e2e_key Return
world_maps_written() {
  [ "$(find "$WORK/world" -name 'ZAN??.MAP' -newer "$WORK/gen.as" | wc -l)" = 400 ]
}
e2e_wait_until 30 "the 400 world maps were not all written" world_maps_written
# The report of what the run changed.
e2e_wait_idle
e2e_screenshot "$BUILD/script_changes_report.png"
e2e_key Return
# The script printed: its lines wait in the Script Output window.
e2e_wait_idle
e2e_screenshot "$BUILD/script_output.png"
e2e_key Escape
[ "$(md5sum "$WORK/world/ZANKK.MAP")" != "$before" ] || e2e_fail "ZANKK.MAP was not rewritten"
ls "$WORK"/backups/*/ZANKK.MAP >/dev/null 2>&1 || e2e_fail "the replaced world maps have no backup"
for name in ZANAA ZANTA ZANAT ZANTT ZANKK; do
  head -c 11 "$WORK/world/$name.MAP" | grep -q '^WILDERNESS!' || e2e_fail "$name.MAP has no Wilderness header"
done
count=$(find "$WORK/world" -name 'ZAN??.MAP' -newer "$WORK/gen.as" | wc -l)
[ "$count" = 400 ] || e2e_fail "$count world maps were written, not 400"

# View > World Map reads the new files back.
e2e_key alt+v
e2e_key w
sleep 2
e2e_screenshot "$BUILD/script_world_view.png"

e2e_key alt+f
e2e_key q
e2e_wait_exit "the editor did not end: the open map should match its file after the generation"
echo "PASS"
