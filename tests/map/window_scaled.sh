#!/bin/bash
# The kiosk in the real window under Xvfb on displays of other sizes than
# the installation's layout (1920 x 1080): at 1366 x 768, 2560 x 1440 and
# 1920 x 1080 the start menu, the search screen and the staff menu fill the
# display, kept in proportion, and match pixel for pixel the same screens
# drawn by kiosk-headless and scaled as the window scales them (--shown).
# At 1920 x 1080 that is the screen exactly as drawn.
# Usage: window_scaled.sh KIOSK KIOSK_HEADLESS KIOSK_SETUP INSTALL_DIR
set -u
. "$(dirname "$(realpath "$0")")/../support/xvfb.sh"
kiosk_window_test "$@"
CONVERT=/usr/bin/convert
COMPARE=/usr/bin/compare
IMPORT=/usr/bin/import
differing() { "$COMPARE" -metric AE "$1" "$2" null: 2>&1; }

start_display() {  # SIZE: a free Xvfb display of that size; sets DISPLAY
  start_xvfb "$1" "$TMP/xvfb.log" || fail "no Xvfb display of $1 could be started"
}
stop() {  # PID_VARIABLE
  local pid=${!1}
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  eval "$1=''"
}

# settle NAME LIMIT: polls the screen until it matches the headless shot
# NAME (or LIMIT seconds pass); leaves the difference in $DIFF.
settle() {
  local end=$((SECONDS + $2)) n=0
  while :; do
    kill -0 "$APP_PID" 2>/dev/null || fail "$SIZE: the kiosk ended early"
    n=$((n + 1))
    "$IMPORT" -window root "$TMP/$SIZE-$1.ppm" 2>/dev/null || fail "screenshot"
    DIFF=$(differing "$TMP/$SIZE-$1.ppm" "$TMP/want-$SIZE/$1.bmp")
    [ "$DIFF" = "0" ] && break
    [ $SECONDS -ge $end ] && break
    sleep 0.3
  done
  [ -n "${KIOSK_KEEP_SHOTS:-}" ] && mkdir -p "$KIOSK_KEEP_SHOTS" &&
    "$CONVERT" "$TMP/$SIZE-$1.ppm" "$KIOSK_KEEP_SHOTS/$SIZE-$1.png"
  return 0
}

for SIZE in 1366x768 2560x1440 1920x1080; do
  W=${SIZE%x*}
  H=${SIZE#*x}
  "$SETUP" "$TMP/headless-$SIZE" "$INSTALL" >/dev/null || fail "kiosk-setup (headless)"
  printf '%s' '{SHOT start}A{SHOT search}~KKKVVV{ENTER}{SHOT staff}{ESC}' >"$TMP/keys.txt"
  "$HEADLESS" --dir "$TMP/headless-$SIZE" --keys "$TMP/keys.txt" --shots "$TMP/want-$SIZE" \
    --shown "$SIZE" >"$TMP/headless.log" 2>&1 || fail "kiosk-headless ended with $?: $(cat "$TMP/headless.log")"
  [ "$(identify -format '%wx%h' "$TMP/want-$SIZE/start.bmp")" = "$SIZE" ] ||
    fail "$SIZE: the headless shot is not $SIZE"

  start_display "$SIZE"
  "$SETUP" "$TMP/work-$SIZE" "$INSTALL" >/dev/null || fail "kiosk-setup (window)"
  (cd "$TMP/work-$SIZE" && exec "$KIOSK") >"$TMP/kiosk.log" 2>&1 &
  APP_PID=$!
  settle start 25
  [ "$DIFF" = "0" ] || fail "$SIZE: the start menu differs from the scaled headless one in $DIFF pixels"
  xdotool key A
  settle search 10
  [ "$DIFF" = "0" ] || fail "$SIZE: the search screen differs from the scaled headless one in $DIFF pixels"
  xdotool type --delay 40 '~KKKVVV'
  xdotool key Return
  settle staff 15
  [ "$DIFF" = "0" ] || fail "$SIZE: the staff menu differs from the scaled headless one in $DIFF pixels"
  # The picture fills the display: the screen frame's lines lie within 4
  # pixels of each of its edges.
  for edge in "4x$H+0+0" "4x$H+$((W - 4))+0" "${W}x4+0+0" "${W}x4+0+$((H - 4))"; do
    lit=$("$CONVERT" "$TMP/$SIZE-staff.ppm" -crop "$edge" +repage -format '%[fx:maxima]' info:)
    [ "$lit" != "0" ] || fail "$SIZE: nothing drawn at the display's edge $edge"
  done
  xdotool key Escape
  expect_quit "$SIZE"
  stop XVFB_PID
done
echo "scaled window passed at 1366x768, 2560x1440 and 1920x1080"
