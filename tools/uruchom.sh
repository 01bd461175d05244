#!/usr/bin/env bash
# Installs what is missing, builds and starts Kerwano (extra arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zbuduj.sh
exec ./build/kerwano "$@"
