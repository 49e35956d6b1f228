#!/usr/bin/env bash
# Runs the stages that drive a real window at a person's pace many times in a
# row, since a check that passes only sometimes is a failing check: the
# keyboard stage (scripts/test-keyboard.sh) N times (default 20), and the
# Windows zip under Wine (scripts/test-windows-zip.sh) a quarter as often,
# at least once, as it is slower. The second half of the runs of each has
# every core kept busy by other work meanwhile; --busy keeps them busy for all
# runs, --idle for none. Stops at the first failure. Not part of ./test.sh,
# which runs each stage once; it builds what is missing as ./test.sh does.
#   scripts/test-steady.sh [--busy | --idle] [N]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
scripts="$QUORVANE_ROOT/scripts"
load=half
case "${1:-}" in
  --busy) load=all; shift ;;
  --idle) load=none; shift ;;
esac
runs="${1:-20}"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [--busy | --idle] [N]" >&2; exit 2; }
zip_runs=$(((runs + 3) / 4))

"$scripts/install-deps.sh" native
quorvane_build dev build
"$scripts/install-deps.sh" windows

# One busy loop per core, ended by its own id however the script ends.
hogs=()
keep_cores_busy() {
  local core
  for core in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    hogs+=($!)
  done
}
let_cores_rest() {
  [ ${#hogs[@]} -eq 0 ] || kill "${hogs[@]}" 2>/dev/null || true
  hogs=()
}
trap let_cores_rest EXIT

# Runs the stage the given number of times, telling each run's outcome.
steadily() {
  local count="$1" stage="$2" run busy
  for run in $(seq "$count"); do
    busy=idle
    if [ "$load" = all ] || { [ "$load" = half ] && [ "$run" -gt $((count / 2)) ]; }; then
      busy="both cores busy"
      [ ${#hogs[@]} -gt 0 ] || keep_cores_busy
    fi
    if ! "$scripts/$stage" >"$QUORVANE_ROOT/build/steady.log" 2>&1; then
      cat "$QUORVANE_ROOT/build/steady.log" >&2
      echo "FAILED: $stage, run $run of $count ($busy)" >&2
      exit 1
    fi
    echo "passed: $stage, run $run of $count ($busy)"
  done
  let_cores_rest
}

steadily "$runs" test-keyboard.sh
steadily "$zip_runs" test-windows-zip.sh
echo "PASSED: the keyboard stage $runs times in a row and the zip under Wine $zip_runs times"
