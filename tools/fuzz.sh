#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for SEKUNDY seconds (default 60) on its seed corpus in
# fuzz/korpus/<target>/. Inputs found are kept in build-fuzz/korpus/<target>/; a crash,
# leak, time-out or undefined behaviour stops the run with the input written to
# build-fuzz/artefakty/ and fails the script.
#   bash tools/fuzz.sh [SEKUNDY] [TARGET...]      (targets: plik teksty zapis ryzyko)
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy=${1:-60}
shift || true
cele=("$@")
[ ${#cele[@]} -gt 0 ] || cele=(plik teksty zapis ryzyko)
bash tools/zaleznosci.sh clang libclang-rt-14-dev llvm-14
[ -f build-fuzz/CMakeCache.txt ] ||
    cmake -S . -B build-fuzz -DKERWANO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$(nproc)" --target "${cele[@]/#/fuzz_}"
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
declare -A dlugosc=([plik]=8192 [teksty]=4096 [zapis]=4096 [ryzyko]=16384)
mkdir -p build-fuzz/artefakty
for cel in "${cele[@]}"; do
    mkdir -p "build-fuzz/korpus/$cel"
    dziennik="build-fuzz/fuzz_$cel.log"
    echo "== fuzz_$cel, $sekundy s (log: $dziennik)"
    if ! build-fuzz/fuzz/"fuzz_$cel" -max_total_time="$sekundy" -max_len="${dlugosc[$cel]}" \
        -dict="fuzz/$cel.dict" -timeout=10 -malloc_limit_mb=512 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artefakty/$cel-" "build-fuzz/korpus/$cel" "fuzz/korpus/$cel" \
        > "$dziennik" 2>&1; then
        tail -n 80 "$dziennik"
        echo "fuzz_$cel: a finding; the input is in build-fuzz/artefakty/" >&2
        exit 1
    fi
    grep -E -e '[[:space:]]DONE[[:space:]]' -e '^stat::(number_of_executed_units|peak_rss_mb)' "$dziennik"
done
