#!/usr/bin/env bash
# Installs the Debian 12 packages Kerwano needs to build, run and test, when missing;
# extra package names given as arguments are installed too (tools/fuzz.sh adds clang).
set -euo pipefail
pakiety=(cmake make g++ qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libgl-dev
         fonts-dejavu-core fonts-liberation2 qt6-translations-l10n desktop-file-utils shared-mime-info
         xdg-utils appstream poppler-utils acl "$@")
brak=()
for p in "${pakiety[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brak+=("$p")
done
if [ ${#brak[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${brak[@]}"
fi
