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
"$RUNNER" --dir "$WORK/kiosk" --keys "$WORK/keys" --shots "$WORK/shots" --size 800x600 ||
  fail "runner exit code $?"
size=$((54 + 600 * 800 * 3))
for shot in start later final; do
  [ -f "$WORK/shots/$shot.bmp" ] || fail "no $shot.bmp"
  [ "$(stat -c %s "$WORK/shots/$shot.bmp")" = "$size" ] || fail "$shot.bmp is not an 800x600 picture"
done
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
