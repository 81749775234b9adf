#!/bin/bash
# Installs the Debian 12 packages the kiosk needs to build, run and test
# (dpkg-dev, systemd, cage and xwayland: the package, its unit and the
# kiosk under cage).
# Does nothing when they are all present. Run as root.
set -euo pipefail
PKGS=(cmake ninja-build pkg-config g++ libsdl2-dev libcairo2-dev libfontconfig-dev
      libfreetype-dev fonts-liberation2 fonts-dejavu-core libgtest-dev libgmock-dev
      libbenchmark-dev libsqlite3-dev xvfb xauth xdotool imagemagick
      clang libclang-rt-14-dev wamerican wfrench
      dpkg-dev systemd cage xwayland)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
