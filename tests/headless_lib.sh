# Shared steps of the headless script tests; sourced after HEADLESS (the
# kiosk-headless program) and INSTALL (the installation) are set.
#   run NAME KEYS   runs the kiosk on a fresh working folder $TMP/NAME/work,
#                   made by make_work (a copy of INSTALL unless the test
#                   defines its own), with the key script KEYS; the shots go
#                   to $TMP/NAME/shots. The kiosk must quit by itself.
#   shot NAME SHOT  the file of a shot;  fail MESSAGE  ends the test.
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
make_work() { cp -r "$INSTALL" "$1"; }
run() {
  local name="$1"
  mkdir -p "$TMP/$name"
  make_work "$TMP/$name/work"
  printf '%s' "$2" >"$TMP/$name/keys.txt"
  "$HEADLESS" --dir "$TMP/$name/work" --keys "$TMP/$name/keys.txt" --shots "$TMP/$name/shots" ||
    fail "$name: exit code $?"
  [ ! -e "$TMP/$name/shots/final.bmp" ] || fail "$name: the kiosk waited for more keys"
}
shot() { echo "$TMP/$1/shots/$2.bmp"; }
