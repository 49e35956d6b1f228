#!/usr/bin/env bash
# Builds everything into build/ and runs the whole test suite, then the same
# suite built with the address and undefined-behaviour sanitizers into
# build-sanitize/, then the core's tests cross-built for Windows under Wine,
# then builds the Debian package and checks it; exits non-zero when any test
# fails, any finding is made or any check complains.
source "$(dirname "$0")/scripts/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}" \
  "${QUORVANE_BENCH_PACKAGES[@]}"
quorvane_build build -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON -DQUORVANE_BENCH=ON
ctest --test-dir "$QUORVANE_ROOT/build" --output-on-failure
quorvane_build build-sanitize -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON -DQUORVANE_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$QUORVANE_ROOT/build-sanitize" --output-on-failure
"$QUORVANE_ROOT/scripts/test-windows.sh"
"$QUORVANE_ROOT/scripts/package.sh"
