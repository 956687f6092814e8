#!/usr/bin/env bash
# Installs what is missing, builds Velko and makes the Debian package
# velko_<version>_amd64.deb in the top directory of the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
(cd build && cpack -G DEB -B "$PWD/../build-deb" > ../build-deb.log) || { cat build-deb.log; exit 1; }
cp build-deb/velko_*_amd64.deb .
ls -1 velko_*_amd64.deb
