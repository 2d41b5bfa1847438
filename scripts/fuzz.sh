#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for SECONDS (60 by default), FUZZ_JOBS at a time (2), each input limited to 2 s and the whole
# target to 2 GB. Prints one line per target: runs, coverage, faults. New inputs go to
# build-sanitize/fuzz-corpus, faults to build-sanitize/fuzz-findings; the status is 1 when
# any target found one. Mend the program, then keep the input in fuzz/corpus/TARGET.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SECONDS_EACH=${1:-60}
install_missing "${PACKAGES[@]}" "${SANITIZER_PACKAGES[@]}"
build_sanitized
# Absolute paths: a target may change its working folder (arguments works in /sys).
out=$ROOT/build-sanitize
cd "$out"
mkdir -p fuzz-corpus fuzz-findings fuzz-logs

run_target() {
    local name=$1 dict=()
    mkdir -p "$out/fuzz-corpus/$name"
    [ -f "$ROOT/fuzz/$name.dict" ] && dict=(-dict="$ROOT/fuzz/$name.dict")
    "$out/fuzz_$name" -max_total_time="$SECONDS_EACH" -rss_limit_mb=2048 -timeout=2 \
        -print_final_stats=1 -artifact_prefix="$out/fuzz-findings/$name-" "${dict[@]}" \
        "$out/fuzz-corpus/$name" "$ROOT/fuzz/corpus/$name" >"fuzz-logs/$name.log" 2>&1 || true
}

# The final statistics and the last coverage line of a target's log, on one line.
report() {
    local name=$1 log="fuzz-logs/$1.log" runs cov faults
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    faults=$(find fuzz-findings -name "$name-*" | wc -l)
    printf '%-12s %10s exécutions  couverture %6s  fautes %s\n' "$name" "${runs:-?}" "${cov:-?}" "$faults"
    [ "$faults" -eq 0 ]
}

targets=()
for source in "$ROOT"/fuzz/*.cpp; do
    name=$(basename "$source" .cpp)
    [ "$name" = ReplayCorpus ] || targets+=("$name")
done
# FUZZ_JOBS targets at a time (2, one per core, unless said otherwise).
jobs=${FUZZ_JOBS:-2}
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    for ((j = i; j < i + jobs && j < ${#targets[@]}; j++)); do
        run_target "${targets[j]}" &
    done
    wait
done

status=0
for name in "${targets[@]}"; do
    report "$name" || status=1
done
exit $status
