#!/bin/bash
# The kiosk under cage as the unit starts it (its Environment= and ExecStart=
# lines), on cage's headless output with no GPU: the kiosk's window fills
# the output and shows its start screen; staff quitting it (Escape twice)
# ends the kiosk with 0 and cage with it, which is what lets systemd's
# Restart=always bring the kiosk back. Runs as an unprivileged user, as cage
# refuses root.
# Usage: cage_check.sh KIOSK KIOSK_SETUP INSTALL_DIR UNIT_FILE
#        (as root with cage, Xwayland, xdotool and ImageMagick; exit 77 skips)
set -euo pipefail
KIOSK="$(realpath "$1")"
SETUP="$(realpath "$2")"
INSTALL="$(realpath "$3")"
UNIT="$4"
[ "$(id -u)" = 0 ] || { echo "skipped: needs root to run cage as another user"; exit 77; }
for p in cage Xwayland xdotool import setpriv; do
  command -v "$p" >/dev/null || { echo "skipped: $p is not installed"; exit 77; }
done
TMP="$(mktemp -d)"
trap '[ -n "${KEEP:-}" ] || rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chmod 755 "$TMP"
USERID=65534
"$SETUP" "$TMP/store" "$INSTALL" >/dev/null || fail "kiosk-setup"
cp "$KIOSK" "$TMP/kiosk"
mkdir -m 700 "$TMP/run"
mkdir "$TMP/seen"  # what the client inside the session saw
chown -R $USERID:$USERID "$TMP/store" "$TMP/run" "$TMP/seen"

# The unit's environment and command, with this build's kiosk.
envs=$(sed -n 's/^Environment=//p' "$UNIT")
exec_start=$(sed -n 's/^ExecStart=//p' "$UNIT")
[[ "$exec_start" == *" /usr/bin/kiosk" ]] || fail "unexpected ExecStart: $exec_start"
# cage's one client: the kiosk, watched from inside the session.
cat >"$TMP/client.sh" <<INNER
#!/bin/sh
"$TMP/kiosk" &
kiosk=\$!
win=\$(timeout 30 xdotool search --sync --name "Store Locator" | head -1)
[ -n "\$win" ] || { echo "no kiosk window" >"$TMP/seen/client.err"; kill \$kiosk; exit 1; }
sleep 2
xdotool getwindowgeometry "\$win" >"$TMP/seen/geometry"
import -window "\$win" "$TMP/seen/start.png"
xdotool key --window "\$win" Escape
sleep 1
xdotool key --window "\$win" Escape
wait \$kiosk
echo \$? >"$TMP/seen/kiosk.rc"
INNER
chmod 755 "$TMP/client.sh"
command_line=${exec_start% /usr/bin/kiosk}
rc=0
(cd "$TMP/store" &&
  env -i PATH=/usr/bin:/bin HOME="$TMP" XDG_RUNTIME_DIR="$TMP/run" $envs \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    timeout 90 setpriv --reuid $USERID --regid $USERID --clear-groups \
    $command_line "$TMP/client.sh") >"$TMP/cage.log" 2>&1 || rc=$?
[ "$rc" = 0 ] || { tail -20 "$TMP/cage.log"; cat "$TMP/seen/client.err" 2>/dev/null; fail "cage ended with $rc"; }
[ "$(cat "$TMP/seen/kiosk.rc" 2>/dev/null)" = 0 ] || fail "the kiosk did not quit with 0: $(cat "$TMP/seen/kiosk.rc" 2>/dev/null)"
out_size=$(grep -o 'Geometry: [0-9]*x[0-9]*' "$TMP/seen/geometry" | cut -d' ' -f2)
[ "$out_size" = 1280x720 ] || fail "the kiosk window is $out_size, not cage's whole 1280x720 output"
lit=$(convert "$TMP/seen/start.png" -colorspace Gray -threshold 20% -format '%[fx:mean]' info:)
awk -v m="$lit" 'BEGIN { exit !(m > 0.01) }' || fail "the start screen shows nothing (lit share $lit)"
echo ok
