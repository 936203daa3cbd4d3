#!/bin/bash
# Times `cabrion-cli validate` of one file against `wc -l` of the same file, for each
# cabrion-cli given (an older build next to the current one, say), interleaved so that a
# shared machine weighs on all alike. Prints medians of wall and CPU (user + sys) time in
# milliseconds and each program's CPU time as a multiple of wc's. Start-up alone is measured
# with --version. A CLI given as PATH:OPTIONS runs validate with those options (say "-j 1").
#   bench/make-site-file.sh /tmp/sites.hwc 10000
#   bench/validate-vs-wc.sh /tmp/sites.hwc 15 old/cabrion-cli build/release/programs/cabrion-cli
#   bench/validate-vs-wc.sh /tmp/sites.hwc 15 build/dev/programs/cabrion-cli{,:"-j 1"}
set -eu
file=${1:?usage: validate-vs-wc.sh FILE REPEATS CLI...}
repeats=${2:?usage: validate-vs-wc.sh FILE REPEATS CLI...}
shift 2
results=$(mktemp)
trap 'rm -f "$results"' EXIT
TIMEFORMAT='%R %U %S'
run() { # name command...
    local name=$1
    shift
    { time "$@" >/dev/null 2>&1; } 2>&1 | awk -v n="$name" '{ printf "%s %.1f %.1f\n", n, $1 * 1000, ($2 + $3) * 1000 }' >>"$results"
}
cat "$file" >/dev/null
for ((i = 0; i < repeats; i++)); do
    run "wc" wc -l "$file"
    k=0
    for cli in "$@"; do
        k=$((k + 1))
        program=${cli%%:*}
        options=()
        [ "$program" = "$cli" ] || read -r -a options <<<"${cli#*:}"
        run "validate#$k" "$program" validate "${options[@]}" "$file"
        run "start-up#$k" "$program" --version
    done
done
size=$(stat -c %s "$file")
k=0
for cli in "$@"; do
    k=$((k + 1))
    echo "#$k = $cli"
done
awk -v size="$size" '
    { wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " $3; names[$1] = 1 }
    function median(list,   a, n, i, j, t) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END {
        base = median(cpu["wc"])
        printf "%-12s %10s %10s %10s %10s\n", "", "wall ms", "cpu ms", "cpu / wc", "MB/s cpu"
        for (n in names) {
            c = median(cpu[n])
            printf "%-12s %10.1f %10.1f %10.1f %10.0f\n", n, median(wall[n]), c, c / base,
                   n ~ /start-up/ ? 0 : size / 1e3 / c
        }
    }' "$results" | sort
