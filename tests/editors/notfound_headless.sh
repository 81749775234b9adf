#!/bin/bash
# The not-found log end to end on the demo store: shoppers search three
# words nobody stocks (one of them twice) -> staff browse the log and make a
# product of one, then leave (the rebuild a deletion asks for, behind the
# password) -> the shopper's search now finds that word and logs nothing ->
# staff export the log (groups of 21 lines) and show the top list (the
# twice-searched word first, with 2) -> staff change an entry, delete one,
# print the list and leave (the rebuild again) -> a new log from a missing
# text file, refused at the question or with a wrong password changes
# nothing; from the text file with one group added it holds that entry, and
# the utilities' rebuild keeps it -> the same screens in French. The log and
# the product file are checked after each staff session.
# Usage: notfound_headless.sh KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR
set -euo pipefail
HEADLESS="$1"
SETUP="$2"
FILEBLOCK="$3"
INSTALL="$4"
PASSWORD=shop2026  # the demo store's staff password (lang/config.txt line 13)

source "$(dirname "$0")/../headless_lib.sh"

WORK="$TMP/work"
"$SETUP" "$WORK" "$INSTALL" >/dev/null || fail "kiosk-setup"

# session NAME KEYS: the script on the one working folder (every session
# goes on from the files the last one left); shots as run's.
session() {
  mkdir -p "$TMP/$1"
  printf '%s' "$2" >"$TMP/$1/keys.txt"
  "$HEADLESS" --dir "$WORK" --keys "$TMP/$1/keys.txt" --shots "$TMP/$1/shots" || fail "$1: exit code $?"
  [ ! -e "$TMP/$1/shots/final.bmp" ] || fail "$1: the kiosk waited for more keys"
}
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

# Shoppers: four searches, no product for any of the words. Shortened,
# "tahini" and "saffron" show products (C asks again); "kumquat" does not,
# and the search asks again at once.
session shoppers 'Akumquat{ENTER}tahini{ENTER}Ckumquat{ENTER}saffron{ENTER}C~KKKVVV{ENTER}{ESC}'
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

text_lines() { tr -d '\r' <"$WORK/$1"; }

# Staff: the third entry changed (kept on Pause, under its new word), the
# first deleted, the printed list; leaving rebuilds (password, yes).
session review "{ESC}CA{SHOT browse}AA{SHOT saffron}C{SHOT fields}A threads{ENTER}{SHOT changed}{PAUSE}\
A{SHOT browse2}D{SHOT delete}A\
D{SHOT utilities}D$PASSWORD{ENTER}{ESC}{ESC}$PASSWORD{ENTER}A{ESC}"
[ "$(log_keys)" = "kumquat1 1 saffron%20threads2 2 " ] || fail "after the review: $(log_keys)"
checked 'data\NotFound'
[ "$(grep -c $'^Word searched\t' "$WORK/docs/NotFoundList.txt")" -eq 2 ] ||
  fail "the printed list does not hold the two entries"
grep -q $'^Word searched\tsaffron threads\r$' "$WORK/docs/NotFoundList.txt" ||
  fail "the printed list lacks the changed entry"
[ "$(text_lines data/notfound.txt | wc -l)" -eq 42 ] || fail "the rebuild did not refresh notfound.txt"

# A new log from a missing text file: nothing changes.
rm "$WORK/data/notfound.txt"
session missing "{ESC}CDB$PASSWORD{ENTER}A{SHOT missing}{ESC}{ESC}{ESC}"
[ "$(log_keys)" = "kumquat1 1 saffron%20threads2 2 " ] || fail "a missing text file changed the log: $(log_keys)"
checked 'data\NotFound'

# The text file of the two entries with one group added: refused at the
# question and with a wrong password, nothing changes.
session export "{ESC}CDA{ESC}{ESC}{ESC}"
{
  printf '0\r\nquinoa\r\n \r\n\r\n\r\nKIOSK-09\r\n10\r\n10\r\n0\r\n'
  for _ in $(seq 9); do printf '\r\n'; done
  printf ' \r\n9:5:0 AM   \r\n03/01/2026\r\n'
} >>"$WORK/data/notfound.txt"
session refused "{ESC}CDB$PASSWORD{ENTER}{SHOT question}BBwrong{ENTER}{ESC}{ESC}{ESC}"
[ "$(log_keys)" = "kumquat1 1 saffron%20threads2 2 " ] || fail "a refused new log changed the log: $(log_keys)"
# Accepted: the log holds the three entries; the rebuild keeps them.
session newlog "{ESC}CDB$PASSWORD{ENTER}A{SHOT replaced}C$PASSWORD{ENTER}A{SHOT rebuilt}{ESC}{ESC}{ESC}"
[ "$(log_keys)" = "kumquat1 1 quinoa3 3 saffron%20threads2 2 " ] || fail "the new log holds: $(log_keys)"
checked 'data\NotFound'
[ "$(text_lines data/notfound.txt | sed -n 44p)" = "quinoa" ] || fail "the rebuild's notfound.txt lacks quinoa"

# The same screens in French: other texts than the English ones.
session french "{ESC}{ALT+M}BB{ESC}C{SHOT menu}A{SHOT browse}C{SHOT fields}{ESC}D{SHOT utilities}E{SHOT top}x{ESC}{ESC}{ESC}"
cmp -s "$(shot french utilities)" "$(shot review utilities)" && fail "the French utilities are the English ones"
first=$(tr -d '\r' <"$WORK/docs/NotFoundTop.txt" | sed -n 1p)
[ "$first" != "Words shoppers could not find, most often first" ] || fail "the French top list has the English heading"
checked 'data\NotFound'
echo "not-found log end to end passed"
