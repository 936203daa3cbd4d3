#!/usr/bin/env bash
# Runs every fuzz target of the fuzz preset for a few seconds each, seeded from tests/data.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shopt -s nullglob
ran=0
for target in build/fuzz/tests/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=$(mktemp -d)
    seeds="tests/fuzz/corpus/${name#fuzz_}"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
    echo "-- $name ($seconds s)"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" 2>"$corpus.log" || { tail -50 "$corpus.log"; exit 1; }
    rm -rf "$corpus" "$corpus.log"
    ran=$((ran + 1))
done
echo "fuzz targets run: $ran"
