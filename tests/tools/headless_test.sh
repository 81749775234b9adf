#!/bin/bash
# kiosk-headless end to end on the default installation: shots are taken,
# the run ends with the final screen when the script is used up, and bad
# command lines and scripts are refused.
set -u
RUNNER="$1"
INSTALL="$2"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp -r "$INSTALL" "$WORK/kiosk"
printf '{SHOT start}{WAIT 1000}{SHOT later}' >"$WORK/keys"
# bmp_size W H: the file size of a W x H 24-bit BMP (rows padded to 4 bytes).
bmp_size() { echo $((54 + ($1 * 3 + 3) / 4 * 4 * $2)); }
# On an 800 x 600 desktop the screens are drawn at the installation's
# layout size, 1920 x 1080 ...
"$RUNNER" --dir "$WORK/kiosk" --keys "$WORK/keys" --shots "$WORK/shots" --size 800x600 ||
  fail "runner exit code $?"
for shot in start later final; do
  [ -f "$WORK/shots/$shot.bmp" ] || fail "no $shot.bmp"
  [ "$(stat -c %s "$WORK/shots/$shot.bmp")" = "$(bmp_size 1920 1080)" ] || fail "$shot.bmp is not a 1920x1080 picture"
done
# ... shown on it scaled (--shown), 1366 x 768 with a row's padding ...
"$RUNNER" --dir "$WORK/kiosk" --keys "$WORK/keys" --shots "$WORK/shown" --shown 1366x768 ||
  fail "runner exit code $? with --shown"
[ "$(stat -c %s "$WORK/shown/start.bmp")" = "$(bmp_size 1366 768)" ] || fail "the shown shot is not 1366x768"
# ... or at the desktop's own size when the installation says so.
cp -r "$WORK/kiosk" "$WORK/desktop"
printf 'desktop\r\n' >"$WORK/desktop/lang/layout.txt"
"$RUNNER" --dir "$WORK/desktop" --keys "$WORK/keys" --shots "$WORK/dshots" --size 800x600 ||
  fail "runner exit code $? at the desktop's size"
[ "$(stat -c %s "$WORK/dshots/start.bmp")" = "$(bmp_size 800 600)" ] || fail "start.bmp is not an 800x600 picture"
head -c 2 "$WORK/shots/start.bmp" | grep -q BM || fail "start.bmp is not a bitmap"
# The start screen is drawn before the first key is asked for.
[ "$(od -An -v -tu1 -j54 "$WORK/shots/start.bmp" | tr -s ' \n' '\n' | sort -u | wc -l)" -gt 2 ] ||
  fail "start.bmp is blank"

# Keys from standard input.
printf '{SHOT s}' | "$RUNNER" --dir "$WORK/kiosk" --keys - --shots "$WORK/stdin" --size 640x480 ||
  fail "runner from standard input"
[ -f "$WORK/stdin/s.bmp" ] || fail "no shot from a standard-input script"

"$RUNNER" --dir "$WORK/kiosk" 2>/dev/null && fail "missing --keys accepted"
printf '{NOSUCHKEY}' >"$WORK/bad"
"$RUNNER" --dir "$WORK/kiosk" --keys "$WORK/bad" 2>"$WORK/err" && fail "bad script accepted"
grep -q NOSUCHKEY "$WORK/err" || fail "bad script not named: $(cat "$WORK/err")"
echo "headless runner check passed"
