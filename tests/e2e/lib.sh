# Shared helpers of the end-to-end tests: a private Xvfb display, real X input
# with xdotool (buttons held long enough for a 10 ms poll), screenshots, and
# waiting for lines in a program's log file. Source it; it sets DISPLAY.

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on a free display (Xvfb picks it and reports it through
# -displayfd, so tests may run in parallel) and exports DISPLAY.
e2e_start_xvfb() {
  local size="${1:-1024x768x24}" fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$size" 3>"$fifo" 2>/dev/null &
  E2E_XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || e2e_fail "Xvfb did not start"
  rm -f "$fifo"
  export DISPLAY=":$number"
  trap e2e_cleanup EXIT
}

# Stops the program under test (forcefully when it does not end within two
# seconds: a program whose display went away may no longer take signals),
# then Xvfb. Nothing in it may fail: under "set -e" a failing command would
# end the cleanup early and leave Xvfb running.
e2e_cleanup() {
  local i
  if [ -n "${E2E_APP_PID:-}" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
    kill "$E2E_APP_PID" 2>/dev/null || true
    for ((i = 0; i < 40; i++)); do
      kill -0 "$E2E_APP_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 "$E2E_APP_PID" 2>/dev/null || true
  fi
  if [ -n "${E2E_XVFB_PID:-}" ]; then kill "$E2E_XVFB_PID" 2>/dev/null || true; wait "$E2E_XVFB_PID" 2>/dev/null || true; fi
  return 0
}

# Waits until the file holds a line matching the pattern (grep -E), at most
# the given seconds (default 10).
e2e_wait_for_line() {
  local file="$1" pattern="$2" seconds="${3:-10}" i
  for ((i = 0; i < seconds * 20; i++)); do
    grep -qE "$pattern" "$file" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "--- $file:" >&2
  cat "$file" >&2 2>/dev/null
  e2e_fail "no line matching '$pattern' in $file"
}

# Waits until the command succeeds, at most the given seconds; fails with the
# description otherwise. For states that take a busy machine longer to reach.
e2e_wait_until() {
  local seconds="$1" what="$2" i
  shift 2
  for ((i = 0; i < seconds * 20; i++)); do
    "$@" && return 0
    sleep 0.05
  done
  e2e_fail "$what"
}

# Starts the editor in WORK (output in WORK/out.txt), sets E2E_APP_PID and
# waits for its window. Needs e2e_demo_workspace and e2e_start_xvfb.
e2e_start_editor() {
  (cd "$WORK" && exec "$BIN" >"$WORK/out.txt" 2>&1) &
  E2E_APP_PID=$!
  timeout 10 xdotool search --sync --name 'DOLA' >/dev/null || e2e_fail "no editor window"
}

# Settings for the demo world in a window at 16 bits: WORK/dola.ini.
e2e_window_ini() {
  printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$WORLD_EDITOR" >"$WORK/dola.ini"
}

# Waits at most 10 seconds for the editor to end (after Quit); fails with the
# message otherwise.
e2e_wait_exit() {
  local i
  for ((i = 0; i < 200; i++)); do
    kill -0 "$E2E_APP_PID" 2>/dev/null || { E2E_APP_PID=""; return 0; }
    sleep 0.05
  done
  e2e_fail "$1"
}

# Moves the pointer and clicks with the button held for 80 ms.
e2e_click() {
  local x="$1" y="$2" button="${3:-1}"
  xdotool mousemove "$x" "$y"
  sleep 0.05
  xdotool mousedown "$button"
  sleep 0.08
  xdotool mouseup "$button"
  sleep 0.1
}

# A press and release with no pause: the toolkit must latch it.
e2e_tap() {
  xdotool mousemove "$1" "$2" click "${3:-1}"
  sleep 0.1
}

# Types text into the window under the pointer, key by key.
e2e_type() {
  xdotool type --delay 40 "$1"
  sleep 0.1
}

e2e_key() {
  xdotool key --delay 40 "$@"
  sleep 0.1
}

# Saves the root window as a PNG (ImageMagick's convert).
e2e_screenshot() {
  local out="$1" convert=/usr/bin/convert
  [ -x "$convert" ] || convert=convert
  xwd -root -silent -display "$DISPLAY" | "$convert" xwd:- png:"$out"
}

# CPU seconds (user + system) a process has used so far; with a second
# argument "main", only its main thread (the one that runs the event loop).
e2e_cpu_seconds() {
  local stat="/proc/$1/stat" ticks
  [ "${2:-}" = main ] && stat="/proc/$1/task/$1/stat"
  ticks=$(awk '{print $14 + $15}' "$stat")
  echo "scale=3; $ticks / $(getconf CLK_TCK)" | bc
}

# A working directory for the editor with a copy of the demo world and the
# palette, removed at exit: sets BIN (the editor), WORK and WORLD_EDITOR (the
# world directory in the editor's path form). Needs BUILD.
e2e_demo_workspace() {
  BIN="$BUILD/dola"
  [ -x "$BIN" ] || e2e_fail "$BIN is not built"
  [ -f "$BUILD/demo/world/ZANAB.MAP" ] || e2e_fail "the demo world is not built"
  WORK=$(mktemp -d)
  trap 'e2e_cleanup; rm -rf "$WORK"' EXIT
  cp -r "$BUILD/demo/world" "$WORK/world"
  cp "$BUILD/demo/palette.bmp" "$WORK/palette.bmp"
  WORLD_EDITOR="C:$(printf '%s' "$WORK/world" | tr '/' '\\')"
}

# Screen position of the centre of map cell column / row (the map canvas
# starts at screen (5, 50); cells are 18 x 20).
e2e_cell_x() { echo $((5 + 18 * $1 + 9)); }
e2e_cell_y() { echo $((50 + 20 * $1 + 10)); }

# File > Open by keyboard: the selector starts in the game directory, so the
# map's bare name and Enter open it.
e2e_open_map() {
  e2e_key alt+f
  e2e_key o
  e2e_wait_idle
  e2e_type "$1"
  e2e_key Return
  e2e_wait_idle
}

# Waits until the editor's main thread has used no CPU for a moment: the
# work a key or click started is done and a window waits for input (at most
# the given seconds, default 60).
e2e_wait_idle() {
  local seconds="${1:-60}" last now i
  last=$(e2e_cpu_seconds "$E2E_APP_PID" main)
  for ((i = 0; i < seconds * 4; i++)); do
    sleep 0.25
    now=$(e2e_cpu_seconds "$E2E_APP_PID" main)
    [ "$i" -ge 2 ] && [ "$(echo "$now - $last < 0.02" | bc)" = 1 ] && return 0
    last=$now
  done
  e2e_fail "the editor stayed busy for $seconds s"
}
