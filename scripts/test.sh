#!/usr/bin/env bash
# Installs what is missing, checks that includes point down the layers, builds, and runs every
# test: the unit and end-to-end tests, all of them again under AddressSanitizer and
# UndefinedBehaviorSanitizer (windows and the programs they start included), the link tests
# under ThreadSanitizer, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== layers"
bash scripts/check-layers.sh

echo "== dev build and tests"
bash scripts/build.sh dev
ctest --test-dir build/dev --output-on-failure -j "$jobs"

echo "== Debian package: build, install into a scratch root, check"
bash scripts/package.sh --check

echo "== everything under AddressSanitizer + UndefinedBehaviorSanitizer"
bash scripts/build.sh asan
# The tests set the sanitizer options themselves (leak suppressions in tests/lsan.supp).
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== link tests under ThreadSanitizer"
bash scripts/build.sh tsan
if ctest --test-dir build/tsan -N -L 'comms|sim' | grep -q 'Total Tests: [1-9]'; then
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
        ctest --test-dir build/tsan --output-on-failure -L 'comms|sim'
fi

echo "== fuzz targets, briefly"
bash scripts/build.sh fuzz
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
echo "== all tests passed"
