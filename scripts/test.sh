#!/usr/bin/env bash
# Installs what is missing, checks that includes point down the layers, builds, and runs every
# test: the unit and end-to-end tests, all of them again under AddressSanitizer and
# UndefinedBehaviorSanitizer (windows and the programs they start included), the link tests
# and the file readers under ThreadSanitizer (only they are built there), and a short run of
# every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# Most of the longer tests wait on a link's timeouts or an X server, in several processes each
# (see tests/CMakeLists.txt): twice as many run at once as there are processors.
test_jobs=$((jobs * 2))

# Each stage says how long it took, so that a slow CI run shows where its time went.
stage_name=""
stage() {
    [ -z "$stage_name" ] || echo "-- $stage_name: $((SECONDS - stage_start)) s"
    stage_name=$1
    stage_start=$SECONDS
    [ -z "$stage_name" ] || echo "== $stage_name"
}

stage "layers"
bash scripts/check-layers.sh

stage "dev build and tests"
bash scripts/build.sh dev
ctest --test-dir build/dev --output-on-failure -j "$test_jobs"

stage "Debian package: build, install into a scratch root, check"
bash scripts/package.sh --check

stage "everything under AddressSanitizer + UndefinedBehaviorSanitizer"
bash scripts/build.sh asan
# The tests set the sanitizer options themselves (leak suppressions in tests/lsan.supp).
# The desktop tests run for as long as their random input lasts, mostly waiting on the X server:
# they go on behind the stages below, whose work yields the processor to them (nice), and are
# waited for at the end. The random run and the found seeds run side by side, each program on
# an X server of its own.
desktop_log=build/asan/desktop-tests.log
setsid ctest --test-dir build/asan --output-on-failure -j "$jobs" -L desktop >"$desktop_log" 2>&1 &
desktop_pid=$!
# A stage that fails below ends the script; the desktop tests, with the X server and programs
# they started (their own process group), are not left running behind it.
trap 'kill -- -"$desktop_pid" 2>/dev/null || true' EXIT
nice -n 10 ctest --test-dir build/asan --output-on-failure -j "$test_jobs" -LE desktop

stage "link tests and file readers under ThreadSanitizer"
nice -n 10 bash scripts/build.sh tsan
if ctest --test-dir build/tsan -N -L 'comms|sim|files' | grep -q 'Total Tests: [1-9]'; then
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
        nice -n 10 ctest --test-dir build/tsan --output-on-failure -j "$jobs" -L 'comms|sim|files'
fi

stage "fuzz targets, briefly"
nice -n 10 bash scripts/build.sh fuzz
# Every target replays its corpus and then fuzzes on briefly; the long runs are scripts/fuzz.sh --long.
nice -n 10 bash scripts/fuzz.sh "${FUZZ_SECONDS:-8}"

stage "desktop tests under AddressSanitizer (started with the sanitizer stage)"
desktop_rc=0
wait "$desktop_pid" || desktop_rc=$?
trap - EXIT
cat "$desktop_log"
[ "$desktop_rc" = 0 ] || exit "$desktop_rc"
stage ""
echo "== all tests passed in $SECONDS s"
