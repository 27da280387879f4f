#!/usr/bin/env bash
# Sets up and builds DOLA, then runs the editor on the demo world.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

# The editor reads "palette.bmp" and "dola.ini" from its working directory:
# run/ gets the demo's palette and, on the first run only, settings that name
# the demo game directory (in the editor's path form, "C:\..." for "/...") and
# a window instead of the full screen. An existing dola.ini is left alone.
root="$(pwd)"
mkdir -p run
cp build/demo/palette.bmp run/palette.bmp
if [ ! -e run/dola.ini ]; then
  demo_dir="C:$(printf '%s' "$root/build/demo/world" | tr '/' '\\')"
  printf 'mode=window\r\nZANDirectory=%s\r\ncolordepth=16\r\n' "$demo_dir" > run/dola.ini
  echo "Prepared run/dola.ini for the demo world in build/demo/world."
fi

if [ ! -x build/dola ]; then
  echo "The editor program is not built yet: the libraries and tests are ready, the editor is still to come."
  exit 0
fi
cd run
exec ../build/dola
