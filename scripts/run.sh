#!/usr/bin/env bash
# Installs what is missing, builds, and starts Cabrion with a sample configuration.
#   scripts/run.sh [FILE]        the window with FILE (default: the twelve-TRX sample)
#   scripts/run.sh --with-bts    the same, connected to a simulated BTS on a pseudo-terminal; a
#                                FILE-bts.json beside FILE describes that BTS (the sample's does)
set -euo pipefail
cd "$(dirname "$0")/.."
with_bts=0
if [ "${1:-}" = "--with-bts" ]; then
    with_bts=1
    shift
fi
file=${1:-docs/samples/harbour-4x3.hwc}

bash scripts/setup-deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
bash scripts/build.sh dev cabrion cabrion-btssim

if [ $with_bts -eq 0 ]; then
    exec build/dev/programs/cabrion "$file"
fi

# The simulated BTS serves a pseudo-terminal; the window's local connection (COM port 1 unless
# the settings say otherwise) is pointed at it through CABRION_COM<n>. Without a scenario of its
# own the file meets the simulator's built-in BTS, whose hardware is not the file's.
port=${CABRION_RUN_COM:-1}
scenario=()
if [ -f "${file%.*}-bts.json" ]; then
    scenario=(--scenario "${file%.*}-bts.json")
fi
log=$(mktemp)
build/dev/programs/cabrion-btssim --pty "${scenario[@]}" >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$log"' EXIT
pty=""
for _ in $(seq 1 50); do
    pty=$(grep -o '/dev/pts/[0-9]*' "$log" | head -n 1 || true)
    [ -n "$pty" ] && break
    sleep 0.1
done
if [ -z "$pty" ]; then
    echo "The simulated BTS did not start:" >&2
    cat "$log" >&2
    exit 1
fi
echo "Simulated BTS on $pty (COM $port)"
export "CABRION_COM${port}=${pty}"
build/dev/programs/cabrion "$file"
