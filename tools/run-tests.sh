#!/bin/bash
# Builds the kiosk twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test of each build: unit tests,
# headless script tests and the real-window tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
JOBS=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIOSK_WERROR=ON >/dev/null
cmake --build build -j "$JOBS"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKIOSK_SANITIZE=ON -DKIOSK_WERROR=ON >/dev/null
cmake --build build-asan -j "$JOBS"

status=0
echo "== tests (plain build)"
ctest --test-dir build --output-on-failure -j "$JOBS" || status=1
echo "== tests (sanitizer build)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS" -LE nosan || status=1
exit $status
