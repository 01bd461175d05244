#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks of bench/ in build-bench/
# (RelWithDebInfo, -DKERWANO_BENCH=ON), runs them with several repetitions and
# prints one line per speed target: "target <name>: <median> ... met|missed".
# Extra arguments go to both benchmark programs, e.g. --benchmark_filter=Klawisz.
# KERWANO_BENCH_POWTORZENIA sets the number of repetitions (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/zaleznosci.sh
if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q 'install ok installed'; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends libbenchmark-dev
fi
[ -f build-bench/CMakeCache.txt ] ||
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKERWANO_BENCH=ON
cmake --build build-bench -j"$(nproc)" --target kerwano_bench_rdzen kerwano_bench_okno \
    kerwano_bench_start kerwano_bench_cele kerwano_bench_ryzyko

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_LOGGING_RULES='qt.qpa.*=false'
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
wyniki=build-bench/wyniki
mkdir -p "$wyniki"
for b in rdzen okno; do
    "build-bench/bench/kerwano_bench_$b" --benchmark_repetitions="${KERWANO_BENCH_POWTORZENIA:-5}" \
        --benchmark_report_aggregates_only=true --benchmark_out="$wyniki/$b.json" \
        --benchmark_out_format=json "$@"
done
echo
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs), $(date -I)"
build-bench/bench/kerwano_bench_cele "$wyniki/rdzen.json" "$wyniki/okno.json"
# The risk assessment: targets 1 ms (keystroke), 50 ms ("Dobierz ochronę"), and
# --ryzyko in the range of --wyniki.
build-bench/bench/kerwano_bench_ryzyko --benchmark_repetitions="${KERWANO_BENCH_POWTORZENIA:-5}" \
    --benchmark_report_aggregates_only=true 2>&1 | grep -E '^(Benchmark|-|BM_.*_median)' 
