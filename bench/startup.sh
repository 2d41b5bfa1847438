#!/usr/bin/env bash
# Start-up of the desktop program against the floor, an empty Qt Widgets window: both are
# started alternately N times on a virtual X display with a window manager, and the time
# to the first paint of their first window and their resident memory then are compared.
#   bench/startup.sh [build-dir] [N]     (defaults: build-tests, 15)
# ORIA=<path> measures another build of the program against the same floor.
# Each program reports "premiere-fenetre <ms since process start> <VmRSS kB> <realtime ns>"
# (oria with ORIA_STARTUP_PROBE=quit); the time used here is from just before its launch
# to that paint, clocked by this script, which is finer than the process start time in
# /proc (clock ticks); that one is shown too.
set -euo pipefail
build=$(cd "${1:-build-tests}" && pwd)
n=${2:-15}
oria=${ORIA:-$build/oria}
empty=$build/oria_empty_window
[ -x "$oria" ] && [ -x "$empty" ] || { echo "build $oria and $empty first" >&2; exit 1; }

# shellcheck source=bench/desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
on_virtual_display "$build" "$n"
start_desktop

# run NAME COMMAND...: one start; appends "<script ms> <process ms> <rss kB>" to NAME.
run() {
    local name=$1 t0 line
    shift
    t0=$EPOCHREALTIME
    if ! timeout 30 "$@" >/dev/null 2>"$work/err"; then :; fi
    line=$(grep -m1 '^premiere-fenetre ' "$work/err") || {
        echo "$name: no first window" >&2
        cat "$work/err" >&2
        exit 1
    }
    # shellcheck disable=SC2086
    set -- $line
    awk -v t0="$t0" -v ns="$4" -v p="$2" -v rss="$3" \
        'BEGIN { printf "%.1f %.1f %d\n", ns / 1e6 - t0 * 1000, p, rss }' >>"$work/$name"
}

# One start of each first, so that both find the libraries in the page cache.
run warm "$empty"
ORIA_STARTUP_PROBE=quit run warm "$oria"
for _ in $(seq 1 "$n"); do
    run empty "$empty"
    ORIA_STARTUP_PROBE=quit run oria "$oria"
done

eo=$(median 1 "$work/oria"); ee=$(median 1 "$work/empty")
po=$(median 2 "$work/oria"); pe=$(median 2 "$work/empty")
ro=$(median 3 "$work/oria"); re=$(median 3 "$work/empty")
awk -v n="$n" -v eo="$eo" -v ee="$ee" -v po="$po" -v pe="$pe" -v ro="$ro" -v re="$re" 'BEGIN {
    printf "medians over %d starts each (first window painted)\n", n
    printf "                    launch->paint  process start->paint  VmRSS\n"
    printf "  oria              %8.1f ms      %8.1f ms          %6.1f MB\n", eo, po, ro / 1024
    printf "  empty window      %8.1f ms      %8.1f ms          %6.1f MB\n", ee, pe, re / 1024
    printf "  ratio             %8.2f         %8.2f\n", eo / ee, po / pe
    printf "  memory difference %+.1f MB\n", (ro - re) / 1024
}'
if [ -n "${ORIA_STARTUP_RAW:-}" ]; then
    echo "oria:"; cat "$work/oria"; echo "empty:"; cat "$work/empty"
fi
