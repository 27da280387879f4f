#!/usr/bin/env bash
# Sets up and builds DOLA, then runs the editor on the demo world.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ ! -x build/dola ]; then
  echo "The editor program is not built yet: the libraries and tests are ready, the editor is still to come."
  exit 0
fi
exec build/dola
