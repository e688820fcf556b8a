#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
# Fails on any crash, sanitizer report, leak or broken promise. The committed seeds are never
# changed; new inputs go to a scratch corpus inside the build folder.
#   FUZZ_SECONDS  seconds per target (default 45)   FUZZ_BUILD_DIR  build folder (build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-45}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"
targets=(file sealed package template import)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCLASSSHAPER_FUZZ=ON -DCLASSSHAPER_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

failed=()
for target in "${targets[@]}"; do
    work="$build/fuzz-work/$target"
    rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
    # Class modules are longer than the other inputs.
    max_len=4096
    [ "$target" = import ] && max_len=16384
    echo "== fuzz_$target: $seconds s"
    if "$build/tests/fuzz/fuzz_$target" "$work/corpus" "tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
        echo "   ok: $runs executions, corpus $(ls "$work/corpus" | wc -l) new inputs"
    else
        echo "   FAILED, last lines of $work/log:"
        tail -n 30 "$work/log" | sed 's/^/   /'
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]}"
    exit 1
fi
echo "Fuzzing: all ${#targets[@]} targets ran clean."
