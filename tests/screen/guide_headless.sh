#!/bin/bash
# The guide end to end on a copy of the default installation, in English and
# in French: staff menu -> E -> every screen A..H -> continue -> the guide
# menu again; a letter beyond H shows the menu again at once; Escape goes
# back to the staff menu, and the kiosk quits from there by itself.
# Usage: guide_headless.sh KIOSK_HEADLESS INSTALL_DIR
set -euo pipefail
HEADLESS="$1"
INSTALL="$2"
source "$(dirname "$0")/../headless_lib.sh"
same() { cmp -s "$(shot "$1" "$2")" "$(shot "$1" "$3")"; }

# Every screen, then continue (A) back to the guide menu.
screens='{SHOT menu}A{SHOT a}AB{SHOT b}AC{SHOT c0}Jane{ENTER}42{ENTER}{SHOT c1}A{SHOT c2}AD{SHOT d}AE{SHOT e}AF{SHOT f}AG{SHOT g}AH{SHOT h0}AJane{ENTER}{ESC}{SHOT h1}A{SHOT back}I{SHOT beyond}{ESC}{SHOT staff}{ESC}'
run en "{ESC}E$screens"
run fr "{ESC}{ALT+M}BB{ESC}E$screens"
run staff '{ESC}{SHOT staff}{ESC}'

for lang in en fr; do
  names=(a b c0 c1 c2 d e f g h0 h1)
  for ((i = 0; i < ${#names[@]}; i++)); do
    same $lang menu "${names[i]}" && fail "$lang: screen ${names[i]} looks like the guide menu"
    for ((j = i + 1; j < ${#names[@]}; j++)); do
      same $lang "${names[i]}" "${names[j]}" && fail "$lang: screens ${names[i]} and ${names[j]} are alike"
    done
  done
  same $lang menu back || fail "$lang: continue did not return to the guide menu"
  same $lang menu beyond || fail "$lang: a letter beyond H did not leave the guide menu as it was"
  [ -s "$TMP/$lang/work/disphelp.bmp" ] || fail "$lang: the help picture was not saved"
done
cmp -s "$(shot en staff)" "$(shot staff staff)" || fail "Escape on the guide menu did not lead to the staff menu"
cmp -s "$(shot en menu)" "$(shot fr menu)" && fail "the guide menu is not in French"
cmp -s "$(shot en d)" "$(shot fr d)" && fail "the help picture is not in French"
cmp -s "$TMP/en/work/disphelp.bmp" "$TMP/fr/work/disphelp.bmp" && fail "the saved help pictures do not differ by language"
echo "guide end to end passed"
