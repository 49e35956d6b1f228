#!/usr/bin/env bash
# Builds into build/ and runs every benchmark beside its floor, interleaved at
# random so that drift on a shared machine falls on both alike; prints the
# min, median and max of 15 repetitions.
source "$(dirname "$0")/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}" \
  "${QUORVANE_BENCH_PACKAGES[@]}"
quorvane_build build -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON -DQUORVANE_BENCH=ON
QT_QPA_PLATFORM=offscreen "$QUORVANE_ROOT/build/bench/quorvane_bench" \
  --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@" 2>&1 | grep -E '_(min|median|max) |^Benchmark'
