#!/usr/bin/env bash
# Starts the built program on a virtual X display under a real window manager
# and types into it at a person's pace, with xdotool, the way QTest's
# synthetic events cannot: shortcuts go through the button's real handling
# and Qt's own file dialog shows its completion popup. Every check reads the
# bytes of the file, or looks at the screen as a person would. Takes the
# program as its argument (default build/quorvane), and finds its screen
# check beside it. The screen is 1280 pixels wide, as a small laptop's.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
program="$(realpath "${1:-$QUORVANE_ROOT/build/quorvane}")"
# Grabs the screen and tells what a person would see in the grabs.
screen_check="$(dirname "$program")/tests/quorvane_screen_check"
export program screen_check
# A program that stops answering must fail the run, not hang it.
timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$QUORVANE_ROOT/scripts/drive-keyboard.sh"
# A person who enlarges text: 150 % on a small laptop's screen and 200 % on
# a larger one, each too small for the layout at that scale.
for screen in 1.5:1280x800 2:1920x1200; do
  scale="${screen%%:*}" timeout 300 xvfb-run -a -s "-screen 0 ${screen#*:}x24" \
    bash "$QUORVANE_ROOT/scripts/drive-scaled.sh"
done
# An image the user may read but not write.
timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$QUORVANE_ROOT/scripts/drive-read-only.sh"
