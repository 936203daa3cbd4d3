#!/usr/bin/env bash
# Installs what is missing, builds, and starts Cabrion with the simulated BTS and a sample
# configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
bash scripts/build.sh dev
exec build/dev/programs/cabrion "$@"
