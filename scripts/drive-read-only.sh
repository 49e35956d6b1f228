#!/usr/bin/env bash
# Drives the program as an ordinary user on an image it may read but not
# write, on the display xvfb-run gave; run by test-keyboard.sh, which sets
# program and screen_check. Open must tell so at once, naming the file and
# the system's reason, and still show the weapons; nothing is written.
set -euo pipefail

source "$(dirname "$0")/driver-lib.sh"

scratch="$(mktemp -d)"
image="$scratch/read only.sfc"
head -c 3145728 /dev/urandom > "$image"
chmod 0444 "$image"
before="$(sha256sum < "$image")"
fists_first_byte="$(od -An -tu1 -j $((0x2CE600)) -N1 "$image" | tr -d ' ')"
trap 'end_session; rm -rf "$scratch"' EXIT

# Root may write any file, so root runs the program as the user nobody, who
# is handed a copy of the display's key and a configuration folder.
if [ "$(id -u)" -eq 0 ]; then
  chmod 0755 "$scratch"
  mkdir -m 0777 "$scratch/config"
  install -m 0644 "$XAUTHORITY" "$scratch/Xauthority"
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups env XAUTHORITY="$scratch/Xauthority" HOME="$scratch/config")
fi
start_session "$scratch"

message_box() { xdotool search --all --onlyvisible --pid "$editor" --name '^Quorvane$' | grep -v "^$window\$" | head -n 1; }
message_shown() { [ -n "$(message_box)" ]; }
open_image "$image"
wait_for message_shown || fail "Open of a read-only image showed no warning"
xdotool windowactivate --sync "$(message_box)"
message="$(copied_text)" || fail "the warning's text could not be copied"
[[ "$message" == "This file can be read, but not written:"$'\n'"$image"$'\n\n'"Reason: Permission denied."* ]] ||
  fail "Open of a read-only image warned: $message"
xdotool key Return
wait_for window_active || fail "the warning did not close"
echo "PASSED: Open of an image that can only be read says so at once, with its name and the reason"

# The first value box, two Tabs from Save; a click into it selects its text.
xdotool key --delay 100 Tab Tab ctrl+a
shown="$(copied_text)" || fail "the first value box's text could not be copied"
[ "$shown" = "$fists_first_byte" ] || fail "the first value box shows '$shown', the file holds $fists_first_byte"
[ "$(sha256sum < "$image")" = "$before" ] || fail "the read-only image changed"
echo "PASSED: its weapons are shown all the same, and the image is unchanged"
