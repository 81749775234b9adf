#!/bin/bash
# The map editor end to end on the demo store: staff add an element and see
# it drawn, move a shelf holding two products (and see its products follow),
# hide and show a shelf again, export the map and make the map file afresh
# from the export, all from the kiosk's own screens. After each run the map
# file passes the store's check and every live element has exactly one
# entry in each of its three indexes, built from its record.
# Usage: mapedit_headless.sh KIOSK_HEADLESS KIOSK_SETUP FILEBLOCK INSTALL_DIR
source "$(dirname "$0")/headless_steps.sh" "$@"

# Reads the data files of the working folder: "elements" prints every live
# map element as its record number and its 18 fields joined by "|";
# "products SHELF" prints the words, x, y and floor of the shelf's products;
# "keys K" reads `fileblock keys` lines and prints those whose text is not
# the one key K's rule builds from the entry's record.
cat >"$TMP/files.py" <<'EOF'
import struct, sys, urllib.parse
work, what = sys.argv[1], sys.argv[2]
def records(name, length):
    data = open(f"{work}/data/{name}.DAT", "rb").read()
    for n in range(1, len(data) // length):
        r = data[n * length:(n + 1) * length]
        if len(r) == length and struct.unpack("<i", r[:4])[0] == 0:
            yield n, r
def fields(r, widths, at=4):
    out = []
    for w in widths:
        out.append(r[at + 1:at + 1 + min(r[at], w)].decode("cp1252"))
        at += w + 1
    return out
MAP = [40, 16, 16, 9, 9, 7, 7, 4, 4, 4, 4, 4, 4, 4, 4, 60, 5, 35]
if what == "elements":
    for n, r in records("Shelve", 260):
        print(n, "|".join(fields(r, MAP)))
elif what == "products":
    for n, r in records("products", 784):
        f = fields(r, [55, 55, 35, 14, 14, 16, 16, 5])
        if f[2].strip().upper() == sys.argv[3]:
            print(f[0].strip(), f[5], f[6], repr(f[7]))
elif what == "keys":
    k = int(sys.argv[3])
    live = {n: fields(r, MAP) for n, r in records("Shelve", 260)}
    for line in sys.stdin:
        text, ref = line.rsplit(" ", 1)
        text, ref = urllib.parse.unquote(text), int(ref)
        f = live.get(ref)
        if f is None:
            print("entry of a deleted element", ref); continue
        want = (f[k - 1].rstrip(" ")[:40 if k == 1 else 15]) or "_"
        ok = (text.startswith(want) and len(text) == len(want) + 4 + len(str(ref))
              and text.endswith(str(ref))) if k == 1 else text == want
        if not ok:
            print("key", k, "of", ref, repr(text), "record gives", repr(want))
EOF
files() { python3 "$TMP/files.py" "$WORK" "$@"; }
# The store's own check, one entry per key for each live element, each
# entry's text built from its element.
check_files() {
  fb check 'data\Shelve' >/dev/null || fail "$1: fileblock check"
  local live
  live=$(files elements | awk '{print $1}' | sort -n)
  for k in 1 2 3; do
    local refs
    refs=$(fb keys 'data\Shelve' $k | awk '{print $NF}' | sort -n)
    [ "$refs" = "$live" ] || fail "$1: index $k does not hold one entry per live element"
    local wrong
    wrong=$(fb keys 'data\Shelve' $k | files keys $k)
    [ -z "$wrong" ] || fail "$1: $wrong"
  done
}
element() { files elements | awk -v id="$1" -F'|' '{split($1, a, " "); if (a[2] == id) print}'; }
# pixels FILE X1 Y1 X2 Y2: how many pixels of the rectangle are not black.
cat >"$TMP/pixels.py" <<'EOF'
import struct, sys
f, x1, y1, x2, y2 = sys.argv[1], *map(int, sys.argv[2:])
d = open(f, "rb").read()
off, w, h = struct.unpack("<I", d[10:14])[0], *struct.unpack("<ii", d[18:26])
row = (w * 3 + 3) // 4 * 4
count = 0
for y in range(y1, y2 + 1):
    base = off + (h - 1 - y) * row if h > 0 else off + y * row
    for x in range(x1, x2 + 1):
        b, g, r = d[base + 3 * x:base + 3 * x + 3]
        count += (r, g, b) != (0, 0, 0)
print(count)
EOF
pixels() { python3 "$TMP/pixels.py" "$@"; }

# The staff menu -> the map menu; leaving: back to the staff menu and quit.
MAP='{ESC}A'
LEAVE='I{ESC}'
# The whole map of floor 1 drawn (shelves, grid, labels; floor 1; zone 0),
# shot, and the display ended.
draw() { echo "GAAA1{ENTER}0{ENTER}{SHOT $1}x"; }

# Add an element on floor 1 at (110, 130), 25 long and 6 wide: drawn there.
run "$MAP$(draw before){SHOT menu}A{SHOT add}ZZ-01{ENTER}Test{ENTER}All year{ENTER}110{ENTER}130{ENTER}25{ENTER}6{ENTER}0{ENTER}201{ENTER}0{ENTER}1{ENTER}1{ENTER}0{ENTER}12{ENTER}0{ENTER}{ENTER}1{ENTER}Test shelf{ENTER}{SHOT filled}A$(draw after)$LEAVE"
[ "$(element ZZ-01 | cut -d' ' -f2-)" = "ZZ-01|Test|All year|110|130|25|6|0|201|0|1|1|0|12|0||1|Test shelf" ] ||
  fail "the element added is $(element ZZ-01)"
# Zone 0 puts a map point at 3.3 x + 2, 3.3 y - 64: the box covers 365..447
# across and 345..365 down.
[ "$(pixels "$(shot before)" 360 340 452 370)" -eq 0 ] || fail "the place was not empty before"
[ "$(pixels "$(shot after)" 360 340 452 370)" -gt 100 ] || fail "the new element is not drawn"

# Look up by identifier: the three DY shelves, A shows the next one, F1 the
# shelf on the map of its floor; Escape ends the browse and nothing changes.
before=$(files elements)
run "$MAP""E{SHOT keymenu}A{SHOT searchtext}dy-0{ENTER}{SHOT found1}A{SHOT found2}{F1}{WAIT 3000}{SHOT onmap}x{ESC}$LEAVE"
cmp -s "$(shot found1)" "$(shot found2)" && fail "the browse showed the same element twice"
[ "$(pixels "$(shot onmap)" 0 100 1023 700)" -gt 1000 ] || fail "F1 drew no map"
[ "$(files elements)" = "$before" ] || fail "a look-up changed the map file"

# Change the new element's identifier and department: stored with keys built
# from the new values (the key check of every run), found under them.
run "$MAP""EAZZ-01{ENTER}{PAUSE}{SHOT form}A{CTRL+HOME}ZZ-02{ENTER}B{CTRL+HOME}Bakery{ENTER}{SHOT changed}{PAUSE}$LEAVE"
[ "$(element ZZ-02 | cut -d'|' -f1-4 | cut -d' ' -f2-)" = "ZZ-02|Bakery|All year|110" ] ||
  fail "the changed element is $(element ZZ-02)"
[ -z "$(element ZZ-01)" ] || fail "the old identifier is still there"
[ -n "$(fb keys 'data\Shelve' 2 | grep '^Bakery ')" ] || fail "no department entry Bakery"

# List by department from the map utilities: the changed element is listed;
# Pause ends the list and nothing changes.
before=$(files elements)
run "$MAP""HG{SHOT listkey}C{SHOT listtext}Bakery{ENTER}{SHOT listed}{PAUSE}{PAUSE}$LEAVE"
[ "$(files elements)" = "$before" ] || fail "the list changed the map file"

# Delete it: asked, answered yes, gone with its entries (the key check).
run "$MAP""DAZZ-02{ENTER}{PAUSE}{PAUSE}{SHOT confirm}A$LEAVE"
[ -z "$(element ZZ-02)" ] || fail "the element was not deleted"
[ "$(files elements | wc -l)" -eq "$(($(wc -l <<<"$before") - 1))" ] || fail "another element went too"

# Move CW-01 (two products) by 100 along x; stopped before it is finished,
# as by a crash, nothing has changed.
before_products=$(files products CW-01)
[ "$(wc -l <<<"$before_products")" -eq 2 ] || fail "CW-01 does not hold two products: $before_products"
MOVE='HCACW-01{ENTER}{PAUSE}{PAUSE}{SHOT picked}AD{CTRL+HOME}140{ENTER}{PAUSE}{SHOT moving}'
run "$MAP$MOVE" cut
[ "$(element CW-01 | cut -d'|' -f4,9,12)" = "40|185|1" ] || fail "a move cut short changed the shelf: $(element CW-01)"
[ "$(files products CW-01)" = "$before_products" ] || fail "a move cut short moved products"
# Finished: the shelf at its new place in its own colour, the products along.
run "$MAP$MOVE""B{PAUSE}$LEAVE"
[ "$(element CW-01 | cut -d'|' -f4,5,9,12)" = "140|150|185|1" ] || fail "the moved shelf is $(element CW-01)"
after_products=$(files products CW-01)
[ "$after_products" = "Socks chaussettes calzini calcetines meias 138.9400 145.4000 ' 2'
T-shirts tee-shirts magliette camisetas 153.0800 131.2600 ' 2'" ] || fail "the products of the moved shelf are $after_products"

# Hide shelf DY-01 from the product utilities: its element is hidden; shown
# again, it is back under its own identifier.
PRODUCTS='{ESC}B'
run "$PRODUCTS""ECB{SHOT hidekey}DY-01{ENTER}{PAUSE}{WAIT 6000}IG{ESC}"
[ -n "$(element 'DY-01~')" ] || fail "the element of DY-01 was not hidden"
[ -n "$(element DY-02)" ] || fail "another element changed"
run "$PRODUCTS""EDBDY-01{ENTER}{PAUSE}IG{ESC}"
[ -n "$(element DY-01)" ] && [ -z "$(element 'DY-01~')" ] || fail "the element of DY-01 was not shown again"

# Export, then a new map file from the export: every element as it was.
run "$MAP""HE{SHOT exported}{PAUSE}$LEAVE"
before=$(files elements | cut -d' ' -f2-)
[ "$(wc -l <"$WORK/data/Shelves.txt")" -eq "$(wc -l <<<"$before")" ] || fail "the export lacks elements"
run "$MAP""HF$PASSWORD{ENTER}{SHOT confirm}A{SHOT imported}{PAUSE}$LEAVE"
after=$(files elements | cut -d' ' -f2-)
[ "$after" = "$before" ] || fail "the map made from the export differs: $(diff <(echo "$before") <(echo "$after") | head -5)"

# The report, behind the staff password: every live element has its block.
run "$MAP""HA$PASSWORD{ENTER}{WAIT 4000}{PAUSE}$LEAVE"
blocks=$(grep -c '^Identifier	' "$WORK/docs/MapElementList.txt" || true)
[ "$blocks" -eq "$(wc -l <<<"$after")" ] || fail "the report holds $blocks elements of $(wc -l <<<"$after")"
# The map menu, the add form, the utilities and a shelf being moved, in
# French (the language stays chosen in the configuration).
run "{ESC}{ALT+M}BB{ESC}A{SHOT menu_fr}A{SHOT add_fr}{ESC}{ENTER}HC{SHOT move_fr}ACW-01{ENTER}{PAUSE}{PAUSE}{SHOT picked_fr}C{SHOT utilities_fr}{PAUSE}$LEAVE"
# KEEP_SHOTS=DIR keeps every step's shots there, to look at.
[ -z "${KEEP_SHOTS:-}" ] || cp -r "$TMP"/shots* "$KEEP_SHOTS"
echo "map editor end to end passed"
