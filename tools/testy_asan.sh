#!/usr/bin/env bash
# Builds the program and every test a second time, with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer, into build-asan/ and runs the tests there.
# Any error, leak or undefined behaviour fails its test. Incremental.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zaleznosci.sh
[ -f build-asan/CMakeCache.txt ] ||
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKERWANO_SANITIZERS=ON
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
