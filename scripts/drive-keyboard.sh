#!/usr/bin/env bash
# Drives the program on the display xvfb-run gave; run by test-keyboard.sh,
# which sets program and screen_check.
set -euo pipefail

source "$(dirname "$0")/driver-lib.sh"

scratch="$(mktemp -d)"
workdir="$scratch/working folder"
image="$scratch/images/game.sfc"
mkdir -p "$workdir" "$(dirname "$image")"
head -c 3145728 /dev/urandom > "$image"
fists=$((0x2CE600))
byte_at() { od -An -tu1 -j "$1" -N1 "$image" | tr -d ' '; }
byte_is() { [ "$(byte_at "$1")" = "$2" ]; }
expect_fists() {
  wait_for byte_is "$fists" "$1" || fail "$2: the file holds $(byte_at "$fists"), not $1"
  echo "PASSED: $2"
}

trap 'end_session; rm -rf "$scratch"' EXIT
start_session "$workdir"

# A message box is a second window of the program's, also titled Quorvane.
message_box() { xdotool search --all --onlyvisible --pid "$editor" --name '^Quorvane$' | grep -v "^$window\$" | head -n 1; }
message_shown() { [ -n "$(message_box)" ]; }
message_gone() { ! message_shown; }
desktop_class="$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../packaging/io.github.quorvane.quorvane.desktop")"
xprop -id "$window" WM_CLASS | grep -q "\"$desktop_class\"\$" ||
  fail "the window's class, $(xprop -id "$window" WM_CLASS), is not the menu entry's StartupWMClass $desktop_class"
# xprop reads a property as long as the icon's whole only when told to.
icon_sizes() {
  xprop -len 1000000 -id "$window" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \1).*/\1/p' | paste -sd ' '
}
every_icon_size_offered() { [ "$(icon_sizes)" = "16 24 32 48 64 128 256" ]; }
wait_for every_icon_size_offered || fail "the window offers its icon at $(icon_sizes) pixels, not 16 to 256"
echo "PASSED: the window's class is the menu entry's StartupWMClass, and it offers its icon at 16 to 256 pixels"
read -r _ _ client_width client_height < <(geometry "$window")
# A scroll bar shows only in a window smaller than its layout.
[ "${client_width}x$client_height" = 514x595 ] ||
  fail "at 100 % on a 1280x1024 screen the client area is ${client_width}x$client_height, not 514x595"
echo "PASSED: at 100 % the client area is 514x595, the layout whole with no scroll bar"

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
expect_fists 200 "after Open, the keyboard reaches the window, and an emptied box then 200 saves 200"

keys ctrl+a 4 4
xdotool key --delay 15 alt+s 9
expect_fists 44 "44, Alt+S and 9 15 ms later saves 44"

before="$(ls -A "$workdir")"
keys alt+o
wait_for dialog_shown || fail "the second Open showed no file dialog"
sleep 0.5
keys Return
wait_for dialog_gone || fail "the dialog did not close"
sleep 0.5
# The box shows "255" from the 9; only a reload from the file shows 44 again,
# which a save then writes over a byte changed meanwhile.
printf '\001' | dd of="$image" bs=1 seek="$fists" conv=notrunc status=none
keys alt+s
expect_fists 44 "a second Open confirmed with Return reopens the same file"
[ "$(ls -A "$workdir")" = "$before" ] || fail "the second Open created $(ls -A "$workdir") in the working folder"
echo "PASSED: the second Open created nothing in the working folder"

# The box still shows 44, reloaded from the file.
keys ctrl+a 7 7 ctrl+s
expect_fists 77 "77 then Ctrl+S saves 77"

# A held key acts once, by every route, and typing still repeats. A check of
# a hold says nothing unless the X server repeated the key: xset says whether
# it repeats, and a hold in a window of xev's counts the presses one makes.
xset q | grep -q 'auto repeat:  on' || fail "the X server does not repeat a held key (xset q)"
hold() {
  xdotool keydown "$1"
  sleep 1.5
  xdotool keyup "$1"
}
xev -event keyboard -name repeat-count >"$scratch/xev" 2>&1 &
also_end $!
wait_for xdotool search --all --onlyvisible --name '^repeat-count$' >/dev/null || fail "xev showed no window"
xdotool windowactivate --sync "$(xdotool search --all --onlyvisible --name '^repeat-count$' | head -n 1)"
hold s
wait_for grep -q 'KeyRelease event' "$scratch/xev" || fail "xev saw no key"
presses="$(grep -c 'KeyPress event' "$scratch/xev" || true)"
[ "$presses" -ge 10 ] || fail "a 1.5 s hold made only $presses presses: the X server hardly repeats"
xdotool windowactivate --sync "$window"
wait_for window_active || fail "the program's window did not become active again"
echo "PASSED: the X server repeats a held key ($presses presses in a 1.5 s hold)"

# Each save writes the record once, and each Open opens the image (to probe
# it and to load weapon 0): the image's own events, counted by inotify, tell
# how often a hold acted. Every use of the file opens, then closes it, and
# inotify merges only like events in a row: watching all three keeps each
# open and each write apart.
watch_image() {
  inotifywait -m -e open -e modify -e close --format %e "$image" >"$scratch/events" 2>"$scratch/watching" &
  watcher=$!
  also_end "$watcher"
  wait_for grep -q "Watches established" "$scratch/watching" || fail "inotifywait did not start"
}
# Half a second after the hold, for any key still queued to act.
stop_watching() {
  sleep 0.5
  kill "$watcher"
  wait "$watcher" 2>/dev/null || true
}
count_of() { grep -c -x "$1" "$scratch/events" || true; }
written() { [ "$(count_of MODIFY)" -ge 1 ]; }
saves_once_held() {
  watch_image
  hold "$1"
  wait_for written || fail "$2 held for 1.5 s saved nothing"
  stop_watching
  [ "$(count_of MODIFY)" -eq 1 ] || fail "$2 held for 1.5 s saved $(count_of MODIFY) times"
  echo "PASSED: $2 held for 1.5 s saves once"
}
saves_once_held ctrl+s "Ctrl+S, with the focus in a value box,"
saves_once_held alt+s "Alt+S, with the focus in a value box,"

keys ctrl+a
hold 1
keys alt+s
expect_fists 111 "1 held in a value box repeats as typing does, up to the box's three digits"

folders_now() { ls -A "$workdir" "$(dirname "$image")"; }
folders_before="$(folders_now)"
for key in ctrl+o alt+o; do
  watch_image
  hold "$key"
  wait_for dialog_shown || fail "$key held showed no file dialog"
  stop_watching
  dialog_shown || fail "$key held: the file dialog closed by itself"
  [ "$(count_of OPEN)" -eq 0 ] || fail "$key held opened the image $(count_of OPEN) times with no choice made"
  [ "$(folders_now)" = "$folders_before" ] || fail "$key held made a file: $(folders_now)"
  keys Escape
  wait_for dialog_gone || fail "after $key held, Escape left the file dialog open"
  echo "PASSED: $key held for 1.5 s shows the file dialog once, which stays until a key is pressed afresh"
done

# From the first value box back to Save.
keys shift+Tab shift+Tab
saves_once_held space "Space on the focused Save button"
# Save, Open, the first value box, the list, then the first flag box.
keys Tab Tab Tab Tab
flags_before="$(byte_at $((fists + 5)))"
hold space
keys alt+s
wait_for byte_is $((fists + 5)) $((flags_before ^ 1)) ||
  fail "Space held on the first flag box left the flag byte $(byte_at $((fists + 5))), from $flags_before: not one toggle"
echo "PASSED: Space held on a flag box toggles it once"
# Back through the list to the first value box.
keys shift+Tab shift+Tab

# Tab from the first value box reaches the list, at (0, 72), 97x519.
grab "$scratch/list-unfocused.png" 0 72 97 519
keys Tab
sleep 0.5
grab "$scratch/list-focused.png" 0 72 97 519
changed="$("$screen_check" changed "$scratch/list-unfocused.png" "$scratch/list-focused.png")"
# At least a frame's worth of pixels around the list's edge.
[ "$changed" -ge $((2 * (97 + 519))) ] || fail "the list shows its focus in only $changed pixels at 3:1"
echo "PASSED: the list shows its focus ($changed pixels change by 3:1 or more)"

mv "$image" "$image.moved"
keys alt+o
wait_for dialog_shown || fail "Open showed no file dialog"
sleep 0.5
keys Escape
wait_for message_shown || fail "Cancel after the image was moved away showed no message"
[ ! -e "$image" ] || fail "Cancel after the image was moved away created $image"
keys Return
wait_for message_gone || fail "the message did not close"
mv "$image.moved" "$image"
echo "PASSED: Cancel after the image was moved away tells so and creates nothing"

long_folder="$scratch/$(printf 'n%.0s' $(seq 200))"
mkdir "$long_folder"
keys alt+o
wait_for dialog_shown || fail "Open showed no file dialog"
sleep 0.5
keys ctrl+a
xdotool type --delay 20 "$long_folder/new.sfc"
sleep 1
keys Return
wait_for message_shown || fail "opening a new name in a long folder showed no message"
sleep 0.5
box="$(message_box)"
read -r box_x _ box_width box_height < <(geometry "$box")
[ "$box_x" -ge 0 ] && [ $((box_x + box_width)) -le 1280 ] ||
  fail "the message, $box_width wide at $box_x, runs off the 1280-pixel screen"
grabbed_window="$box" grab "$scratch/message.png" 0 0 "$box_width" "$box_height"
lines="$("$screen_check" lines "$scratch/message.png")"
# The action, the name of over 200 characters on three lines or more, the reason.
[ "$lines" -ge 5 ] || fail "the message shows $lines lines; the long name cannot be whole"
keys Return
wait_for message_gone || fail "the message did not close"
echo "PASSED: a name in a folder of 200 characters shows whole ($lines lines), in a box that fits the screen"

# At 150 %, the Open button, at (8, 16) and 49x41 at 100 %, keeps its picture's own colours.
(exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.5 XDG_CONFIG_HOME="$scratch/config" "$program") &
scaled=$!
also_end "$scaled"
scaled_window() { xdotool search --all --onlyvisible --pid "$scaled" --name '^Quorvane$' | head -n 1; }
scaled_shown() { [ -n "$(scaled_window)" ]; }
wait_for scaled_shown || fail "the program at 150 % showed no window"
sleep 1
grabbed_window="$(scaled_window)" grab "$scratch/open-150.png" 12 24 74 62
kill "$scaled"
blended="$("$screen_check" blended "$scratch/open-150.png")"
[ "$blended" -eq 0 ] || fail "at 150 % the Open picture has $blended pixels that blend its colours"
echo "PASSED: at 150 % the Open picture keeps its own colours"
