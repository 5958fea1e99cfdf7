#!/usr/bin/env bash
# Installs everything Brelog needs to build, test and run on Debian 12.
# Used by the README and by CI, so the package list lives only here. Packages named as
# arguments (the packaging tools of scripts/package.sh) are installed the same way.
set -euo pipefail
PKGS="$* cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev
qt6-multimedia-dev libqt6opengl6-dev libqt6sql6-sqlite xvfb xauth sqlite3
poppler-utils xdotool imagemagick libqt6sql6-psql postgresql libhamlib-utils"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
