#!/bin/sh
# make bench: the keyword search benchmark (tools/bench/search_bench.cpp) and,
# where Wine is installed, the read, editing and start-up figures of zfw32.exe
# under Wine (tools/bench/wine_bench.py), its idle memory beside notepad's
# (tools/bench/memory_bench.py), and the four speed and memory goals, each
# with "goal met" or "goal missed" (tools/bench/goals_bench.py). Builds the
# benchmark when it is missing.
# The last line is the search benchmark's summary:
#   speedup_vs_naive=<x> ratio_to_grep=<engine time / grep time>
# Usage: bench.sh BUILD_DIR; ZF_BENCH_ARGS=--quick stops at 8 MB documents.
set -u
build=${1:?usage: bench.sh BUILD_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
native=$build/native

if [ ! -f "$native/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
fi
# Quiet unless it fails; then once more, to show why.
cmake --build "$native" --target search_bench -j 2 >/dev/null 2>&1 ||
    cmake --build "$native" --target search_bench -j 2 || exit 1

results=$(mktemp)
trap 'rm -f "$results" "$results.status"' EXIT
# shellcheck disable=SC2086 # the arguments are meant to split
{ "$native/search_bench" ${ZF_BENCH_ARGS:-}; echo $? >"$results.status"; } | tee "$results"
status=$(cat "$results.status")

if command -v wine >/dev/null 2>&1 && [ -f "$build/dist/zfw32.exe" ]; then
    # The benchmarks import the end-to-end harness, the package tests/e2e/zfharness.
    export PYTHONPATH="$root/tests/e2e${PYTHONPATH:+:$PYTHONPATH}"
    echo
    ZF_BUILD_DIR=$(cd "$build" && pwd) python3 "$root/tools/bench/wine_bench.py" || status=1
    echo
    ZF_BUILD_DIR=$(cd "$build" && pwd) python3 "$root/tools/bench/memory_bench.py" || status=1
    echo
    ZF_BUILD_DIR=$(cd "$build" && pwd) python3 "$root/tools/bench/goals_bench.py" || status=1
else
    echo "bench: no Wine or no $build/dist: read and start-up figures skipped"
fi
echo
tail -n 1 "$results"
exit $status
