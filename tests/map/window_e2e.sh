#!/bin/bash
# The shopper's road in the real kiosk window under Xvfb, in real time,
# against the same keys run through kiosk-headless: start menu -> search
# "apples" -> first hit -> next hit -> the map -> back -> new search -> the
# staff code -> staff menu -> quit. The first hit, the staff menu and the map
# (outside the blinking kiosk mark and the product's rings) must match the
# headless shots pixel for pixel, and the kiosk must quit with exit code 0.
# Usage: window_e2e.sh KIOSK KIOSK_HEADLESS KIOSK_SETUP INSTALL_DIR
# KIOSK_KEEP_SHOTS=DIR keeps the real-window screenshots as PNG.
set -u
. "$(dirname "$(realpath "$0")")/../support/xvfb.sh"
kiosk_window_test "$@"
STARTED=$SECONDS
# Every wait is cut at this point so the whole run stays well under 90 s.
DEADLINE=$((SECONDS + 75))
limit_after() { local t=$((SECONDS + $1)); [ $t -gt $DEADLINE ] && t=$DEADLINE; echo $t; }
# ImageMagick from the system (another convert may come first on PATH).
CONVERT=/usr/bin/convert
COMPARE=/usr/bin/compare
IMPORT=/usr/bin/import

# The headless run: the same keys, a shot wherever the real run takes one.
# After the map the kiosk shows the next hit; C starts a new search, whose
# field takes the staff code.
"$SETUP" "$TMP/headless" "$INSTALL" >/dev/null || fail "kiosk-setup (headless)"
printf '%s' '{SHOT start}A{SHOT search}apples{ENTER}{SHOT hit1}A{SHOT hit2}{F1}{SHOT map}{ESC}{SHOT aftermap}C{SHOT again}~KKKVVV{ENTER}{SHOT staff}{ESC}' \
  >"$TMP/keys.txt"
"$HEADLESS" --dir "$TMP/headless" --keys "$TMP/keys.txt" --shots "$TMP/want" >"$TMP/headless.log" 2>&1 ||
  fail "kiosk-headless ended with $?: $(cat "$TMP/headless.log")"
want() { echo "$TMP/want/$1.bmp"; }

# A free display.
start_xvfb 1920x1080 "$TMP/xvfb.log" || fail "no Xvfb display could be started"

"$SETUP" "$TMP/work" "$INSTALL" >/dev/null || fail "kiosk-setup (window)"
(cd "$TMP/work" && exec "$KIOSK") >"$TMP/kiosk.log" 2>&1 &
APP_PID=$!

# Screenshots as PPM: quick to take and byte-equal when the screen is.
# grab leaves the new file's name in $GRAB (not echoed: a subshell would
# lose the counter and every shot would overwrite the last).
N=0
GRAB=""
grab() {
  N=$((N + 1))
  GRAB="$TMP/g$N.ppm"
  "$IMPORT" -window root "$GRAB" 2>/dev/null || fail "screenshot"
}
differing() { "$COMPARE" -metric AE "$1" "$2" null: 2>&1; }
alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the kiosk ended early"; }
# settle NAME SECONDS: waits until two screenshots 0.3 s apart are equal and
# match the headless shot NAME; a message still on the prompt box (they stay
# 5 s) keeps the screen from matching, so it goes on polling to the limit.
# Leaves the last screenshot in $SHOT and its difference in $DIFF.
settle() {
  local limit prev="" cur
  limit=$(limit_after "$2")
  while :; do
    alive
    grab
    cur=$GRAB
    if [ -n "$prev" ] && cmp -s "$prev" "$cur"; then
      DIFF=$(differing "$cur" "$(want "$1")")
      [ "$DIFF" = "0" ] && break
    fi
    if [ $SECONDS -ge $limit ]; then
      DIFF=$(differing "$cur" "$(want "$1")")
      break
    fi
    prev=$cur
    sleep 0.3
  done
  SHOT=$cur
  [ -n "${KIOSK_KEEP_SHOTS:-}" ] && mkdir -p "$KIOSK_KEEP_SHOTS" && "$CONVERT" "$cur" "$KIOSK_KEEP_SHOTS/$1.png"
  return 0
}

settle start 20
[ "$DIFF" = "0" ] || fail "start menu differs from the headless run in $DIFF pixels"
xdotool key A
settle search 10
[ "$DIFF" = "0" ] || fail "search screen differs from the headless run in $DIFF pixels"
xdotool type --delay 40 apples
xdotool key Return
settle hit1 15
[ "$DIFF" = "0" ] || fail "first hit differs from the headless run in $DIFF pixels"
HIT1=$SHOT
xdotool key A
settle hit2 10
[ "$DIFF" = "0" ] || fail "second hit differs from the headless run in $DIFF pixels"
HIT2=$SHOT

# The map never settles: the kiosk mark blinks and rings cycle over the
# product (about 2.4 s a round). Frames over more than a round show which
# pixels move; outside them the map must match the headless map exactly.
xdotool key F1
limit=$(limit_after 15)
while :; do
  alive
  grab
  first=$GRAB
  [ "$(differing "$first" "$HIT2")" != "0" ] && break
  [ $SECONDS -ge $limit ] && fail "F1 did not show the map"
  sleep 0.2
done
# Drawn when two frames in a row differ only by the animation (at most
# about 1400 pixels here, far fewer than a map drawn half way).
prev=$first
while :; do
  sleep 0.2
  grab
  [ "$(differing "$prev" "$GRAB")" -lt 4000 ] 2>/dev/null && break
  [ $SECONDS -ge $limit ] && fail "the map never finished drawing"
  prev=$GRAB
done
frames=()
end=$((SECONDS + 3))
while [ $SECONDS -lt $end ] || [ ${#frames[@]} -lt 8 ]; do
  grab
  frames+=("$GRAB")
  sleep 0.15
done
base=${frames[0]}
"$CONVERT" "$base" -fill black -colorize 100 "$TMP/mask.ppm"
for f in "${frames[@]:1}"; do
  "$CONVERT" "$base" "$f" -compose difference -composite -colorspace gray -threshold 0 \
    "$TMP/mask.ppm" -compose lighten -composite "$TMP/mask.ppm"
done
moving=$("$CONVERT" "$TMP/mask.ppm" -colorspace gray -threshold 0 -format '%[fx:round(mean*w*h)]' info:)
[ "$moving" -gt 0 ] || fail "nothing moves on the map: no blinking mark or rings"
# A mask over a large part of the screen would hide a wrong map.
[ "$moving" -lt 20000 ] || fail "$moving pixels of the map moved: the screen never settled"
"$CONVERT" "$TMP/mask.ppm" -morphology Dilate Square:2 "$TMP/mask.ppm"
masked() { "$CONVERT" "$1" "$TMP/mask.ppm" -compose darken -composite "$2" 2>/dev/null; }
# darken with white outside the mask keeps the picture; inside, black.
"$CONVERT" "$TMP/mask.ppm" -negate "$TMP/mask.ppm"
masked "$base" "$TMP/real_map.ppm"
masked "$(want map)" "$TMP/want_map.ppm"
masked "$HIT2" "$TMP/hit_masked.ppm"
DIFF=$(differing "$TMP/real_map.ppm" "$TMP/want_map.ppm")
[ -n "${KIOSK_KEEP_SHOTS:-}" ] && "$CONVERT" "$base" "$KIOSK_KEEP_SHOTS/map.png" &&
  "$CONVERT" "$TMP/mask.ppm" "$KIOSK_KEEP_SHOTS/map_static.png"
[ "$DIFF" = "0" ] || fail "the map outside its animation differs from the headless map in $DIFF pixels"
[ "$(differing "$TMP/real_map.ppm" "$TMP/hit_masked.ppm")" != "0" ] || fail "the map looks like the hit screen"

xdotool key Escape
settle aftermap 10
[ "$DIFF" = "0" ] || fail "after the map the screen differs from the headless run in $DIFF pixels"
xdotool key C
settle again 10
[ "$DIFF" = "0" ] || fail "new search screen differs from the headless run in $DIFF pixels"
xdotool type --delay 40 '~KKKVVV'
xdotool key Return
settle staff 15
[ "$DIFF" = "0" ] || fail "staff menu differs from the headless run in $DIFF pixels"
xdotool key Escape

# Escape on the staff menu quits the kiosk.
expect_quit "Escape on the staff menu"
echo "window end to end passed in $((SECONDS - STARTED)) s"
