#!/usr/bin/env bash
# Configures (once) and builds one preset: scripts/build.sh [preset] [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
shift || true
if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >/dev/null
fi
if [ $# -gt 0 ]; then
    cmake --build "build/$preset" --target "$@"
else
    cmake --build "build/$preset"
fi
