#!/usr/bin/env bash
# Makes docs/quorvane-window.png, the README's picture of the window, from
# the real window: the built program on a virtual display under a window
# manager, with an image made here opened through its dialog and weapon 29
# (Atma Weapon) picked in the list, all by keys and clicks as a person would
# give them. Run it again after a change to the window.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
if [ "${1:-}" != --inside ]; then
  "$QUORVANE_ROOT/scripts/install-deps.sh" native
  quorvane_build dev build
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside
fi

source "$QUORVANE_ROOT/scripts/driver-lib.sh"
program="$QUORVANE_ROOT/build/quorvane"
screen_check="$QUORVANE_ROOT/build/tests/quorvane_screen_check"
picture="$QUORVANE_ROOT/docs/quorvane-window.png"
scratch="$(mktemp -d)"
trap 'end_session; rm -rf "$scratch"' EXIT

# An image of zero bytes but for the record shown: its values, its flags 0, 2
# and 7 (0x85), its sound and its last byte.
image="$scratch/game.sfc"
head -c 3145728 /dev/zero > "$image"
printf '\022\064\126\170\232\205\274\000' |
  dd of="$image" bs=1 seek=$((0x2CE600 + 8 * 29)) conv=notrunc status=none

start_session "$scratch"
open_image "$image"
# The list's first row, Fists, then 29 rows down; the list lies at (0, 72).
read -r x y _ _ < <(geometry "$window")
xdotool mousemove $((x + 40)) $((y + 72 + 8)) click 1
xdotool key --delay 50 $(printf 'Down %.0s' $(seq 29))
sleep 1
grab "$picture" 0 0 514 595
echo "$picture"
