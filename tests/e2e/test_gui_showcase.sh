#!/bin/bash
# End-to-end test of the GUI toolkit: runs the showcase under Xvfb, drives it
# with real X input (menus by mouse and by Alt+letter, a requester, the edit
# box, the file selector with type-to-find, the directory chooser walked by
# double clicks, list selection and Delete, a short tap on the canvas),
# checks the callbacks' log, saves screenshots and measures idle CPU.
set -euo pipefail
BUILD="$1"
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

BIN="$BUILD/tests/gui_showcase"
[ -x "$BIN" ] || e2e_fail "$BIN is not built"
WORK=$(mktemp -d)
LOG="$WORK/log.txt"
mkdir "$WORK/files"
echo notes >"$WORK/files/notes.TXT"
echo other >"$WORK/files/skip.dat"
echo c >"$WORK/files/castle.txt"
echo c >"$WORK/files/cave.txt"
mkdir -p "$WORK/files/d1/d2/d3"

e2e_start_xvfb
DOLA_SHOWCASE_DIR="$WORK/files" "$BIN" "$LOG" &
E2E_APP_PID=$!
e2e_wait_for_line "$LOG" '^ready$'
e2e_wait_idle

# The canvas at client (2, 25) starts at screen (5, 50): a held click and a tap.
e2e_click 300 200
e2e_wait_for_line "$LOG" '^canvas 295150$'
e2e_tap 100 100
e2e_wait_for_line "$LOG" '^canvas 95050$'

# Tools > Message by mouse; the requester answered with its hotkey "n".
e2e_click 58 34
e2e_click 70 53
e2e_wait_idle
e2e_screenshot "$BUILD/gui_showcase_requester.png"
e2e_key n
e2e_wait_for_line "$LOG" '^message 1$'

# Tools > Progress by Alt+T and the item letter.
e2e_key alt+t
e2e_key p
e2e_wait_for_line "$LOG" '^progress done$'

# The Message button and Enter on the requester's first button.
e2e_click 650 125
e2e_key Return
e2e_wait_for_line "$LOG" '^message 0$'

# Edit box: click into it, erase "edit me", type, apply with its button.
e2e_click 700 74
e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
e2e_type "hello"
e2e_click 585 125
e2e_wait_for_line "$LOG" '^edit hello$'

# List: click row 3, Down to row 4, Delete it.
e2e_click 860 144
e2e_wait_for_line "$LOG" '^select 3$'
e2e_key Down
e2e_wait_for_line "$LOG" '^select 4$'
e2e_key Delete
e2e_wait_for_line "$LOG" '^delete 4$'

# File selector from File > Open by keyboard: cancel, then type a name.
e2e_key alt+f
e2e_key o
e2e_wait_idle
e2e_screenshot "$BUILD/gui_showcase_selector.png"
e2e_key Escape
e2e_wait_for_line "$LOG" '^open $'
e2e_key alt+f
e2e_key o
e2e_type "notes.txt"
e2e_key Return
e2e_wait_for_line "$LOG" '^open C:.*\\files\\notes\.TXT$'

# Type-to-find in the selector's list: "c" finds a row and presses no
# "~Cancel"; "cav" ends on cave.txt, which the keypad's Enter opens.
e2e_key alt+f
e2e_key o
e2e_wait_idle
e2e_key shift+Tab
e2e_type "cav"
e2e_wait_idle
e2e_screenshot "$BUILD/gui_showcase_find.png"
e2e_key KP_Enter
e2e_wait_for_line "$LOG" '^open C:.*\\files\\cave\.txt$'

# The directory chooser: double clicks walk down d1, d2, d3 (each the row
# under ".."), the button returns the folder shown.
e2e_key alt+f
e2e_key d
e2e_wait_idle
for level in 1 2 3; do
  xdotool mousemove 352 259 click --repeat 2 --delay 80 1
  e2e_wait_idle
done
e2e_screenshot "$BUILD/gui_showcase_directory.png"
e2e_click 340 549
e2e_wait_for_line "$LOG" '^directory C:.*\\files\\d1\\d2\\d3$'

# The second tab is built when clicked.
e2e_click 852 58
e2e_wait_for_line "$LOG" '^page 1$'

# Idle: the pointer rests on an empty area for 5 seconds.
xdotool mousemove 400 600
sleep 0.5
before=$(e2e_cpu_seconds "$E2E_APP_PID")
loopBefore=$(e2e_cpu_seconds "$E2E_APP_PID" main)
sleep 5
after=$(e2e_cpu_seconds "$E2E_APP_PID")
loopAfter=$(e2e_cpu_seconds "$E2E_APP_PID" main)
idle=$(echo "scale=2; ($after - $before) * 100 / 5" | bc)
loop=$(echo "scale=2; ($loopAfter - $loopBefore) * 100 / 5" | bc)
# Allegro's own X thread makes most of the total; the event loop runs in the main thread.
echo "idle CPU over 5 s: ${idle}% of a core in all, ${loop}% in the event loop's thread"
echo "$idle $loop" >"$BUILD/gui_showcase_idle_cpu.txt"
[ "$(echo "$idle < 10" | bc)" = 1 ] || e2e_fail "idle CPU ${idle}% is far too high"

# The window manager's close button reaches the registered callback.
window=$(xdotool search --name '^DOLA$' | head -1)
"$BUILD/tests/dola-send-close" "$window"
e2e_wait_for_line "$LOG" '^close$'

# A screenshot with the File menu open, then Quit from it.
e2e_click 30 34
e2e_wait_idle
e2e_screenshot "$BUILD/gui_showcase.png"
e2e_key q
e2e_wait_for_line "$LOG" '^quit$'
wait "$E2E_APP_PID"
E2E_APP_PID=
rm -rf "$WORK"
echo "e2e gui showcase: OK"
