#!/usr/bin/env bash
# Sets up and builds DOLA, then runs the editor on the demo world. Without a
# display it says so and exits with status 1 instead of waiting for one.
# Only what it runs is built: the editor, the demo world and the tools
# (scripts/test.sh builds everything, tests and benchmarks too). A compiler
# cache is used when one is installed (CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target dola demo dola-check dola-render dola-script

# The editor reads "palette.bmp" and "dola.ini" from its working directory:
# run/ gets the demo's palette and, on the first run only, settings that name
# the demo game directory (in the editor's path form, "C:\..." for "/...") and
# a window instead of the full screen. An existing dola.ini is left alone.
root="$(pwd)"
mkdir -p run
cp build/demo/palette.bmp run/palette.bmp
# The script selector opens in the examples the first time; the Script menu
# lists the scripts of run/scripts, which starts with the examples that name
# a menu item of their own.
[ -e run/examples ] || ln -s ../examples run/examples
if [ ! -d run/scripts ]; then
  mkdir -p run/scripts
  for script in examples/*.as; do
    if grep -q '^// menu:' "$script"; then cp "$script" run/scripts/; fi
  done
fi
if [ ! -e run/dola.ini ]; then
  demo_dir="C:$(printf '%s' "$root/build/demo/world" | tr '/' '\\')"
  printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$demo_dir" > run/dola.ini
  echo "Prepared run/dola.ini for the demo world in build/demo/world."
fi

if [ -z "${DISPLAY:-}" ]; then
  echo "DOLA is built, but there is no display to open it on (DISPLAY is not set)." >&2
  echo "Run scripts/run.sh again from a graphical desktop session (an X display)." >&2
  exit 1
fi
cd run
exec ../build/dola
