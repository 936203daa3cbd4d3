#!/usr/bin/env bash
# Runs the fuzz targets of the fuzz preset (scripts/build.sh fuzz), each from its corpus in
# tests/fuzz/corpus/<target>/ and with its dictionary tests/fuzz/<target>.dict when there is one.
#
#   scripts/fuzz.sh [SECONDS]                   every target briefly (CI; default 8 s each)
#   scripts/fuzz.sh --long MINUTES [TARGET...]  every target (or those named) in turn for the
#                                               minutes, or until --runs inputs; what it finds is
#                                               merged back into the corpus, minimized
#       --runs N     stop a target after N inputs (with --long)
#       --max-len N  longest input tried and kept (with --long; default 1536, which keeps each
#                    minimized corpus well under a megabyte)
#       --timeout S  seconds one input may take before it counts as a hang (default 10; give
#                    more when the run is niced on a busy machine)
#       --fast       the targets of the fuzz-fast preset (no AddressSanitizer, more inputs a
#                    second); replay the corpus it leaves in the fuzz tree afterwards
#
# The brief run works on a copy, so CI never changes the tree. A long run prints per target the
# inputs run, the coverage (cov: edges, ft: features) and the corpus size after the merge.
# Any crash, leak or timeout stops the script with the fuzzer's report and the input that did
# it (in the tree's findings/).
set -euo pipefail
cd "$(dirname "$0")/.."

long=0
minutes=0
runs=0
max_len=1536
timeout=10
seconds=8
tree=build/fuzz
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --long)
        long=1
        minutes=${2:?--long needs MINUTES}
        shift 2
        ;;
    --runs)
        runs=${2:?--runs needs a number}
        shift 2
        ;;
    --max-len)
        max_len=${2:?--max-len needs a number}
        shift 2
        ;;
    --timeout)
        timeout=${2:?--timeout needs seconds}
        shift 2
        ;;
    --fast)
        tree=build/fuzz-fast
        shift
        ;;
    -h | --help)
        sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        if [ "$long" = 1 ]; then
            targets+=("$1")
        else
            seconds=$1
        fi
        shift
        ;;
    esac
done

shopt -s nullglob
findings=$tree/findings
mkdir -p "$findings"

# The targets to run: the names given, or every one that was built.
binaries=()
if [ ${#targets[@]} -gt 0 ]; then
    for t in "${targets[@]}"; do
        binaries+=("$tree/tests/fuzz_${t#fuzz_}")
    done
else
    binaries=("$tree"/tests/fuzz_*)
fi

dict_args() {
    local dict="tests/fuzz/$1.dict"
    [ -f "$dict" ] && echo "-dict=$dict"
    return 0
}

# Runs one target; its output goes to the log. Fails with the report on a finding.
run_target() {
    local binary=$1 work=$2 log=$3
    shift 3
    local name
    name=$(basename "$binary")
    # shellcheck disable=SC2046
    if ! "$binary" -timeout="$timeout" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/${name#fuzz_}-" $(dict_args "${name#fuzz_}") "$@" \
        "$work" >"$log" 2>&1; then
        tail -60 "$log"
        echo "== $name: finding; the input is in $findings/" >&2
        return 1
    fi
}

stat_of() {
    sed -n "s/^stat::$1: *//p" "$2" | tail -1
}

# The brief run takes the targets side by side, one per core: CI waits for the slowest only.
if [ "$long" = 0 ]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    brief() {
        local binary=$1 short
        short=$(basename "$binary")
        short=${short#fuzz_}
        mkdir -p "$tmp/$short"
        [ -d "tests/fuzz/corpus/$short" ] && cp -r "tests/fuzz/corpus/$short"/. "$tmp/$short"/
        run_target "$binary" "$tmp/$short" "$tmp/$short.log" -max_total_time="$seconds"
    }
    jobs=$(nproc)
    running=0
    failed=0
    for binary in "${binaries[@]}"; do
        [ -x "$binary" ] || {
            echo "no fuzz target $binary (build the fuzz preset first)" >&2
            exit 2
        }
        echo "-- $(basename "$binary") ($seconds s)"
        brief "$binary" &
        running=$((running + 1))
        if [ "$running" -ge "$jobs" ]; then
            wait -n || failed=1
            running=$((running - 1))
        fi
        [ "$failed" = 0 ] || break
    done
    while [ "$running" -gt 0 ]; do
        wait -n || failed=1
        running=$((running - 1))
    done
    [ "$failed" = 0 ] || exit 1
    echo "fuzz targets run: ${#binaries[@]}"
    exit 0
fi

ran=0
for binary in "${binaries[@]}"; do
    [ -x "$binary" ] || {
        echo "no fuzz target $binary (build the fuzz preset first)" >&2
        exit 2
    }
    name=$(basename "$binary")
    short=${name#fuzz_}
    corpus="tests/fuzz/corpus/$short"
    work=$(mktemp -d)
    log=$(mktemp)
    trap 'rm -rf "$work" "$log"' EXIT
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/

    if [ "$long" = 0 ]; then
        echo "-- $name ($seconds s)"
        run_target "$binary" "$work" "$log" -max_total_time="$seconds" || exit 1
    else
        # The entropic schedule's bookkeeping was half the time of the long runs of the slower
        # targets and found no more.
        limit=(-max_total_time=$((minutes * 60)) -max_len="$max_len" -entropic=0)
        [ "$runs" -gt 0 ] && limit+=(-runs="$runs")
        echo "-- $name (up to $minutes min$([ "$runs" -gt 0 ] && echo ", $runs inputs"))"
        run_target "$binary" "$work" "$log" "${limit[@]}" || exit 1
        inputs=$(stat_of number_of_executed_units "$log")
        cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
        ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
        # Everything the run kept, together with the old corpus, minimized into a fresh one.
        merged=$(mktemp -d)
        old=$(mktemp -d)
        [ -d "$corpus" ] && cp -r "$corpus"/. "$old"/
        "$binary" -merge=1 -max_len="$max_len" -timeout="$timeout" -rss_limit_mb=2048 \
            "$merged" "$old" "$work" >"$log.merge" 2>&1 || {
            tail -30 "$log.merge"
            exit 1
        }
        rm -rf "$corpus" && mkdir -p "$corpus" && cp "$merged"/* "$corpus"/ 2>/dev/null || true
        rm -rf "$merged" "$old" "$log.merge"
        files=$(find "$corpus" -type f | wc -l)
        bytes=$(du -sb "$corpus" | cut -f1)
        printf '%-22s inputs %-10s cov %-6s ft %-6s corpus %s files, %s bytes\n' \
            "$short" "${inputs:-?}" "${cov:-?}" "${ft:-?}" "$files" "$bytes" |
            tee -a "$tree/long-run.txt"
    fi
    rm -rf "$work" "$log"
    trap - EXIT
    ran=$((ran + 1))
done
echo "fuzz targets run: $ran"
