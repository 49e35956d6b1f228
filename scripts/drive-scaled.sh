#!/usr/bin/env bash
# Drives the program at a large scale on a screen too small for its layout,
# on the display xvfb-run gave; run by test-keyboard.sh, which sets program,
# screen_check and scale. The whole window, frame and all, must lie on the
# screen, and every flag box must be reached and toggled by keyboard and by
# mouse, as the saved flag byte shows.
set -euo pipefail

source "$(dirname "$0")/driver-lib.sh"

scratch="$(mktemp -d)"
image="$scratch/game.sfc"
head -c 3145728 /dev/urandom > "$image"
flag_byte=$((0x2CE600 + 5))
flags_at_start="$(od -An -tu1 -j "$flag_byte" -N1 "$image" | tr -d ' ')"
flags_are() { [ "$(od -An -tu1 -j "$flag_byte" -N1 "$image" | tr -d ' ')" = "$1" ]; }

trap 'end_session; rm -rf "$scratch"' EXIT
export QT_SCALE_FACTOR="$scale"
start_session "$scratch"
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')
read -r x y width height < <(geometry "$window")
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
[ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] &&
  [ $((x + width + right)) -le "$screen_width" ] && [ $((y + height + bottom)) -le "$screen_height" ] ||
  fail "at $scale the window, ${width}x$height at ($x, $y) in a frame of $left, $right, $top, $bottom, runs off the ${screen_width}x$screen_height screen"
echo "PASSED: at $scale on a ${screen_width}x$screen_height screen the whole window lies on the screen (${width}x$height)"

open_image "$image"
# Save, Open, the first value box, the list, the first flag box; then past
# the descriptions, the first hex box and six value boxes to the second flag
# box, and on to the last.
xdotool key --delay 50 Tab Tab Tab Tab space $(printf 'Tab %.0s' $(seq 15)) space \
  $(printf 'Tab space %.0s' $(seq 6)) alt+s
wait_for flags_are $((flags_at_start ^ 255)) || fail "at $scale Tab and Space did not toggle every flag box once: $flags_at_start became $(od -An -tu1 -j "$flag_byte" -N1 "$image" | tr -d " ")"
echo "PASSED: at $scale every flag box is reached and toggled by keyboard"

# Scrolled to its end by the wheel, the layout's bottom edge stands at the
# window's; each flag box is clicked on its caption. The flag boxes stand
# in the layout at x 120 and these tops and heights, in pixels at 100 %.
xdotool mousemove $((x + width / 2)) $((y + height / 2))
xdotool click --repeat 40 --delay 20 5
for row in 296:41 336:41 376:41 416:33 448:33 480:33 512:33 544:41; do
  IFS=: read -r top tall <<<"$row"
  from_bottom=$((595 - top - tall / 2))
  xdotool mousemove "$(awk -v s="$scale" -v x="$x" 'BEGIN {printf "%d", x + 320 * s}')" \
    "$(awk -v s="$scale" -v y="$y" -v h="$height" -v b="$from_bottom" 'BEGIN {printf "%d", y + h - b * s}')" click 1
  sleep 0.1
done
xdotool key alt+s
wait_for flags_are "$flags_at_start" || fail "at $scale clicking each flag box did not toggle every one once"
echo "PASSED: at $scale every flag box is reached and toggled by mouse"
