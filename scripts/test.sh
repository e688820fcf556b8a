#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal suite, the Debian
# package, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the fuzz targets.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1

stage() { echo; echo "=== $1"; }
results=()
record() { results+=("$1: $2"); }

stage "Normal build and tests (build)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build build || exit 1
ctest --test-dir build --output-on-failure | tee build/ctest.log
normal=${PIPESTATUS[0]}
record "normal suite" "$(grep -E 'tests passed|tests failed' build/ctest.log | tail -n 1)"

# The release package as scripts/package.sh makes it (a clean build of the programs only,
# about a minute), checked by lintian and by its file list.
stage "Debian package (build-deb, lintian, file list)"
scripts/package.sh && scripts/check-package.sh "$(ls -t classshaper_*.deb | head -n 1)"
package=$?
record "package" "$([ $package -eq 0 ] && echo "lintian and file list clean" || echo "FAILED")"

stage "Sanitizer build and tests (build-asan: ASan + UBSan)"
asan=1
if cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCLASSSHAPER_SANITIZE=ON -DCLASSSHAPER_BENCHMARKS=OFF && cmake --build build-asan; then
    ctest --test-dir build-asan --output-on-failure | tee build-asan/ctest.log
    asan=${PIPESTATUS[0]}
    record "sanitizer suite" "$(grep -E 'tests passed|tests failed' build-asan/ctest.log | tail -n 1)"
else
    record "sanitizer suite" "build failed"
fi

stage "Fuzzing (build-fuzz)"
scripts/fuzz.sh
fuzz=$?
record "fuzzing" "$([ $fuzz -eq 0 ] && echo "all targets clean" || echo "FAILED")"

stage "Summary"
printf '  %s\n' "${results[@]}"

# One closing line over both suites: ctest's counts of each (a suite that did not run counts
# as one failure).
counts() { # prints "passed failed" from a ctest log
    local line
    line=$(grep -E 'tests failed out of [0-9]+' "$1" 2>/dev/null | tail -n 1)
    if [ -z "$line" ]; then echo "0 1"; return; fi
    local failed total
    failed=$(sed -E 's/.* ([0-9]+) tests failed out of.*/\1/' <<<"$line")
    total=$(sed -E 's/.*tests failed out of ([0-9]+).*/\1/' <<<"$line")
    echo "$((total - failed)) $failed"
}
read -r normal_passed normal_failed < <(counts build/ctest.log)
read -r asan_passed asan_failed < <(counts build-asan/ctest.log)
fuzz_failed=$([ "$fuzz" -eq 0 ] && echo 0 || echo 1)
package_failed=$([ "$package" -eq 0 ] && echo 0 || echo 1)
echo "Tests: $((normal_passed + asan_passed)) passed, $((normal_failed + asan_failed + fuzz_failed + package_failed)) failed"
[ "$normal" -eq 0 ] && [ "$package" -eq 0 ] && [ "$asan" -eq 0 ] && [ "$fuzz" -eq 0 ]
