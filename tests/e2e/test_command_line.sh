#!/bin/bash
# End-to-end test of "dola --user-folder MAP", as the desktop entry starts it,
# under Xvfb: started in another directory with a relative MAP, the editor
# works in the user's DOLA folder under XDG_CONFIG_HOME (given the shipped
# palette there), opens the map once it is up, and shows it pixel for pixel
# as dola-render draws it. After Quit the folder's dola.ini differs only by
# the recent map, and the starting directory is untouched.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE="$2"
source "$SOURCE/tests/e2e/lib.sh"

e2e_demo_workspace
e2e_start_xvfb
folder="$WORK/config/dola"
mkdir -p "$folder" "$WORK/elsewhere"
printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=32\r\nbackups=50\r\n' "$WORLD_EDITOR" >"$folder/dola.ini"

(cd "$WORK/elsewhere" && XDG_CONFIG_HOME="$WORK/config" exec "$BIN" --user-folder ../world/ZANAB.MAP >"$WORK/out.txt" 2>&1) &
E2E_APP_PID=$!
timeout 10 xdotool search --sync --name 'DOLA' >/dev/null || e2e_fail "no editor window"
xdotool mousemove 1000 740  # away from the map: the pointer changes nothing there
e2e_wait_idle
cmp -s "$folder/palette.bmp" "$BUILD/demo/palette.bmp" || e2e_fail "the user's folder did not get the shipped palette"

e2e_screenshot "$BUILD/e2e_command_line.png"
convert "$BUILD/e2e_command_line.png" -crop 864x480+5+50 +repage "$WORK/shown.png"
"$BUILD/tools/dola-render" --palette "$BUILD/demo/palette.bmp" "$WORK/world/ZANAB.MAP" "$WORK/drawn.png" >/dev/null
differing=$(compare -metric AE "$WORK/shown.png" "$WORK/drawn.png" null: 2>&1 || true)
[ "$differing" = 0 ] || e2e_fail "the map canvas differs from ZANAB.MAP as drawn by dola-render in $differing pixels"

e2e_key ctrl+q
e2e_wait_exit "the editor did not end after Ctrl+Q"
expected=$(printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=32\r\nbackups=50\r\n[recent]\r\nmap1=%s\\ZANAB.MAP\r\n' \
  "$WORLD_EDITOR" "$WORLD_EDITOR")
[ "$(cat "$folder/dola.ini")" = "$expected" ] || e2e_fail "dola.ini of the user's folder: $(cat -A "$folder/dola.ini")"
[ -z "$(ls -A "$WORK/elsewhere")" ] || e2e_fail "files were written where the editor was started: $(ls -A "$WORK/elsewhere")"
echo "PASS: dola --user-folder MAP"
