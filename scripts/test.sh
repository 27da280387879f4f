#!/usr/bin/env bash
# Sets up, builds and runs every test: the unit tests and the end-to-end tests
# under Xvfb, the Debian package with its contents, then the unit tests once
# more under AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any
# failing test, package fault or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

# Warnings fail the build here, as in CI.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOLA_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
tests/package/check_package.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDOLA_SANITIZE=ON
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" -LE e2e)
echo "All tests passed."
