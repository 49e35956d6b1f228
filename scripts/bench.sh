#!/usr/bin/env bash
# Builds into build/ and runs the benchmarks side by side with their floors,
# reporting medians of five repetitions.
source "$(dirname "$0")/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}"
quorvane_build build -DQUORVANE_TESTS=ON
QT_QPA_PLATFORM=offscreen "$QUORVANE_ROOT/build/bench/quorvane_bench" \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@" 2>&1 | grep -E 'median|^Benchmark'
