#!/bin/bash
# End-to-end test of crash recovery under Xvfb with real X input: paint on a
# demo map, kill the editor (SIGKILL), start it again and recover the painted
# cell from the question shown before the main window, save it (which keeps a
# backup of the replaced map); then paint, end the editor with SIGTERM (a
# desktop logging out), start again and discard the changes.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
WORLD="$WORK/world"
COPY="$WORK/recovery/map.txt"
e2e_window_ini

# The tile code of column c, row r (from 0) of a MAP file.
tile() { sed -n "$(($3 + 2))p" "$1" | od -An -tu1 -j$(($2 + 1)) -N1 | tr -d ' '; }
pixel() { e2e_screenshot "$WORK/shot.png"; convert "$WORK/shot.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:-; }
requester_shown() { [ "$(pixel 512 384)" = E7E6EF ]; }
CODE=77
paint_cell() {
  e2e_click $((5 + 18 * (CODE % 32) + 9)) $((565 + 20 * (CODE / 32) + 10))  # the palette's code
  e2e_click $((5 + 18 * $1 + 9)) $((50 + 20 * $2 + 10))
}
start_editor() {
  e2e_start_editor
}
ended() { ! kill -0 "$E2E_APP_PID" 2>/dev/null; }
inode() { stat -c %i "$COPY" 2>/dev/null || echo none; }
copy_replaced() { [ "$(inode)" != "$1" ]; }
no_copy() { [ ! -e "$COPY" ]; }

e2e_start_xvfb
BEFORE=$(tile "$WORLD/ZANPK.MAP" 0 0)
for c in 0 1 2; do [ "$(tile "$WORLD/ZANPK.MAP" $c 0)" != $CODE ] || e2e_fail "the demo map changed"; done

# ---- Paint, and the editor is killed ----
start_editor
sleep 0.8
e2e_open_map "ZANPK.MAP"
paint_cell 0 0
e2e_wait_until 10 "no recovery copy after an edit" test -s "$COPY"
kill -9 "$E2E_APP_PID"
e2e_wait_until 10 "the killed editor did not end" ended
[ "$(tile "$WORLD/ZANPK.MAP" 0 0)" = "$BEFORE" ] || e2e_fail "the map was saved"

# ---- Started again: the question comes first; Recover, then Save ----
OLD=$(inode)
start_editor
e2e_wait_until 15 "no recovery question at start" requester_shown
e2e_screenshot "$BUILD/recovery_question.png"
e2e_key r
e2e_wait_until 10 "the recovered map was not opened" copy_replaced "$OLD"
xdotool mousemove 500 650
e2e_key alt+f
e2e_key s
e2e_wait_until 10 "the recovered cell was not saved" test "$(tile "$WORLD/ZANPK.MAP" 0 0)" = $CODE
e2e_wait_until 10 "the recovery copy outlived the save" no_copy
ls "$WORK"/backups/*/ZANPK.MAP >/dev/null 2>&1 || e2e_fail "the save kept no backup of the map"
[ "$(tile "$(ls "$WORK"/backups/*/ZANPK.MAP | head -1)" 0 0)" = "$BEFORE" ] || e2e_fail "the backup is not the old map"

# ---- Paint, and a logout ends the editor: the copy is written, nothing asked ----
paint_cell 1 0
e2e_wait_until 10 "no recovery copy after an edit" test -s "$COPY"
OLD=$(inode)
paint_cell 2 0  # within the second after the last write: written when it is up
e2e_wait_until 10 "the held-back edit did not reach the copy" copy_replaced "$OLD"
kill -TERM "$E2E_APP_PID"
e2e_wait_until 10 "SIGTERM did not end the editor" ended
E2E_APP_PID=""
[ -s "$COPY" ] || e2e_fail "SIGTERM left no recovery copy"
[ "$(tile "$WORLD/ZANPK.MAP" 2 0)" != $CODE ] || e2e_fail "SIGTERM saved the map"

# ---- Started again: Discard removes the copy; Quit asks nothing ----
start_editor
e2e_wait_until 15 "no recovery question after SIGTERM" requester_shown
e2e_key d
e2e_wait_until 10 "Discard kept the recovery copy" no_copy
sleep 0.5
e2e_key alt+f
e2e_key q
e2e_wait_until 10 "the editor did not quit" ended
E2E_APP_PID=""
[ "$(tile "$WORLD/ZANPK.MAP" 1 0)" != $CODE ] || e2e_fail "discarded changes were saved"
echo "PASS"
