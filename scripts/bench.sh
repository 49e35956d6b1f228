#!/usr/bin/env bash
# Builds into build/ and runs every benchmark beside its floor, interleaved at
# random so that drift on a shared machine falls on both alike; prints the
# min, median and max of 15 repetitions; start-up is also counted in
# instructions to the first paint, with callgrind, once for each window.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
"$QUORVANE_ROOT/scripts/install-deps.sh" native
quorvane_build dev build
QT_QPA_PLATFORM=offscreen "$QUORVANE_ROOT/build/bench/quorvane_bench" \
  --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@" 2>&1 | grep -E '_(min|median|max) |^InstructionsToFirstPaint|^Benchmark'
