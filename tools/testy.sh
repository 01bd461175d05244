#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (GUI tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zbuduj.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
