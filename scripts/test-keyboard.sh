#!/usr/bin/env bash
# Starts the built program on a virtual X display under a real window manager
# and types into it at a person's pace, with xdotool, the way QTest's
# synthetic events cannot: shortcuts go through the button's real handling
# and Qt's own file dialog shows its completion popup. Every check reads the
# bytes of the file. Takes the program as its argument (default build/quorvane).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
program="$(realpath "${1:-$QUORVANE_ROOT/build/quorvane}")"
export program
# A program that stops answering must fail the run, not hang it.
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" bash "$QUORVANE_ROOT/scripts/drive-keyboard.sh"
