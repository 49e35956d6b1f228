#!/usr/bin/env bash
# Cross-builds for 64-bit Windows with MinGW-w64 inside Debian 13 and runs the
# tests under Wine here, with no display, as an unprivileged user:
# 1. the core (rom/, editor/) alone, built without Qt, and its tests;
# 2. the whole program with the Qt for MinGW, and its window tests on Qt's
#    offscreen platform.
# Exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"
quorvane_windows_build

run="$(quorvane_wine_folder)"
trap 'rm -rf "$run"' EXIT
cp "$QUORVANE_WINDOWS/core/tests/quorvane_core_tests.exe" "$QUORVANE_WINDOWS/core/tests/quorvane_image_holder.exe" \
  "$QUORVANE_WINDOWS/full/tests/quorvane_window_tests.exe" "$run/"
quorvane_windows_runtime "$run" qoffscreen
cp -f "$QUORVANE_WINDOWS_QT/bin/Qt6Test.dll" "$run/"
cd "$run"
quorvane_run_under_wine wine quorvane_core_tests.exe
# The offscreen platform has no fonts of its own on Windows; it gets the
# same DejaVu faces as on Linux.
QUORVANE_FONT_DIR='Z:\usr\share\fonts\truetype\dejavu' quorvane_run_under_wine wine quorvane_window_tests.exe
cp -f quorvane-window.png "$QUORVANE_WINDOWS/quorvane-window-wine.png"
