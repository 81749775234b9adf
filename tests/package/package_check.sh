#!/bin/bash
# The Debian package: built by CPack, it holds the programs, the default
# installation, the unit and the system user; installed with dpkg into a
# throw-away root (its maintainer scripts run against that root through
# DPKG_ROOT), it leaves a working folder owned by the kiosk's user that
# kiosk-admin check passes and the kiosk enabled at boot; installed again
# (an upgrade) it keeps the store as it was; removed, the kiosk no longer
# starts and the store stays. The unit passes systemd-analyze verify.
# Usage: package_check.sh BUILD_DIR        (as root; exit 77 skips otherwise)
set -euo pipefail
BUILD="$(realpath "$1")"
[ "$(id -u)" = 0 ] || { echo "skipped: dpkg --root needs root"; exit 77; }
TMP="$(mktemp -d)"
trap '[ -n "${KEEP:-}" ] || rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
PKG=store-kiosk
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$TMP/out" >"$TMP/cpack.log" 2>&1 ||
  { cat "$TMP/cpack.log"; fail "cpack"; }
DEB=$(ls "$TMP"/out/${PKG}_*.deb)

# What it holds and what it needs.
dpkg-deb -c "$DEB" | awk '{ print $NF }' >"$TMP/contents"
for f in kiosk kiosk-setup kiosk-admin kiosk-headless fileblock textcheck make-pictures; do
  grep -qx "./usr/bin/$f" "$TMP/contents" || fail "the package lacks /usr/bin/$f"
done
for f in usr/share/$PKG/install/lang/config.txt usr/share/$PKG/install/data/prodlist.txt \
         usr/share/$PKG/install/data/Shelves.txt usr/lib/systemd/system/$PKG.service \
         usr/lib/sysusers.d/$PKG.conf usr/share/doc/$PKG/README.md; do
  grep -qx "./$f" "$TMP/contents" || fail "the package lacks /$f"
done
depends=$(dpkg-deb -f "$DEB" Depends)
for d in libsdl2-2.0-0 libcairo2 libfontconfig1 fonts-liberation2 fonts-dejavu-core cage xwayland; do
  echo "$depends" | grep -q "\b$d\b" || fail "Depends lacks $d: $depends"
done

# A throw-away root with an empty package database.
R="$TMP/root"
mkdir -p "$R/etc" "$R/var/lib/dpkg/info" "$R/var/lib/dpkg/updates" "$R/var/lib/dpkg/triggers"
touch "$R/var/lib/dpkg/status" "$R/var/lib/dpkg/available"
install_deb() {
  dpkg --root="$R" --force-script-chrootless --force-depends -i "$DEB" >"$TMP/dpkg.log" 2>&1 ||
    { cat "$TMP/dpkg.log"; fail "dpkg -i"; }
}
install_deb
STORE="$R/var/lib/$PKG/store"
uid=$(awk -F: -v u=$PKG '$1 == u { print $3 }' "$R/etc/passwd")
[ -n "$uid" ] || fail "no user $PKG in the root's /etc/passwd"
[ -z "$(find "$STORE" ! -user "$uid")" ] || fail "files of the store not owned by $PKG: $(find "$STORE" ! -user "$uid" | head -3)"
"$R/usr/bin/kiosk-admin" --dir "$STORE" check >"$TMP/check.txt" || { cat "$TMP/check.txt"; fail "kiosk-admin check"; }
grep -q "^data/products: ok, [1-9][0-9]* live records" "$TMP/check.txt" || fail "no products: $(cat "$TMP/check.txt")"
for f in kiosk kiosk-setup kiosk-admin kiosk-headless fileblock textcheck make-pictures; do
  "$R/usr/bin/$f" --help | head -1 | grep -q "^usage: $f\b" || fail "$f --help"
done
WANTS="$R/etc/systemd/system/multi-user.target.wants/$PKG.service"
[ -L "$WANTS" ] || fail "the kiosk is not enabled at boot"

# The unit file.
if command -v systemd-analyze >/dev/null; then
  systemd-analyze verify "$R/usr/lib/systemd/system/$PKG.service" || fail "systemd-analyze verify"
fi
unit="$R/usr/lib/systemd/system/$PKG.service"
for line in "Restart=always" "User=$PKG" "WorkingDirectory=/var/lib/$PKG/store" "TTYPath=/dev/tty1" \
            "ExecStart=/usr/bin/cage -- /usr/bin/kiosk"; do
  grep -qx "$line" "$unit" || fail "the unit lacks $line"
done

# An upgrade keeps the store: staff changes and the record files stay.
echo "changed by staff" >>"$STORE/lang/config.txt"
rm "$STORE/lang/helpsE.txt"
before=$(cd "$STORE" && cksum lang/config.txt data/products.DAT data/products.IX)
install_deb
[ "$(cd "$STORE" && cksum lang/config.txt data/products.DAT data/products.IX)" = "$before" ] ||
  fail "the upgrade changed the store"
[ -s "$STORE/lang/helpsE.txt" ] || fail "the upgrade did not bring back a missing installation file"
[ "$(awk -F: -v u=$PKG '$1 == u' "$R/etc/passwd" | wc -l)" = 1 ] || fail "the upgrade made a second user"

# Removed: not started at boot any more, the store kept.
dpkg --root="$R" --force-script-chrootless -r $PKG >"$TMP/dpkg.log" 2>&1 || { cat "$TMP/dpkg.log"; fail "dpkg -r"; }
[ ! -e "$WANTS" ] || fail "the removed kiosk is still enabled"
[ -s "$STORE/data/products.DAT" ] || fail "the removal deleted the store"
echo ok
