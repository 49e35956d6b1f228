# What the two scripts that drive the program on a virtual display share;
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
