#!/usr/bin/env bash
# Builds the Debian package classshaper_<version>_<arch>.deb into the repository folder:
# a clean Release build in build-deb (no tests, no benchmarks) with Debian's hardening flags,
# then cpack -G DEB.
#   scripts/package.sh                 clean build in build-deb
#   scripts/package.sh --reuse DIR     package what DIR already built (seconds, not for release)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=build-deb
if [ "${1:-}" = "--reuse" ]; then
    build=${2:?"--reuse needs a build folder"}
else
    rm -rf "$build"
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    # CMake reads no CPPFLAGS; the fortify define goes with the compiler flags.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCLASSSHAPER_BENCHMARKS=OFF -DBUILD_TESTING=OFF \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
fi
# The manual pages carry the date of the latest changelog entry, not of the build.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -STimestamp)
export SOURCE_DATE_EPOCH
cmake --build "$build"
grep -q '^SCDOC_EXECUTABLE:FILEPATH=/' "$build/CMakeCache.txt" ||
    { echo "scdoc is missing: the package would lack its manual pages" >&2; exit 1; }

(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/classshaper_*.deb | head -n 1)
cp "$deb" .
echo "Package: $(basename "$deb")"
