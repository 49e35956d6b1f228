#!/usr/bin/env bash
# Drives the unpacked Windows program under Wine on the display xvfb-run gave;
# run by test-windows-zip.sh, which sets program, image and fists_first_byte.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"
source "$QUORVANE_ROOT/scripts/driver-lib.sh"

main_windows() { xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | wc -l; }
has_windows() { [ "$(main_windows)" -eq "$1" ]; }
# Wine's open-file dialog has no title of its own: it is the program's one
# shown window that is neither titled "Quorvane" nor small.
dialog_shown() {
  local id width
  for id in $(xdotool search --onlyvisible --classname quorvane.exe 2>/dev/null); do
    [ "$(xdotool getwindowname "$id")" = Quorvane ] && continue
    width="$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')"
    [ "${width:-0}" -gt 300 ] && return 0
  done
  return 1
}
dialog_gone() { ! dialog_shown; }

cd "$program"
# The run gets a process group of its own, whose id is its own process id:
# Wine and the program it starts are in it, and no one else's process is.
set -m
QUORVANE_WINE_DISPLAY="$DISPLAY" quorvane_run_under_wine wine quorvane.exe &
wine_job=$!
set +m
# A failed check must not leave the program running; the run then ends
# what is left of Wine and removes its prefix.
end_program() {
  kill -- -"$wine_job" 2>/dev/null || true
  wait "$wine_job" 2>/dev/null || true
}
trap end_program EXIT

wait_for has_windows 1 || fail "no window titled Quorvane appeared (a DLL missing?)"
window="$(xdotool search --onlyvisible --name '^Quorvane$' | head -n 1)"
geometry="$(xdotool getwindowgeometry --shell "$window")"
value_of() { sed -n "s/^$1=//p" <<<"$geometry"; }
X="$(value_of X)" Y="$(value_of Y)" WIDTH="$(value_of WIDTH)" HEIGHT="$(value_of HEIGHT)"
[ "$WIDTH" = 514 ] && [ "$HEIGHT" = 595 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 514x595"
echo "PASSED: the window Quorvane appeared with a client area of 514x595"
left=$X
top=$Y
# Without a window manager, Wine's windows take keys after a click into them;
# the button bar's empty middle is safe to click.
focus_window() { xdotool mousemove $((left + 250)) $((top + 40)) click 1; sleep 0.3; }

focus_window
xdotool key alt+s
wait_for has_windows 2 || fail "Save before Open showed no message box"
message="$(copied_text)" || fail "the message box's text could not be copied"
[[ "$message" == *"No ROM image is open"* ]] || fail "the message box said: $message"
xdotool key Return
wait_for has_windows 1 || fail "the message box did not close"
echo "PASSED: Save before Open showed the warning box"

focus_window
xdotool key alt+o
wait_for dialog_shown || fail "Open showed no file dialog"
# Wine's dialog shows before it takes keys, and no window manager here says
# when it has the focus: the name is typed again until the name box, copied
# back, holds all of it; then Return is pressed again until the dialog closes.
name="Z:${image//\//\\}"
name_typed() {
  xdotool key ctrl+a
  xdotool type --delay 20 "$name"
  xdotool key ctrl+a
  [ "$(copied_text)" = "$name" ]
}
wait_for name_typed || fail "the dialog's name box did not take the name"
# Waits up to 2 s for the dialog to close after each Return.
closed_by_return() {
  local tries=20
  xdotool key Return
  until dialog_gone; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
wait_for closed_by_return || fail "the dialog did not close"
# txtValue(0): Frame1 at (104, 64), the box at (56, 40) in it, 25x19. A click
# selects its text; the weapon may still be loading, so look again until then.
click_first_value() { xdotool mousemove $((left + 104 + 56 + 12)) $((top + 64 + 40 + 9)) click 1; }
first_value_shown() {
  click_first_value
  shown="$(copied_text)" && [ "$shown" = "$fists_first_byte" ]
}
shown=""
wait_for first_value_shown || fail "the first value box shows '$shown', the file holds $fists_first_byte"
echo "PASSED: the file opened through the dialog shows its bytes ($shown)"

fists_byte() { od -An -tu1 -j $((0x2CE600)) -N1 "$image" | tr -d ' '; }
fists_byte_is() { [ "$(fists_byte)" = "$1" ]; }
# The click above left the first value box focused with its text selected.
xdotool key --delay 100 BackSpace 2 0 0 alt+s
wait_for fists_byte_is 200 || fail "an emptied box then 200 saved $(fists_byte)"
echo "PASSED: an emptied box then 200 saves 200"
click_first_value
xdotool key --delay 100 7 7 ctrl+s
wait_for fists_byte_is 77 || fail "77 then Ctrl+S saved $(fists_byte)"
echo "PASSED: 77 then Ctrl+S saves 77"
click_first_value
xdotool key --delay 100 4 4
xdotool key --delay 15 alt+s 9
# Long enough for a late save to have written the 9's 255; none may come.
sleep 1
fists_byte_is 44 || fail "44, Alt+S and 9 15 ms later saved $(fists_byte)"
echo "PASSED: 44, Alt+S and 9 15 ms later saves 44"

# The box now shows 255 from the 9; only a reload from the file shows 44.
beside_the_exe="$(ls -A)"
xdotool key alt+o
wait_for dialog_shown || fail "the second Open showed no file dialog"
wait_for closed_by_return || fail "the second Open's dialog did not close"
# The reload runs before Alt+S is taken. Had the box not been reloaded, it
# would still show 255, and the save would write that.
xdotool key alt+s
sleep 1
fists_byte_is 44 || fail "a second Open confirmed with Return did not reopen the file"
[ "$(ls -A)" = "$beside_the_exe" ] || fail "the second Open created a file beside the exe"
echo "PASSED: a second Open confirmed with Return reopens the same file and creates nothing beside the exe"

if [ -n "${QUORVANE_SCREENSHOT:-}" ] && command -v import >/dev/null; then
  import -window root "$QUORVANE_SCREENSHOT"
fi
# Wine may drop a key sent while it is still busy with the last one; a lost
# Alt+F4 is sent again, a few times at most.
closed_by_alt_f4() {
  focus_window
  xdotool key alt+F4
  sleep 2
  has_windows 0
}
closed_by_alt_f4 || closed_by_alt_f4 || closed_by_alt_f4 || fail "Alt+F4 did not close the window"
wait $wine_job || fail "the program did not end normally"
echo "PASSED: Alt+F4 closed the program"
