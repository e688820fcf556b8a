#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the example template.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/app/classshaper "$@" examples/Kunde.vlt-ctf
