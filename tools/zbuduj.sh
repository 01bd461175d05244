#!/usr/bin/env bash
# Configures (once) and builds Kerwano into build/; incremental.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zaleznosci.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
