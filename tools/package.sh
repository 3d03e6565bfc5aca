#!/bin/bash
# Builds the editor (Release, without tests), makes the Debian package build/wing-wright_*.deb and
# installs it with apt, which brings in the libraries it depends on.
set -e
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DWW_TESTS=OFF -DWW_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
deb=$(ls "$PWD"/build-package/wing-wright_*.deb)
SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y "$deb"
echo "installed: start it with 'wing-wright' or from the desktop's application menu"
