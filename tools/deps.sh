#!/bin/bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Another process may hold the package lock for a while: apt waits for it instead of failing.
set -e
PKGS="cmake g++ clang make libsdl2-dev libpng-dev zlib1g-dev libgl-dev libgl1-mesa-dri libglx-mesa0 libegl1 libegl-mesa0
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils x11-xkb-utils xdotool libclang-rt-14-dev python3
      desktop-file-utils file dpkg-dev imagemagick libfreetype-dev fonts-nanum"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get -o DPkg::Lock::Timeout=300 update -qq
  $SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -qq $missing
fi
