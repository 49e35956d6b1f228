#!/usr/bin/env bash
# Builds everything into build/ and runs the whole test suite; exits non-zero
# when any test fails.
source "$(dirname "$0")/scripts/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}"
quorvane_build build -DQUORVANE_TESTS=ON
ctest --test-dir "$QUORVANE_ROOT/build" --output-on-failure
