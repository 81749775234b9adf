#!/bin/bash
# kiosk-admin end to end on a working folder made by kiosk-setup: a 10,000
# product file imported, checked and exported again gives the same file (in
# the store's order and shuffled); the map and the zones likewise; an import
# while a headless kiosk holds the product file is refused and changes
# nothing; a damaged index fails the check; bad command lines and folders
# give their exit codes.
# Usage: admin_e2e.sh KIOSK_ADMIN KIOSK_SETUP KIOSK_HEADLESS INSTALL_DIR
set -euo pipefail
ADMIN="$(realpath "$1")"
SETUP="$(realpath "$2")"
HEADLESS="$(realpath "$3")"
INSTALL="$4"
HERE="$(dirname "$(realpath "$0")")"
TMP="$(mktemp -d)"
KIOSK_PID=
cleanup() {
  [ -z "$KIOSK_PID" ] || kill "$KIOSK_PID" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$TMP"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
WORK="$TMP/store"
"$SETUP" "$WORK" "$INSTALL" >/dev/null || fail "kiosk-setup"
admin() { "$ADMIN" --dir "$WORK" "$@"; }
# expect CODE COMMAND...: runs kiosk-admin, its output in $TMP/out, $TMP/err.
expect() {
  local want="$1" got=0
  shift
  admin "$@" >"$TMP/out" 2>"$TMP/err" || got=$?
  [ "$got" = "$want" ] || fail "kiosk-admin $*: exit $got, want $want: $(cat "$TMP/err")"
}
# One line per product (its 19 lines joined), sorted: the same products.
products_of() { awk '{ sub(/\r$/, ""); printf "%s%s", $0, (NR % 19 ? "\x1f" : "\n") }' "$1" | LC_ALL=C sort; }
sums() { (cd "$WORK/data" && cksum products.DAT products.IX prodlist.txt); }

# 10,000 products in the store's own order: the export is the file itself.
awk -v n=10000 -f "$HERE/products_file.awk" >"$TMP/p10k.txt"
expect 0 import products "$TMP/p10k.txt"
grep -qx "products: 10000 records imported from $TMP/p10k.txt" "$TMP/out" || fail "import: $(cat "$TMP/out")"
expect 0 check
grep -qx "data/products: ok, 10000 live records" "$TMP/out" || fail "check: $(cat "$TMP/out")"
expect 0 export products "$TMP/export.txt"
cmp -s "$TMP/p10k.txt" "$TMP/export.txt" || fail "the export differs from the import"
cmp -s "$TMP/p10k.txt" "$WORK/data/prodlist.txt" || fail "the exchange file differs from the import"

# The same products in another order: the export holds every one once.
products_of "$TMP/p10k.txt" >"$TMP/sorted.txt"
awk '{ sub(/\r$/, ""); printf "%s%s", $0, (NR % 19 ? "\x1f" : "\n") }' "$TMP/p10k.txt" |
  awk 'BEGIN { srand(7) } { print rand() "\t" $0 }' | LC_ALL=C sort | cut -f2- |
  awk '{ gsub(/\x1f/, "\r\n"); printf "%s\r\n", $0 }' >"$TMP/shuffled.txt"
expect 0 import products "$TMP/shuffled.txt"
expect 0 export products "$TMP/export2.txt"
products_of "$TMP/export2.txt" | cmp -s - "$TMP/sorted.txt" || fail "the shuffled import lost or changed products"

# The map and the zones go round the same way.
expect 0 export map "$TMP/map.txt"
expect 0 import map "$TMP/map.txt"
expect 0 export map "$TMP/map2.txt"
cmp -s "$TMP/map.txt" "$TMP/map2.txt" || fail "the map export differs from its import"
[ "$(wc -l <"$TMP/map.txt")" -gt 100 ] || fail "the demo map exported too few elements"
expect 0 export zones "$TMP/zones.txt"
cmp -s "$TMP/zones.txt" "$WORK/data/zonedef.txt" || fail "the zone export differs from the zone file"
printf '2\r\n0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17\r\n1|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17\r\n' >"$TMP/bad-zones.txt"
expect 1 import zones "$TMP/bad-zones.txt"
grep -q "zone 2 is missing" "$TMP/err" || fail "bad zones: $(cat "$TMP/err")"
cmp -s "$TMP/zones.txt" "$WORK/data/zonedef.txt" || fail "a refused zone table changed the zone file"
head -3 "$TMP/bad-zones.txt" | sed '1s/2/1/' >"$TMP/good-zones.txt"
expect 0 import zones "$TMP/good-zones.txt"
cmp -s "$TMP/good-zones.txt" "$WORK/data/zonedef.txt" || fail "the zone table was not imported"

# A kiosk in the shopper's search holds the product file: a second import
# is refused, and neither the product file nor its exchange file changes.
expect 0 import products "$TMP/p10k.txt"
printf 'A' >"$TMP/search.keys"
"$HEADLESS" --dir "$WORK" --keys "$TMP/search.keys" --hold "$TMP/hold" >/dev/null &
KIOSK_PID=$!
for _ in $(seq 300); do [ -e "$TMP/hold" ] && break; sleep 0.1; done
[ -e "$TMP/hold" ] || fail "the headless kiosk did not reach the search"
before=$(sums)
head -n 190 "$TMP/p10k.txt" >"$TMP/p10.txt"
expect 3 import products "$TMP/p10.txt"
grep -q "a running kiosk holds data/products" "$TMP/err" || fail "refusal: $(cat "$TMP/err")"
expect 3 check
[ "$(sums)" = "$before" ] || fail "the refused import changed the product files"
rm "$TMP/hold"
wait "$KIOSK_PID" || fail "the headless kiosk ended with $?"
KIOSK_PID=
expect 0 import products "$TMP/p10.txt"
grep -qx "products: 10 records imported from $TMP/p10.txt" "$TMP/out" || fail "import after the kiosk: $(cat "$TMP/out")"

# The rebuild keeps every record; the report lists them.
expect 0 rebuild products
grep -qx "products: 10 records kept, every index rebuilt" "$TMP/out" || fail "rebuild: $(cat "$TMP/out")"
expect 0 report products "$TMP/report.txt"
[ "$(grep -c '^Search words' "$TMP/report.txt")" = 10 ] || fail "the report does not list the 10 products"

# The not-found log: imported, exported as it came, rebuilt, printed and
# its top list (most often first, the word in UTF-8 for scripts).
entry() { printf '0\r\n%b\r\n \r\n\r\n\r\n%s\r\n10\r\n10\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n \r\n1:2:3 PM   \r\n%s\r\n' "$1" "$2" "$3"; }
{
  entry 'p\xe3o' KIOSK-01 01/02/2026
  entry kale KIOSK-01 01/02/2026
  entry 'P\xe3o' KIOSK-02 03/02/2026
  entry tofu KIOSK-02 02/02/2026
  entry 'p\xe3o' KIOSK-01 02/02/2026
  entry tofu KIOSK-01 01/02/2026
} >"$TMP/notfound.txt"
expect 0 import notfound "$TMP/notfound.txt"
grep -qx "notfound: 6 records imported from $TMP/notfound.txt" "$TMP/out" || fail "log import: $(cat "$TMP/out")"
expect 0 export notfound "$TMP/notfound2.txt"
cmp -s "$TMP/notfound.txt" "$TMP/notfound2.txt" || fail "the log's export differs from its import"
expect 0 rebuild notfound
grep -qx "notfound: 6 records kept, every index rebuilt" "$TMP/out" || fail "log rebuild: $(cat "$TMP/out")"
expect 0 top-not-found "$TMP/top.txt"
printf '3\tpão\tKIOSK-01,KIOSK-02\t03/02/2026\n2\ttofu\tKIOSK-01,KIOSK-02\t02/02/2026\n1\tkale\tKIOSK-01\t01/02/2026\n' |
  cmp -s - "$TMP/out" || fail "top list: $(cat "$TMP/out")"
cmp -s "$TMP/top.txt" "$WORK/docs/NotFoundTop.txt" || fail "the top list file was not copied"
grep -q $'^tofu\t2\t' "$TMP/top.txt" || fail "the top list file: $(head -5 "$TMP/top.txt")"
expect 0 report notfound "$TMP/nfreport.txt"
[ "$(grep -c 'KIOSK-0' "$TMP/nfreport.txt")" = 6 ] || fail "the log's report does not list its 6 entries"
expect 0 report map "$TMP/mapreport.txt"
[ -s "$WORK/docs/MapElementList.txt" ] && cmp -s "$TMP/mapreport.txt" "$WORK/docs/MapElementList.txt" ||
  fail "the map report was not written"
expect 0 check
grep -qx "data/NotFound: ok, 6 live records" "$TMP/out" || fail "check after the log's work: $(cat "$TMP/out")"

# Run by root on a folder that is the kiosk user's, what it makes is the
# user's too (the kiosk must be able to open the new files).
if [ "$(id -u)" = 0 ]; then
  chown -R 65534:65534 "$WORK"
  expect 0 import products "$TMP/p10.txt"
  expect 0 report products
  [ -z "$(find "$WORK" ! -user 65534)" ] || fail "root left files of its own: $(find "$WORK" ! -user 65534 | head -3)"
fi

# A damaged index fails the check.
truncate -s "$(( $(stat -c %s "$WORK/data/products.IX") / 2 ))" "$WORK/data/products.IX"
expect 1 check
grep -q "^data/products: problem: " "$TMP/out" || fail "damage not reported: $(cat "$TMP/out")"

# Command lines and folders.
expect 2 import products
expect 2 frobnicate
expect 2 rebuild zones
expect 2 report zones
expect 2 top-not-found one two
expect 0 --help
grep -q "^exit codes" "$TMP/out" || fail "--help"
expect 0 import --help
grep -q "^usage: kiosk-admin \[--dir DIR\] import" "$TMP/out" || fail "import --help"
got=0
"$ADMIN" --dir "$TMP/nowhere" check >/dev/null 2>&1 || got=$?
[ "$got" = 4 ] || fail "a missing folder: exit $got"
echo ok
