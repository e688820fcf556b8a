#!/usr/bin/env bash
# End-to-end figures of classshaper-gen on generated templates with every option on:
# MB/s of module text, time growth per 10x members and peak memory, for --stdout and for a
# module file; protoc --cpp_out on a 10,000-field message as a yardstick.
#
#   bench/e2e.sh [BUILD_DIR] [MEMBER_COUNTS...]     (default: build-rel 1000 10000 100000 1000000)
#
# Needs /usr/bin/time and protoc: scripts/install-deps.sh time protobuf-compiler
# Configure the measuring build with
#   cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLASSSHAPER_BENCHMARKS=ON
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-rel}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 10000 100000 1000000)
gen=$build/cli/classshaper-gen
[ -x "$gen" ] || { echo "missing $gen (cmake --build $build --target classshaper-gen)" >&2; exit 2; }
command -v /usr/bin/time >/dev/null || { echo "missing /usr/bin/time (apt-get install time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A template of n members of every kind (text, number, flag, date, object, array, child,
# unbound), collection, lock, load/save, editor, parent and custom code all on. It is one that
# VB6 compiles (arrays are private), so the checks find nothing and print nothing.
make_template() {
    awk -v n="$1" -v out="$2" 'BEGIN {
        ORS = "\r\n"
        print "VLTFILE 1" > out; print "S:1.3" > out; print "E" > out
        print "S:" > out; print "S:" > out; print "S:" > out
        print "L:" n > out
        split("String Long Boolean Date Double cls_Teil Integer str_Punkt", types, " ")
        for (i = 0; i < n; i++) {
            k = i % 8
            print "S:1.2" > out; print "S:Feld" i > out; print "S:" types[k + 1] > out
            print "B:" (i % 7 == 3 || k == 6 ? 0 : -1) > out
            print "B:" (k == 6 ? -1 : 0) > out
            print "B:0" > out
            print "B:" (i % 11 == 5 ? -1 : 0) > out
            print "B:" (k == 5 ? -1 : 0) > out
        }
        print "S:cls_Gross" > out; print "S:Bench" > out; print "S:cls_Gross.cls" > out
        print "S:Bench" > out; print "S:(c) Bench" > out; print "S:1" > out
        print "S:Viele Felder" > out; print "S:cls_Gross.cls" > out; print "S:cls_Posten" > out
        for (j = 0; j < 5; j++) print "B:-1" > out
        print "S:Public Sub X()\\r\\nEnd Sub" > out; print "B:-1" > out; print "END" > out
    }'
}

# The best wall time of $RUNS runs (default 5) in seconds, the best CPU time (user + system) of
# them and the peak resident memory in MB of a command whose standard output goes to
# $out_target. On a machine shared with other work the best of several runs is the steadier
# figure.
runs=${RUNS:-5}
measure() {
    local best="" cpu="" peak=0 start end kb user sys
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M %U %S" -o "$work/t" "$@" >"$out_target" 2>/dev/null || true
        end=$(date +%s%N)
        read -r kb user sys < <(tail -n 1 "$work/t")
        peak=$((kb / 1024 > peak ? kb / 1024 : peak))
        if [ -z "$best" ] || [ $((end - start)) -lt "$best" ]; then
            best=$((end - start))
        fi
        cpu=$(awk -v u="$user" -v s="$sys" -v c="$cpu" 'BEGIN{t = u + s; print (c == "" || t < c) ? t : c}')
    done
    awk -v ns="$best" -v c="$cpu" -v p="$peak" 'BEGIN{printf "%.4f %s %d\n", ns/1e9, c, p}'
}

printf '%-10s %-8s %10s %9s %9s %10s %8s %8s %8s\n' members mode module_MB seconds MB/s growth cpu_s cpu_MB/s peak_MB
# "file" writes a new module file each run (the target is removed first; the time includes
# the sync to disk), "same" writes onto a target that already holds the module (it is compared
# while the temporary file is written, then left untouched). "read" runs --check against a
# missing target: the template is read and checked and nothing generated, so stdout minus read
# is the generator's own share.
for mode in stdout file same read; do
    prev=""
    for n in "${counts[@]}"; do
        tpl=$work/t$n.vlt-ctf
        [ -f "$tpl" ] || make_template "$n" "$tpl"
        if [ "$mode" = stdout ]; then
            out_target=/dev/null
            read -r secs cpu peak < <(measure "$gen" --stdout "$tpl")
            bytes=$("$gen" --stdout "$tpl" 2>/dev/null | wc -c)
        elif [ "$mode" = file ]; then
            out_target=/dev/null
            read -r secs cpu peak < <(measure sh -c 'rm -f "$1" && exec "$2" -o "$1" "$3"' - \
                "$work/m.cls" "$gen" "$tpl")
            bytes=$(stat -c %s "$work/m.cls")
        elif [ "$mode" = same ]; then
            "$gen" -o "$work/m.cls" "$tpl" 2>/dev/null
            out_target=/dev/null
            read -r secs cpu peak < <(measure "$gen" -o "$work/m.cls" "$tpl")
            bytes=$(stat -c %s "$work/m.cls")
        else
            out_target=/dev/null
            read -r secs cpu peak < <(measure "$gen" --check "$tpl")
            bytes=$(stat -c %s "$tpl")
        fi
        growth=$( [ -n "$prev" ] && awk -v a="$secs" -v b="$prev" 'BEGIN{printf "%.1fx", (b>0?a/b:0)}' || echo "-")
        awk -v n="$n" -v m="$mode" -v b="$bytes" -v s="$secs" -v g="$growth" -v c="$cpu" -v p="$peak" \
            'BEGIN{printf "%-10s %-8s %10.1f %9.3f %9.0f %10s %8.2f %8.0f %8s\n", n, m, b/1e6, s, (s>0?b/1e6/s:0), g, c, (c>0?b/1e6/c:0), p}'
        prev=$secs
    done
done

# Yardstick: protoc on one message of 10,000 fields.
proto=$work/big.proto
{
    echo 'syntax = "proto3";'
    echo 'package bench;'
    echo 'message Big {'
    for ((i = 1; i <= 10000; i++)); do
        case $((i % 4)) in
        0) echo "  string feld$i = $i;" ;; 1) echo "  int64 feld$i = $i;" ;;
        2) echo "  bool feld$i = $i;" ;; 3) echo "  repeated double feld$i = $i;" ;;
        esac
    done
    echo '}'
} >"$proto"
mkdir -p "$work/pb"
out_target=/dev/null
read -r secs cpu peak < <(measure protoc -I"$work" --cpp_out="$work/pb" "$proto")
bytes=$(cat "$work"/pb/* | wc -c)
awk -v b="$bytes" -v s="$secs" -v c="$cpu" -v p="$peak" \
    'BEGIN{printf "%-10s %-8s %10.1f %9.3f %9.0f %10s %8.2f %8.0f %8s\n", "protoc10k", "cpp_out", b/1e6, s, (s>0?b/1e6/s:0), "-", c, (c>0?b/1e6/c:0), p}'
