#!/usr/bin/env bash
# Measures the time from process start to the first shown main window, N times, in a virtual
# X display. The program prints "startup-ms: <n>" at its first show event and quits when
# CLASSSHAPER_MEASURE_STARTUP=1. Usage: scripts/measure-startup.sh [runs] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

measure() {
    local program="$1" runs="$2" i
    export XDG_DATA_HOME
    XDG_DATA_HOME="$(mktemp -d)"
    for ((i = 0; i < runs; i++)); do
        CLASSSHAPER_MEASURE_STARTUP=1 "$program" examples/Kunde.vlt-ctf 2>&1 >/dev/null |
            sed -n 's/^startup-ms: //p'
    done
}

# Inside the virtual display: the script calls itself through xvfb-run.
if [ "${1:-}" = "--inside-display" ]; then
    measure "$2" "$3"
    exit
fi

runs="${1:-10}"
build_dir="${2:-build}"
program="$build_dir/app/classshaper"
[ -x "$program" ] || { echo "$program fehlt: erst bauen" >&2; exit 2; }

xvfb-run --auto-servernum --server-args='-screen 0 1280x900x24' \
    "$0" --inside-display "$program" "$runs" |
    sort -n | awk '{ v[NR] = $1; sum += $1 }
        END { if (NR == 0) { print "keine Messung"; exit 1 }
              printf "runs: %d  min: %d ms  median: %d ms  max: %d ms  mean: %.1f ms\n",
                     NR, v[1], v[int((NR + 1) / 2)], v[NR], sum / NR }'
