#!/usr/bin/env bash
# Drives the program on the display xvfb-run gave; run by test-keyboard.sh,
# which sets program.
set -euo pipefail

source "$(dirname "$0")/driver-lib.sh"

scratch="$(mktemp -d)"
workdir="$scratch/working folder"
image="$scratch/images/game.sfc"
mkdir -p "$workdir" "$(dirname "$image")"
head -c 3145728 /dev/urandom > "$image"
fists=$((0x2CE600))
byte_at() { od -An -tu1 -j "$1" -N1 "$image" | tr -d ' '; }
expect_fists() {
  local found
  found="$(byte_at "$fists")"
  [ "$found" = "$1" ] || fail "$2: the file holds $found, not $1"
  echo "PASSED: $2"
}

openbox --sm-disable &
wm=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for wm_ready || fail "the window manager did not start"
# Qt's own file dialog, as without a platform theme, and with its state kept
# apart from the user's.
(cd "$workdir" && exec env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP QT_QPA_PLATFORM=xcb \
  XDG_CONFIG_HOME="$scratch/config" "$program") &
editor=$!
trap 'kill "$editor" "$wm" 2>/dev/null || true; rm -rf "$scratch"' EXIT

visible_named() { xdotool search --all --onlyvisible --pid "$editor" --name "$1" >/dev/null 2>&1; }
dialog_shown() { visible_named '^Open$'; }
dialog_gone() { ! dialog_shown; }
wait_for visible_named '^Quorvane$' || fail "no window titled Quorvane appeared"
window="$(xdotool search --all --onlyvisible --pid "$editor" --name '^Quorvane$' | head -n 1)"
wait_for test "$(xdotool getactivewindow 2>/dev/null)" = "$window" || xdotool windowactivate --sync "$window"
sleep 0.5
desktop_class="$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../packaging/io.github.quorvane.quorvane.desktop")"
xprop -id "$window" WM_CLASS | grep -q "\"$desktop_class\"\$" ||
  fail "the window's class, $(xprop -id "$window" WM_CLASS), is not the menu entry's StartupWMClass $desktop_class"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (48 x 48)' || fail "the window offers no 48 px icon"
echo "PASSED: the window's class is the menu entry's StartupWMClass, and it offers a 48 px icon"

# A person's pace: about 100 ms between keys.
keys() { xdotool key --delay 100 "$@"; }

keys alt+o
wait_for dialog_shown || fail "Open showed no file dialog"
sleep 0.5
xdotool type --delay 100 "$image"
# Long enough for the dialog's completion list to come up.
sleep 1
keys Return
wait_for dialog_gone || fail "the dialog did not close"
sleep 0.5

# The focus starts on Save; two Tabs reach the first value box.
keys Tab Tab End BackSpace BackSpace BackSpace BackSpace 2 0 0 alt+s
sleep 0.5
expect_fists 200 "after Open, the keyboard reaches the window, and an emptied box then 200 saves 200"

keys ctrl+a 4 4
xdotool key --delay 15 alt+s 9
sleep 0.5
expect_fists 44 "44, Alt+S and 9 15 ms later saves 44"

before="$(ls -A "$workdir")"
keys alt+o
wait_for dialog_shown || fail "the second Open showed no file dialog"
sleep 0.5
keys Return
wait_for dialog_gone || fail "the dialog did not close"
sleep 0.5
# The box shows "255" from the 9; only a reload from the file shows 44 again.
keys alt+s
sleep 0.5
expect_fists 44 "a second Open confirmed with Return reopens the same file"
[ "$(ls -A "$workdir")" = "$before" ] || fail "the second Open created $(ls -A "$workdir") in the working folder"
echo "PASSED: the second Open created nothing in the working folder"
