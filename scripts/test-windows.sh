#!/usr/bin/env bash
# Cross-builds the core (rom/, editor/) and its tests for 64-bit Windows with
# MinGW-w64 and runs them under Wine, as an unprivileged user (Wine run as
# root ignores the read-only attribute) in a Wine prefix of its own, with no
# display. Exits non-zero when any test fails.
source "$(dirname "$0")/setup.sh"
quorvane_install_missing "${QUORVANE_WINDOWS_PACKAGES[@]}"

toolchain="$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake"
gtest="$QUORVANE_ROOT/build-windows/googletest"
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$gtest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest"
  cmake --build "$gtest-build" --target install
fi
quorvane_build build-windows/core -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$gtest" -DCMAKE_FIND_ROOT_PATH="$gtest" \
  -DQUORVANE_WINDOW=OFF -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON

tests="$QUORVANE_ROOT/build-windows/core/tests"
quorvane_copy_mingw_runtime "$tests"
quorvane_run_under_wine "$tests/quorvane_core_tests.exe"
