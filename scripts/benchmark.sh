#!/usr/bin/env bash
# Measures the program's start-up against a bare Qt Widgets window on a virtual X display:
# time from fork until the window is mapped and peak resident memory, RUNS runs of each in
# alternation (default 21), then prints the medians and the ratios, and the per-operation
# timings of the Qt benchmark. Usage: benchmark.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}

source "$root/tests/xsession.sh"
if [ -z "${PNR_ON_VIRTUAL_DISPLAY:-}" ]; then
    "$root/scripts/build.sh" test >/dev/null
    "$root/scripts/deps.sh" bench
    cmake -S "$root/bench" -B "$root/build/bench" >/dev/null
    cmake --build "$root/build/bench" >/dev/null
fi
on_virtual_display "$0" "$@"

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
timer=$root/build/bench/map-timer
bare=$root/build/bench/bare-window
program=$root/build/app/personnummer-kontroll

bare_ms=() bare_kb=() prog_ms=() prog_kb=()
for _ in $(seq "$runs"); do
    read -r ms kb < <("$timer" "$bare" 2>/dev/null); bare_ms+=("$ms"); bare_kb+=("$kb")
    read -r ms kb < <("$timer" "$program" 2>/dev/null); prog_ms+=("$ms"); prog_kb+=("$kb")
done
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
bm=$(median "${bare_ms[@]}") bk=$(median "${bare_kb[@]}")
pm=$(median "${prog_ms[@]}") pk=$(median "${prog_kb[@]}")
echo "runs of each:            $runs"
echo "bare window:             $bm ms to map, $((bk / 1024)) MB peak ($bk KB)"
echo "personnummer-kontroll:   $pm ms to map, $((pk / 1024)) MB peak ($pk KB)"
awk -v bm="$bm" -v pm="$pm" -v bk="$bk" -v pk="$pk" \
    'BEGIN {printf "ratio program/bare:     start-up %.2f, memory %.2f\n", pm / bm, pk / bk}'

QT_QPA_PLATFORM=offscreen "$root/build/tests/bench_operations" -minimumtotal 2000 2>/dev/null \
    | grep -E '^RESULT|msecs per iteration' | paste - - | sed 's/  */ /g'
