#!/bin/bash
# The product editor end to end on the demo store: staff add, copy, change,
# delete, list, hide and show again products found by each of the four keys,
# write the report, make the file afresh from text and erase it (behind the
# password and a yes) from the kiosk's own screens, then once more in French;
# the shopper's search then finds (or logs as not found) the words the
# products carry. After each run the product file passes the store's check
# and every live product has exactly one entry in each of its four indexes.
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
live_count() { fb records 'data\products' | awk '$2 == "00000000"' | wc -l; }
# same_screen A B: two shots of the last run show the same screen.
same_screen() { cmp -s "$TMP/shots$n/$1.bmp" "$TMP/shots$n/$2.bmp"; }

# Add: words, shelf, department and exclusion code, the rest left empty;
# then saved.
run "$PRODUCTS{SHOT menu}A{SHOT add}zebra cake{ENTER}{ENTER}ZZ-01{ENTER}Bakery{ENTER}XZ7{ENTER}$(blanks 13){SHOT filled}A$LEAVE"
run "{ESC}$(search zebra)"
[ -z "$(logged)" ] || fail "the new product was not found: $(logged)"

# Copy it, found by its exclusion code, with other words and shelf: the
# copy and the original are both found.
before=$(live_count)
run "$PRODUCTS""BD{SHOT key4}XZ7{ENTER}{SHOT found}{PAUSE}A{CTRL+HOME}quince tart{ENTER}C{CTRL+HOME}ZZ-02{ENTER}{SHOT copyform}{PAUSE}$LEAVE"
[ "$(live_count)" -eq $((before + 1)) ] || fail "the copy did not add one product"
run "{ESC}$(search quince zebra)"
[ -z "$(logged)" ] || fail "after the copy the log holds: $(logged)"

# Change the original's words, found by its shelf: found under the new
# words, the old one is not found.
run "$PRODUCTS""DB{SHOT key}ZZ-01{ENTER}{SHOT found}{PAUSE}{SHOT form}A{CTRL+HOME}yak milk{ENTER}{PAUSE}$LEAVE"
run "{ESC}$(search yak zebra)"
[ "$(logged)" = "zebra1 " ] || fail "after the change the log holds: $(logged)"

# Delete it, found by its words: no longer found; the copy stays.
run "$PRODUCTS""CAyakmilk{ENTER}{PAUSE}{PAUSE}{SHOT confirm}A$LEAVE"
run "{ESC}$(search yakmilk quince)"
[ "$(logged)" = "yakmilk2 zebra1 " ] || fail "after the delete the log holds: $(logged)"

# The list, found by department: two products asked, one key each, then
# back on the utilities menu; then exported.
run "$PRODUCTS""E{SHOT utilities}HC{SHOT listkey}bakery{ENTER}{SHOT count}2{ENTER}{SHOT list1}A{SHOT list2}A{SHOT back}F{WAIT 3000}I$LEAVE"
same_screen utilities back || fail "the list did not end after the two products asked"
same_screen list1 list2 && fail "the list showed the same product twice"

# Hide shelf DY-01: found by its shelf, chosen with Pause; then exported.
# shelf_marks FILE: per product of an exchange file, "dy" or "other" and
# whether its words carry the hiding mark.
shelf_marks() {
  awk 'NR % 19 == 2 { w = $0 } NR % 19 == 4 { print ($0 ~ /^DY-01/ ? "dy" : "other"), (w ~ /~/ ? "hidden" : "shown") }' "$1" |
    sort | uniq -c
}
original=$(shelf_marks "$WORK/data/prodlist.txt")
grep -q ' dy shown$' <<<"$original" || fail "the demo store has no product on DY-01"
run "$PRODUCTS""E{SHOT utilities}CB{SHOT hidekey}DY-01{ENTER}{PAUSE}{WAIT 6000}F{WAIT 3000}I$LEAVE"
after=$(shelf_marks "$WORK/data/prodlist.txt")
grep -q ' dy hidden$' <<<"$after" || fail "no product of DY-01 hidden"
grep -q ' dy shown$' <<<"$after" && fail "a product of DY-01 stayed shown"
[ "$(grep other <<<"$after")" = "$(grep other <<<"$original")" ] ||
  fail "products of other shelves changed: $after"

# Show it again, found by the words of one of its products: every product
# as it was.
run "$PRODUCTS""EDA{SHOT showkey}margarine{ENTER}{SHOT showfound}{PAUSE}{WAIT 6000}F{WAIT 3000}I$LEAVE"
[ "$(shelf_marks "$WORK/data/prodlist.txt")" = "$original" ] || fail "shelf DY-01 not shown again"

# The report, behind the staff password: every live product has its block.
run "$PRODUCTS""E{SHOT utilities2}A$PASSWORD{ENTER}{WAIT 4000}I$LEAVE"
live=$(live_count)
blocks=$(grep -c '^Search words	' "$WORK/docs/ItemsList.txt" || true)
[ "$blocks" -eq "$live" ] || fail "the report holds $blocks products of $live"

# New file from text and erase ask the staff password and a confirmation: a
# wrong password and a "no" change nothing.
records=$(fb records 'data\products')
run "$PRODUCTS""EEwrong{ENTER}E$PASSWORD{ENTER}{SHOT replace}BJwrong{ENTER}J$PASSWORD{ENTER}{SHOT erase}BI$LEAVE"
[ "$(fb records 'data\products')" = "$records" ] || fail "the product file changed without a yes"
# The new file from the exported text holds every live product and no
# deleted record.
run "$PRODUCTS""EF{WAIT 3000}E$PASSWORD{ENTER}A{WAIT 10000}I$LEAVE"
[ "$(live_count)" -eq "$live" ] || fail "the new file holds $(live_count) products of $live"
[ "$(fb records 'data\products' | wc -l)" -eq "$live" ] || fail "the new file keeps deleted records"
# Without the text file the product file is kept.
rm "$WORK/data/prodlist.txt"
run "$PRODUCTS""EE$PASSWORD{ENTER}A{WAIT 6000}I$LEAVE"
[ "$(live_count)" -eq "$live" ] || fail "a missing prodlist.txt emptied the product file"
# The erase leaves an empty product file with its four keys.
run "$PRODUCTS""EJ$PASSWORD{ENTER}A{WAIT 3000}I$LEAVE"
[ "$(live_count)" -eq 0 ] || fail "the erase left $(live_count) products"
fb check 'data\products' | grep -q 'keys 4' || fail "the erased file has not four keys"

# The same screens in French: a product added to the empty file is found.
run "{ESC}{ALT+M}BB{ESC}B{SHOT frmenu}A{SHOT fradd}kiwi tarte{ENTER}{ENTER}FR-01{ENTER}$(blanks 15){SHOT frfilled}A{SHOT frmenu2}E{SHOT frutilities}HA{SHOT frlistkey}kiwi{ENTER}{SHOT frcount}1{ENTER}{SHOT frlist}AI$LEAVE"
[ "$(live_count)" -eq 1 ] || fail "the French add left $(live_count) products"
same_screen frmenu frmenu2 || fail "the product menu changed after the add"
echo "products end to end passed"
