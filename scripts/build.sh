#!/usr/bin/env bash
# Configures and builds one preset: scripts/build.sh [preset] [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
shift || true
# Configured every time (a second or two on a configured tree): a tree made before a preset
# changed its options would otherwise go on building what the preset no longer says.
cmake --preset "$preset" >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "build/$preset" --target "$@"
else
    cmake --build "build/$preset"
fi
