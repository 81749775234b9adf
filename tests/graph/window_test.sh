#!/bin/bash
# The real window under Xvfb: the window covers the screen, keys typed with
# xdotool arrive in the key queue as the translation table says, and the
# screen shows exactly what the headless backend draws.
set -u
. "$(dirname "$(realpath "$0")")/../support/xvfb.sh"
CHECK="$1"
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb 1920x1080 "$WORK/xvfb.log" || fail "no Xvfb display could be started"

"$CHECK" scene 1920 1080 "$WORK/expected.bmp" || fail "headless render"
"$CHECK" window "$WORK/ready" "$WORK/keys" >"$WORK/app.log" 2>&1 &
APP_PID=$!
for _ in $(seq 100); do
  [ -e "$WORK/ready" ] && break
  kill -0 "$APP_PID" 2>/dev/null || break
  sleep 0.1
done
[ -e "$WORK/ready" ] || fail "window did not open: $(cat "$WORK/app.log")"

# The window thread repaints within a frame or two; allow a loaded machine
# a few seconds before calling a difference real.
for _ in $(seq 10); do
  import -window root "$WORK/screen.png" || fail "screenshot"
  diff=$(compare -metric AE "$WORK/screen.png" "$WORK/expected.bmp" null: 2>&1)
  [ "$diff" = "0" ] && break
  sleep 0.3
done
[ -n "${KIOSK_KEEP_SHOT:-}" ] && cp "$WORK/screen.png" "$KIOSK_KEEP_SHOT"
[ "$diff" = "0" ] || fail "screen differs from the headless render in $diff pixels"

xdotool mousemove 960 540
xdotool key --delay 30 a B 1 Return Escape F1 shift+F12 alt+m Pause ctrl+Home Up
# Keypad by raw keycode: 80 = keypad 8, 84 = keypad 5, 77 = Num Lock.
xdotool key --delay 30 80 84 77 80 84 77
# The close button: the window stays and the kiosk gets 0 then 107.
# (Sent through the X library from Python; skipped where there is none.)
closed=""
if command -v python3 >/dev/null; then
  win=$(xdotool search --name "Graph Window 1.1" | head -1)
  [ -n "$win" ] || fail "window not found by its title"
  python3 "$(dirname "$0")/close_window.py" "$win" || fail "close message"
  closed="00 6b "
  sleep 0.3
fi
xdotool key ctrl+q
wait "$APP_PID" || fail "window check program ended with $?: $(cat "$WORK/app.log")"
APP_PID=""

got=$(tr '\n' ' ' <"$WORK/keys")
want="61 42 31 0d 1b 00 3b 00 88 00 32 00 0c 00 77 00 48 00 48 00 4c 38 35 ${closed}11 "
[ "$got" = "$want" ] || fail "keys: got [$got] want [$want]"
echo "window check passed"
