#!/bin/bash
# Runs the kiosk headless on a copy of the default installation and checks
# what a scripted user sees: which screens follow which keys, the exit code,
# and whether the kiosk quit by itself (no final.bmp) or ran out of keys.
# Usage: headless_scripts.sh KIOSK_HEADLESS INSTALL_DIR CASE
set -euo pipefail
HEADLESS="$1"
INSTALL="$2"
CASE="$3"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

fail() { echo "FAIL ($CASE): $*" >&2; exit 1; }

# run NAME KEYS [CONFIG-EDIT]: a fresh working copy, the script, the shots in
# $TMP/NAME/shots; the exit code in RC.
run() {
  local name="$1" keys="$2"
  mkdir -p "$TMP/$name"
  cp -r "$INSTALL" "$TMP/$name/work"
  if [ -n "${PREPARE:-}" ]; then (cd "$TMP/$name/work" && eval "$PREPARE"); fi
  printf '%s' "$keys" > "$TMP/$name/keys.txt"
  set +e
  "$HEADLESS" --dir "$TMP/$name/work" --keys "$TMP/$name/keys.txt" --shots "$TMP/$name/shots"
  RC=$?
  set -e
}
shot() { echo "$TMP/$1/shots/$2.bmp"; }
same() { cmp -s "$1" "$2"; }
quit_by_itself() {
  [ "$RC" -eq 0 ] || fail "$1: exit code $RC"
  [ ! -e "$(shot "$1" final)" ] || fail "$1: the kiosk waited for more keys instead of quitting"
}

case "$CASE" in
  escape_and_pause)
    # Escape or Pause on the start menu: the staff menu (no search); Escape
    # or Pause there: the kiosk quits with exit code 0.
    run esc '{SHOT start}{ESC}{SHOT staff}{ESC}'
    quit_by_itself esc
    run pause '{PAUSE}{SHOT staff}{PAUSE}'
    quit_by_itself pause
    same "$(shot esc staff)" "$(shot pause staff)" || fail "Pause and Escape lead to different screens"
    same "$(shot esc start)" "$(shot esc staff)" && fail "the staff menu looks like the start screen"
    # Keys that are no menu item leave the start menu waiting.
    run other '{SHOT start}x{F1}{SHOT again}{ESC}{ESC}'
    quit_by_itself other
    same "$(shot other start)" "$(shot other again)" || fail "the start menu changed on a stray key"
    ;;
  language)
    # Alt+M on the staff menu, "change", French: the start screen in French;
    # then back to English: the start screen exactly as at start-up.
    run lang '{SHOT start}{ESC}{SHOT staff}{ALT+M}B{SHOT list}B{SHOT french}{ESC}{SHOT stafffr}{ALT+M}BA{SHOT english}{ESC}{SHOT staffen}{ESC}'
    quit_by_itself lang
    same "$(shot lang start)" "$(shot lang french)" && fail "the start screen did not change language"
    same "$(shot lang staff)" "$(shot lang stafffr)" && fail "the staff menu did not change language"
    same "$(shot lang start)" "$(shot lang english)" || fail "back in English the start screen differs"
    same "$(shot lang staff)" "$(shot lang staffen)" || fail "back in English the staff menu differs"
    # Keeping the language also returns to the start screen.
    run keep '{SHOT start}{ESC}{ALT+M}A{SHOT again}{ESC}{ESC}'
    quit_by_itself keep
    same "$(shot keep start)" "$(shot keep again)" || fail "keeping the language did not show the start screen"
    ;;
  address)
    # The header's address line is configuration lines 10, 11 and 12 joined
    # with ", ". Shown once through the address line and once as the store
    # name written with the same text spec, the screens must be equal.
    offscreen='3000,3000,4,0,0,0,30,0,0,x'
    PREPARE="sed -i '9s/.*/Ignored\r/;10s/.*/Tenth line\r/;11s/.*/Eleventh\r/;12s/.*/Twelfth\r/' lang/config.txt
      spec2=\$(sed -n 2p lang/Vell!6E.txt); printf '%s\r\n%s\r\n******\r\n' '$offscreen' \"\${spec2%\$'\r'}\" > lang/Vell!6E.txt"
    run addr '{ESC}{SHOT staff}{ESC}'
    quit_by_itself addr
    PREPARE="sed -i '9s/.*/Tenth line, Eleventh, Twelfth\r/;10s/.*/\r/;11s/.*/\r/;12s/.*/\r/' lang/config.txt
      spec2=\$(sed -n 2p lang/Vell!6E.txt); printf '%s\r\n%s\r\n******\r\n' \"\${spec2%\$'\r'}\" '$offscreen' > lang/Vell!6E.txt"
    run name '{ESC}{SHOT staff}{ESC}'
    quit_by_itself name
    same "$(shot addr staff)" "$(shot name staff)" || fail "the address line is not lines 10, 11, 12 in order"
    ;;
  config)
    # Staff menu -> utilities -> configuration -> change -> the staff
    # password -> the machine number -> Pause: line 4 holds the new number
    # and every other line is as it was, line ends included.
    cfg=lang/config.txt
    run edit '{ESC}D{SHOT utilities}A{SHOT change}Ashop2026{ENTER}{SHOT list}D{SHOT question}{CTRL+HOME}KIOSK-07{ENTER}{SHOT edited}{PAUSE}{SHOT staff}{ESC}'
    quit_by_itself edit
    [ "$(sed -n 4p "$TMP/edit/work/$cfg")" = $'KIOSK-07\r' ] || fail "line 4 is not the new machine number"
    cmp -s <(sed 4d "$INSTALL/$cfg") <(sed 4d "$TMP/edit/work/$cfg") || fail "lines other than 4 changed"
    [ "$(wc -l < "$TMP/edit/work/$cfg")" -eq 14 ] || fail "the file has not 14 lines"
    same "$(shot edit utilities)" "$(shot edit change)" && fail "the configuration editor did not open"
    same "$(shot edit list)" "$(shot edit question)" && fail "D asked no question"
    same "$(shot edit list)" "$(shot edit edited)" && fail "the list does not show the new number"
    # The same change left with Escape on the setting menu: the file is as
    # it was, byte for byte, and the kiosk is back on the staff menu.
    run discard '{ESC}DAAshop2026{ENTER}D{CTRL+HOME}KIOSK-07{ENTER}{SHOT edited}{ESC}{SHOT staff}{ESC}'
    quit_by_itself discard
    cmp -s "$INSTALL/$cfg" "$TMP/discard/work/$cfg" || fail "Escape after a change wrote the file"
    same "$(shot edit edited)" "$(shot discard edited)" || fail "the change was not made before Escape"
    same "$(shot edit staff)" "$(shot discard staff)" || fail "Escape did not return to the staff menu"
    # The same with a wrong password: back on the editor's menu, no file
    # written.
    run wrong '{ESC}DAAshop2025{ENTER}{SHOT again}B{SHOT staff}{ESC}'
    quit_by_itself wrong
    cmp -s "$INSTALL/$cfg" "$TMP/wrong/work/$cfg" || fail "a wrong password changed the file"
    same "$(shot edit change)" "$(shot wrong again)" || fail "a wrong password did not return to the editor's menu"
    same "$(shot edit staff)" "$(shot wrong staff)" || fail "leaving the editor did not return to the staff menu"
    ;;
  leftovers)
    # The temporaries a killed export or configuration change left are gone
    # after the next start; files that only look alike stay.
    PREPARE='printf half > data/prodlist.txt.partial-a1B2c3; printf x > lang/config.txt.partial-Zz09yy;
             printf keep > data/prodlist.txt.partial; mkdir -p docs; printf keep > docs/my.partial-notes.txt' \
      run left '{ESC}{ESC}'
    quit_by_itself left
    w="$TMP/left/work"
    [ ! -e "$w/data/prodlist.txt.partial-a1B2c3" ] || fail "an export's temporary was left"
    [ ! -e "$w/lang/config.txt.partial-Zz09yy" ] || fail "the configuration's temporary was left"
    [ -e "$w/data/prodlist.txt.partial" ] || fail "a file without a temporary's suffix was removed"
    [ -e "$w/docs/my.partial-notes.txt" ] || fail "a file with the mark inside its name was removed"
    cmp -s "$INSTALL/data/prodlist.txt" "$w/data/prodlist.txt" || fail "the exchange file changed"
    ;;
  *)
    fail "unknown case"
    ;;
esac
echo "ok ($CASE)"
