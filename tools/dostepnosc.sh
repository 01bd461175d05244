#!/usr/bin/env bash
# What a screen reader sees: starts Kerwano on a virtual display (Xvfb) with
# the accessibility bus, walks its AT-SPI tree (pages 1-3, pages 2 and 3
# with the rows of the project given) and prints every input, picture
# and result with its role and name. Exit status 1 when an input has no
# name or a result reads in pieces.
#   bash tools/dostepnosc.sh [PLIK.kwp]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zaleznosci.sh xvfb xdotool dbus-x11 at-spi2-core python3-pyatspi
[ -x build/kerwano ] || bash tools/zbuduj.sh
projekt=${1:-}
ekran=$((300 + RANDOM % 200))
Xvfb ":$ekran" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$ekran" ] && break; sleep 0.1; done
export DISPLAY=":$ekran" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    build/kerwano "$@" &
    program=$!
    /usr/bin/python3 tools/dostepnosc.py
    wynik=$?
    kill $program 2>/dev/null || true
    exit $wynik' dostepnosc ${projekt:+"$projekt"}
