#!/usr/bin/env bash
# Remakes the pictures of the user guide (docs/help/images): the views with cabrion-cli render,
# the main window from the GUI test that opens the sample. Run after a change to the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache} QT_QPA_PLATFORM=offscreen
bash scripts/build.sh dev cabrion-cli test_ui >/dev/null
sample=docs/samples/harbour-4x3.hwc
out=docs/help/images
mkdir -p "$out"
for view in 1 2 4 7 8; do
    build/dev/programs/cabrion-cli render "$sample" --view "$view" --out "$out/view-$view.png"
done
build/dev/tests/test_ui --gtest_filter='Help.MainWindowPictureForTheGuide' >/dev/null
cp build/dev/screenshots/main-window.png "$out/main-window.png"
ls -l "$out"
