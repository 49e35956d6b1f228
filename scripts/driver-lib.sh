# What the scripts that drive the program on a virtual display share;
# sourced, not run.

# Says what failed and ends the script; QUORVANE_SCREENSHOT=file.png keeps a
# picture of the screen at that moment.
fail() {
  echo "FAILED: $*" >&2
  if [ -n "${QUORVANE_SCREENSHOT:-}" ] && command -v import >/dev/null; then
    import -window root "$QUORVANE_SCREENSHOT"
  fi
  exit 1
}

# Waits up to 60 s for a condition, polling it every 0.1 s.
wait_for() {
  local tries=600
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Starts the openbox window manager, then the program (the variable
# program, run through the command in the array run_as, if any) in the given
# working folder, with Qt's own file dialog, as
# without a platform theme, and its state kept in the scratch folder apart
# from the user's. Sets wm and editor to their process ids and window to the
# program's window, once it is shown and active.
run_as=()
start_session() {
  openbox --sm-disable &
  wm=$!
  wait_for wm_ready || fail "the window manager did not start"
  (cd "$1" && exec "${run_as[@]}" env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP QT_QPA_PLATFORM=xcb \
    XDG_CONFIG_HOME="$scratch/config" "$program") &
  editor=$!
  wait_for visible_named '^Quorvane$' || fail "no window titled Quorvane appeared"
  window="$(xdotool search --all --onlyvisible --pid "$editor" --name '^Quorvane$' | head -n 1)"
  wait_for window_active || xdotool windowactivate --sync "$window"
  sleep 0.5
}
# Ends the program, the window manager and whatever else the script started
# and named with also_end, by their ids.
also_started=()
also_end() { also_started+=("$1"); }
end_session() { kill ${editor:-} ${wm:-} "${also_started[@]}" 2>/dev/null || true; }
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
visible_named() { xdotool search --all --onlyvisible --pid "$editor" --name "$1" >/dev/null 2>&1; }
dialog_shown() { visible_named '^Open$'; }
dialog_gone() { ! dialog_shown; }

# Puts a mark on the clipboard, sends Ctrl+C, and prints what replaced the mark.
# The xclip that holds the mark stays until something else is copied, so it
# must not hold this function's output open: a caller reading it would wait
# for as long as no copy came.
copied_text() {
  echo -n "quorvane-mark" | xclip -selection clipboard -t UTF8_STRING >/dev/null 2>&1
  xdotool key ctrl+c
  local text tries=8
  while [ "$tries" -gt 0 ]; do
    text="$(timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true)"
    [ -n "$text" ] && [ "$text" != "quorvane-mark" ] && { echo "$text"; return 0; }
    tries=$((tries - 1))
    sleep 0.25
  done
  return 1
}

# Opens the image through the program's file dialog by keys.
open_image() {
  xdotool key --delay 100 alt+o
  wait_for dialog_shown || fail "Open showed no file dialog"
  sleep 0.5
  xdotool type --delay 20 "$1"
  # Long enough for the dialog's completion list to come up.
  sleep 1
  xdotool key Return
  wait_for dialog_gone || fail "the dialog did not close"
}

# Where a window's client area lies on the screen, as x, y, width and height;
# xdotool's own answer is off by the frame under a reparenting window manager.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}
# Grabs a part of a window (the program's, unless grabbed_window names
# another) with the screen check (the variable screen_check): grab FILE X Y
# WIDTH HEIGHT, in its client area.
grab() {
  local x y
  read -r x y _ _ < <(geometry "${grabbed_window:-$window}")
  "$screen_check" grab "$1" $((x + $2)) $((y + $3)) "$4" "$5"
}
