#!/usr/bin/env bash
# Installs what is missing, builds, and writes the Debian package
# build/kerwano_<version>_<arch>.deb, then checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev), file and strip (binutils) are used by CPack.
bash tools/zaleznosci.sh dpkg-dev file binutils lintian
bash tools/zbuduj.sh
(cd build && rm -f kerwano_*.deb && cpack -G DEB)
deb=$(ls build/kerwano_*.deb)
dpkg-deb --info "$deb"
# --allow-root: set-up runs as root, which lintian would otherwise warn about.
lintian --fail-on error --display-info --allow-root "$deb"
echo "$deb"
