#!/bin/bash
# Builds the kiosk and starts it full screen in its working folder. The
# working folder (default ~/kiosk-store, or the first argument) is made from
# the bundled default installation on first run and never overwritten.
set -euo pipefail
SRC="$(cd "$(dirname "$0")/.." && pwd)"
WORK="${1:-$HOME/kiosk-store}"
bash "$SRC/tools/deps.sh"
cmake -S "$SRC" -B "$SRC/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$SRC/build" -j "$(nproc)" --target kiosk kiosk-setup
if [ ! -e "$WORK" ]; then
  if [ -x "$SRC/build/kiosk-setup" ]; then
    "$SRC/build/kiosk-setup" "$WORK"
  else
    mkdir -p "$WORK" && cp -r "$SRC/install/." "$WORK/"
  fi
fi
cd "$WORK"
exec "$SRC/build/kiosk"
