#!/usr/bin/env bash
# Resident memory with every window open (harmony, Razezev Aru with a 12-megapixel picture
# loaded, Vizozudu, the composer, the charter) against the harmony window alone: the program
# is started both ways alternately N times on a virtual X display with a window manager, and
# the medians are compared; the difference is to stay within 40 MB.
#   bench/memory.sh [build-dir] [N]     (defaults: build-tests, 5)
# Each start reports "memoire <VmRSS> <RssAnon> <RssFile> <RssShmem>" in kB once its windows
# have painted (bench/memory_probe.cpp); ORIA_MEMORY_RAW=1 shows every start's figures.
set -euo pipefail
build=$(cd "${1:-build-tests}" && pwd)
n=${2:-5}
probe=$build/oria_memory_probe
[ -x "$probe" ] || { echo "build $probe first" >&2; exit 1; }

# shellcheck source=bench/desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
on_virtual_display "$build" "$n"
start_desktop
picture=$work/photo.jpg
"$probe" picture "$picture"

# run NAME ARGS...: one start; appends its four figures (kB) to NAME.
run() {
    local name=$1 line
    shift
    line=$(timeout 60 "$probe" "$@" 2>"$work/err" | grep -m1 '^memoire ') || {
        echo "$name: no figures" >&2
        cat "$work/err" >&2
        exit 1
    }
    echo "${line#memoire }" >>"$work/$name"
}

for _ in $(seq 1 "$n"); do
    run harmony harmony
    run all all "$picture"
done

row() { # label file: the medians of its four columns, in MB
    local column medians=()
    for column in 1 2 3 4; do
        medians+=("$(median "$column" "$2")")
    done
    awk -v label="$1" -v m="${medians[*]}" 'BEGIN {
        split(m, v, " ")
        printf "  %-22s %8.1f %8.1f %8.1f %8.1f MB\n", label, v[1] / 1024, v[2] / 1024,
            v[3] / 1024, v[4] / 1024
    }'
}
echo "medians over $n starts each (windows painted)"
echo "                            VmRSS  RssAnon  RssFile RssShmem"
row "harmony window alone" "$work/harmony"
row "every window open" "$work/all"
awk -v a="$(median 1 "$work/all")" -v h="$(median 1 "$work/harmony")" 'BEGIN {
    d = (a - h) / 1024
    printf "  difference %+.1f MB: %s\n", d, d <= 40 ? "within 40 MB" : "OVER 40 MB"
}'
if [ -n "${ORIA_MEMORY_RAW:-}" ]; then
    echo "harmony:"; cat "$work/harmony"; echo "all:"; cat "$work/all"
fi
