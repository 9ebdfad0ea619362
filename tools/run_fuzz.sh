#!/bin/sh
# Runs every fuzz target built in BUILD_DIR for SECONDS each, starting from its
# committed seeds in tests/fuzz/corpus/<target>/ (never written to); new
# inputs and findings go to BUILD_DIR/fuzz-work/<target>/. Exits non-zero
# when any target finds something.
set -u
build=${1:?usage: run_fuzz.sh BUILD_DIR SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

targets=$(find "$build" -maxdepth 2 -type f -name '*_fuzzer' -perm -u+x | sort)
if [ -z "$targets" ]; then
    echo "run_fuzz: no *_fuzzer targets in $build" >&2
    exit 2
fi

failed=0
for target in $targets; do
    name=$(basename "$target")
    work="$build/fuzz-work/$name"
    mkdir -p "$work/corpus" "$work/findings"
    seeds="$root/tests/fuzz/corpus/$name"
    [ -d "$seeds" ] || seeds=
    dict="$root/tests/fuzz/$name.dict"
    [ -f "$dict" ] && dict="-dict=$dict" || dict=
    # A limit on single allocations catches sizes taken from the input unchecked.
    if "$target" -max_total_time="$seconds" -print_final_stats=1 -malloc_limit_mb=256 \
        -artifact_prefix="$work/findings/" $dict "$work/corpus" $seeds >"$work/log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
        echo "$name: ${seconds}s, $runs runs, $speed runs/s, no finding"
    else
        failed=1
        echo "$name: FINDING (log: $work/log, input in $work/findings/)" >&2
        tail -n 40 "$work/log" >&2
    fi
done
exit $failed
