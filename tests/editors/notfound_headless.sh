#!/bin/bash
# The not-found log end to end on the demo store: shoppers search three
# words nobody stocks (one of them twice) -> staff browse the log and make a
# product of one, then leave (the rebuild a deletion asks for, behind the
# password) -> the shopper's search now finds that word and logs nothing ->
# staff export the log (groups of 21 lines) and show the top list (the
# twice-searched word first, with 2). The log and the product file are
# checked after each staff session.
# Usage: notfound_headless.sh KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR
set -euo pipefail
HEADLESS="$1"
SETUP="$2"
FILEBLOCK="$3"
INSTALL="$4"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

WORK="$TMP/work"
"$SETUP" "$WORK" "$INSTALL" >/dev/null || fail "kiosk-setup"

# session NAME KEYS: the script on the one working folder; shots in $TMP/NAME.
session() {
  printf '%s' "$2" >"$TMP/$1.keys"
  "$HEADLESS" --dir "$WORK" --keys "$TMP/$1.keys" --shots "$TMP/$1" || fail "$1: exit code $?"
  [ ! -e "$TMP/$1/final.bmp" ] || fail "$1: the kiosk waited for more keys"
}
shot() { echo "$TMP/$1/$2.bmp"; }
fb() { (cd "$WORK" && "$FILEBLOCK" "$@"); }

# The fileblock is sound, and its key 1 holds one entry per live record,
# each ending in its record number.
checked() {
  fb check "$1" >/dev/null || fail "fileblock check $1"
  local live keyed
  live=$(fb records "$1" | awk '$2 == "00000000" { print $1 }' | sort -n)
  keyed=$(fb keys "$1" 1 | awk '{ print $NF }' | sort -n)
  [ "$live" = "$keyed" ] || fail "$1: key 1 names records [$keyed], live are [$live]"
}
log_keys() { fb keys 'data\NotFound' 1 | tr '\n' ' '; }

# Shoppers: four searches, no product for any of the words.
session shoppers 'Akumquat{ENTER}Ctahini{ENTER}Ckumquat{ENTER}Csaffron{ENTER}C~KKKVVV{ENTER}{ESC}'
[ "$(log_keys)" = "kumquat1 1 kumquat3 3 saffron4 4 tahini2 2 " ] || fail "logged: $(log_keys)"
checked 'data\NotFound'
products_before=$(fb keys 'data\products' 1 | wc -l)

# Staff: the browse in key order, then tahini made a product and its entry
# deleted; leaving offers the rebuild (password, yes).
session staff '{ESC}CA{SHOT b1}A{SHOT b2}A{SHOT b3}A{SHOT b4}EBA{SHOT menu}{ESC}shop2026{ENTER}A{SHOT staffmenu}{ESC}'
for a in b1 b2 b3; do
  for b in b2 b3 b4; do
    [ "$a" = "$b" ] && continue
    cmp -s "$(shot staff $a)" "$(shot staff $b)" && fail "browse screens $a and $b are the same"
  done
done
# The rebuild numbered the three entries left afresh.
[ "$(log_keys)" = "kumquat1 1 kumquat2 2 saffron3 3 " ] || fail "after the staff session: $(log_keys)"
checked 'data\NotFound'
checked 'data\products'
[ "$(fb keys 'data\products' 1 | wc -l)" -eq $((products_before + 1)) ] || fail "no product was added"
fb keys 'data\products' 1 | grep -q "^tahini[0-9]* $((products_before + 1))$" || fail "the product's key is missing"

# The shopper's search finds tahini now: nothing more is logged.
session finds 'Atahini{ENTER}{SHOT hit}C~KKKVVV{ENTER}{ESC}'
[ "$(log_keys)" = "kumquat1 1 kumquat2 2 saffron3 3 " ] || fail "tahini logged again: $(log_keys)"

# Staff: export, then the top list.
session utilities '{ESC}CDA{SHOT exported}E{SHOT top}x{ESC}{ESC}{ESC}'
lines=$(tr -d '\r' <"$WORK/data/notfound.txt" | wc -l)
[ "$lines" -eq 63 ] || fail "notfound.txt has $lines lines, not 3 groups of 21"
for n in 1 22 43; do
  [ "$(tr -d '\r' <"$WORK/data/notfound.txt" | sed -n "${n}p")" = "0" ] || fail "line $n is no separator"
done
[ "$(tr -d '\r' <"$WORK/data/notfound.txt" | sed -n 2p)" = "kumquat" ] || fail "the first entry"
first=$(tr -d '\r' <"$WORK/docs/NotFoundTop.txt" | sed -n 4p | cut -f1,2)
[ "$first" = "$(printf 'kumquat\t2')" ] || fail "top list starts with: $first"
checked 'data\NotFound'
echo "not-found log end to end passed"
