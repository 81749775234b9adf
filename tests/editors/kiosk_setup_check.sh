#!/bin/sh
# Runs kiosk-setup twice on a fresh folder: the first run copies the
# installation and imports the demo store, the second leaves it untouched.
set -e
setup="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$setup" "$dir/kiosk" > "$dir/first.txt"
grep -q "^product file: [1-9][0-9]* records" "$dir/first.txt"
grep -q "^map element file: [1-9][0-9]* records" "$dir/first.txt"
for f in data/products.DAT data/products.IX data/Shelve.DAT data/Shelve.IX data/NotFound.DAT lang/config.txt; do
  test -s "$dir/kiosk/$f" || { echo "missing $f"; exit 1; }
done
echo changed > "$dir/kiosk/lang/config.txt"
before=$(cksum "$dir/kiosk/data/products.DAT")
"$setup" "$dir/kiosk" > "$dir/second.txt"
grep -q "^0 files copied" "$dir/second.txt"
test "$(cat "$dir/kiosk/lang/config.txt")" = changed
test "$(cksum "$dir/kiosk/data/products.DAT")" = "$before"
echo ok
