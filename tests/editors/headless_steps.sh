# The steps the editors' end-to-end scripts share, sourced with the script's
# arguments (KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR): one working
# folder made from the installation with kiosk-setup, and the runs of the
# kiosk on it one after another, each seeing what the ones before left. The
# script defines check_files, which every run calls with the step's name.
set -euo pipefail
HEADLESS="$(realpath "$1")"
SETUP="$(realpath "$2")"
FILEBLOCK="$(realpath "$3")"
INSTALL="$4"
source "$(dirname "${BASH_SOURCE[0]}")/../headless_lib.sh"

WORK="$TMP/work"
"$SETUP" "$WORK" "$INSTALL" >/dev/null || fail "kiosk-setup"
PASSWORD=shop2026
n=0
# run KEYS [cut]: the next step on the working folder; its shots in
# $TMP/shots<n>. A step ends by quitting the kiosk, unless "cut": then the
# kiosk is stopped where the keys run out, as by a crash.
run() {
  n=$((n + 1))
  printf '%s' "$1" >"$TMP/keys$n.txt"
  "$HEADLESS" --dir "$WORK" --keys "$TMP/keys$n.txt" --shots "$TMP/shots$n" ||
    fail "step $n: exit code $?"
  if [ "${2:-}" = cut ]; then
    [ -e "$TMP/shots$n/final.bmp" ] || fail "step $n: the kiosk did not wait for more keys"
  else
    [ ! -e "$TMP/shots$n/final.bmp" ] || fail "step $n: the kiosk waited for more keys"
  fi
  check_files "step $n"
}
# The shot NAME of the last step.
shot() { echo "$TMP/shots$n/$1.bmp"; }
# fileblock in the working folder.
fb() { (cd "$WORK" && "$FILEBLOCK" "$@"); }
