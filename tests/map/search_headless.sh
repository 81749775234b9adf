#!/bin/bash
# The shopper's search end to end on the demo store: start menu -> search a
# word -> browse the hits -> the map -> back to the next hit -> a word that
# finds nothing -> words typed with and without accents -> the staff code
# -> the staff menu -> quit.
# Usage: search_headless.sh KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR
set -euo pipefail
HEADLESS="$1"
SETUP="$2"
FILEBLOCK="$3"
INSTALL="$4"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# run NAME KEYS: a fresh demo store, the script, the shots in $TMP/NAME/shots.
run() {
  local name="$1"
  "$SETUP" "$TMP/$name/work" "$INSTALL" >/dev/null || fail "kiosk-setup"
  printf '%s' "$2" >"$TMP/$name/keys.txt"
  "$HEADLESS" --dir "$TMP/$name/work" --keys "$TMP/$name/keys.txt" --shots "$TMP/$name/shots" ||
    fail "$name: exit code $?"
  [ ! -e "$TMP/$name/shots/final.bmp" ] || fail "$name: the kiosk waited for more keys"
}
shot() { echo "$TMP/$1/shots/$2.bmp"; }
same() { cmp -s "$(shot "$1" "$2")" "$(shot "$1" "$3")"; }

run search '{SHOT start}A{SHOT search}apples{ENTER}{SHOT hit1}A{SHOT hit2}B{SHOT back1}{F1}{SHOT map}{ESC}{SHOT aftermap}C{SHOT again}milkqq{ENTER}{SHOT shortened}Cqxqqy{ENTER}{SHOT nothing}pão{ENTER}{SHOT pao}Cpao{ENTER}{SHOT plain}Cgluten free bread{ENTER}{SHOT bread}C~KKKVVV{ENTER}{SHOT staff}{ESC}'
run menu '{ESC}{SHOT staff}{ESC}'

same search start search && fail "the start menu did not lead to the search screen"
same search search hit1 && fail "no product shown for apples"
same search hit1 hit2 && fail "next did not move to the second hit"
same search hit1 back1 || fail "previous did not return to the first hit"
same search hit1 map && fail "F1 did not show the map"
same search hit2 aftermap || fail "after the map the next hit is not shown"
same search search again || fail "a new search does not show the search screen"
same search again shortened && fail "the shortened word showed nothing"
# "qx", the shortest the word is cut to, is in no product: nothing is shown
# and the search is asked again.
same search again nothing || fail "a word whose first two letters match nothing showed products"
# Typed with its accent, "pão" finds the bread as "pao" does.
same search again pao && fail "pão showed nothing"
same search pao plain || fail "pão and pao do not show the same product"
same search pao bread || fail "pão did not find the bread"
cmp -s "$(shot search staff)" "$(shot menu staff)" || fail "the staff code did not lead to the staff menu"

# The words that found nothing are logged once each (the shortened one as
# typed); the words that found something, "pão" among them, are not.
keys=$(cd "$TMP/search/work" && "$FILEBLOCK" keys 'data\NotFound' 1 | tr '\n' ' ')
[ "$keys" = "milkqq1 1 qxqqy2 2 " ] || fail "not-found log keys: $keys"
echo "search end to end passed"
