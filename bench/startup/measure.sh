#!/usr/bin/env bash
# Start-up cost of hibimaker against an empty Qt window of the same size.
# Under one Xvfb, starts the two alternately, RUNS times each (9) after one
# unmeasured warm-up run of each, and takes for every run
#   - the time from exec to the window being mapped,
#   - the processor time used by then (steadier than the elapsed time when
#     others share the machine), and
#   - the resident memory (VmRSS) at that moment and SETTLE_MS (500) later,
# through startup_probe, which waits on the X server's map event instead of
# polling. Prints the medians and the ratios hibimaker / minimal.
# Run on demand; it is a measurement, not a test.
# Usage: measure.sh BUILD_DIR
#   (BENCH_DIR=path: where minimal_window and startup_probe are, if not in
#   BUILD_DIR/bench/startup)
source "$(dirname "$0")/../../tests/xvfb/xvfb.sh"

build=${1:?usage: measure.sh BUILD_DIR}
runs=${RUNS:-9}
settle_ms=${SETTLE_MS:-500}
bench=${BENCH_DIR:-$build/bench/startup}
hibimaker=$build/hibimaker
minimal=$bench/minimal_window
probe=$bench/startup_probe
for p in "$hibimaker" "$minimal" "$probe"; do
    [ -x "$p" ] || fail "$p is not built"
done

# one_run NAME PROGRAM: appends "elapsed_us cpu_us rss_kb settled_rss_kb" to NAME.txt.
one_run() {
    "$probe" "$1" "$settle_ms" "$2" >>"$XVFB_WORK/$1.txt" 2>"$XVFB_WORK/probe.log" ||
        fail "$1: $(cat "$XVFB_WORK/probe.log")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column_median() { cut -d' ' -f"$2" "$XVFB_WORK/$1.txt" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }

start_xvfb
one_run hibimaker "$hibimaker"
one_run minimal "$minimal"
: >"$XVFB_WORK/hibimaker.txt"
: >"$XVFB_WORK/minimal.txt"
for _ in $(seq "$runs"); do
    one_run hibimaker "$hibimaker"
    one_run minimal "$minimal"
done

for name in hibimaker minimal; do
    echo "$name, each run (us, cpu us, kB at map, kB settled):" $(paste -sd';' "$XVFB_WORK/$name.txt")
done
# table COLUMN...: medians of hibimaker and minimal, then their ratios
ms() { awk -v v="$1" 'BEGIN { printf "%.1f ms", v / 1000 }'; }
printf '\n%-10s %12s %12s %14s %15s\n' median "to mapped" "processor" "VmRSS at map" "VmRSS settled"
for name in hibimaker minimal; do
    printf '%-10s %12s %12s %11d kB %12d kB\n' "$name" "$(ms "$(column_median "$name" 1)")" \
        "$(ms "$(column_median "$name" 2)")" "$(column_median "$name" 3)" "$(column_median "$name" 4)"
done
printf '%-10s' ratio
for column in 1 2 3 4; do
    printf ' %12s' "$(ratio "$(column_median hibimaker "$column")" "$(column_median minimal "$column")")"
done
echo
echo "($runs runs each; goals: start-up <= 1.30x, memory <= 1.10x)"
