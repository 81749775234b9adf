#!/bin/bash
# The product editor end to end on the demo store: staff add, change, delete
# and hide products and write the report from the kiosk's own screens; the
# shopper's search then finds (or logs as not found) the words the products
# carry. After each run the product file passes the store's check and every
# live product has exactly one entry in each of its four indexes.
# Usage: products_headless.sh KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR
source "$(dirname "$0")/headless_steps.sh" "$@"
# The store's own check, and one entry per key for each live record.
check_files() {
  fb check 'data\products' >/dev/null || fail "$1: fileblock check"
  local live
  live=$(fb records 'data\products' | awk '$2 == "00000000" {print $1}' | sort -n)
  for k in 1 2 3 4; do
    local refs
    refs=$(fb keys 'data\products' $k | awk '{print $NF}' | sort -n)
    [ "$refs" = "$live" ] || fail "$1: index $k does not hold one entry per live product"
  done
}
logged() { fb keys 'data\NotFound' 1 | awk '{print $1}' | tr '\n' ' '; }
# The staff menu -> products; leaving: back to the staff menu and quit.
PRODUCTS='{ESC}B'
LEAVE='G{ESC}'
# The shopper's search from the staff menu, for each word; then back.
search() {
  local keys='F'
  for w in "$@"; do keys="$keys$w{ENTER}{WAIT 6000}C"; done
  echo "$keys~KKKVVV{ENTER}{ESC}"
}
blanks() { local s=''; for _ in $(seq "$1"); do s="$s{ENTER}"; done; echo "$s"; }

# Add: the words and the shelf, the rest left empty; then saved.
run "$PRODUCTS{SHOT menu}A{SHOT add}zebra cake{ENTER}{ENTER}ZZ-01{ENTER}Bakery{ENTER}$(blanks 14){SHOT filled}A$LEAVE"
run "{ESC}$(search zebra)"
[ -z "$(logged)" ] || fail "the new product was not found: $(logged)"

# Change its words: found under the new ones, the old one is not found.
run "$PRODUCTS""DA{SHOT key}zebra{ENTER}{SHOT found}{PAUSE}{SHOT form}A{CTRL+HOME}yak milk{ENTER}{PAUSE}$LEAVE"
run "{ESC}$(search yak zebra)"
[ "$(logged)" = "zebra1 " ] || fail "after the change the log holds: $(logged)"

# Delete it: no longer found.
run "$PRODUCTS""CAyakmilk{ENTER}{PAUSE}{PAUSE}{SHOT confirm}A$LEAVE"
run "{ESC}$(search yakmilk)"
[ "$(logged)" = "yakmilk2 zebra1 " ] || fail "after the delete the log holds: $(logged)"

# Hide shelf DY-01: found by its shelf, chosen with Pause; then exported.
run "$PRODUCTS""E{SHOT utilities}CB{SHOT hidekey}DY-01{ENTER}{PAUSE}{WAIT 6000}F{WAIT 3000}I$LEAVE"
# shelf_marks FILE: per product of an exchange file, "dy" or "other" and
# whether its words carry the hiding mark.
shelf_marks() {
  awk 'NR % 19 == 2 { w = $0 } NR % 19 == 4 { print ($0 ~ /^DY-01/ ? "dy" : "other"), (w ~ /~/ ? "hidden" : "shown") }' "$1" |
    sort | uniq -c
}
after=$(shelf_marks "$WORK/data/prodlist.txt")
before=$(shelf_marks "$INSTALL/data/prodlist.txt")
grep -q ' dy hidden$' <<<"$after" || fail "no product of DY-01 hidden"
grep -q ' dy shown$' <<<"$after" && fail "a product of DY-01 stayed shown"
[ "$(grep other <<<"$after")" = "$(grep other <<<"$before")" ] ||
  fail "products of other shelves changed: $after"

# The report, behind the staff password: every live product has its block.
run "$PRODUCTS""E{SHOT utilities2}A$PASSWORD{ENTER}{WAIT 4000}I$LEAVE"
live=$(fb records 'data\products' | awk '$2 == "00000000"' | wc -l)
blocks=$(grep -c '^Search words	' "$WORK/docs/ItemsList.txt" || true)
[ "$blocks" -eq "$live" ] || fail "the report holds $blocks products of $live"
echo "products end to end passed"
