#!/usr/bin/env bash
# Builds and runs everything the project promises, in turn:
# 1. the whole suite in build/;
# 2. the same suite with the address and undefined-behaviour sanitizers in
#    build-sanitize/;
# 3. the program on a virtual display under a window manager, typed into at a
#    person's pace with xdotool (scripts/test-keyboard.sh);
# 4. the core and window suites cross-built for Windows, under Wine;
# 5. the Windows zip, unpacked and started under Wine on a virtual display;
# 6. the Debian package, checked with lintian, appstreamcli and
#    desktop-file-validate.
# Exits non-zero when any test fails, any finding is made or any check complains.
source "$(dirname "$0")/scripts/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}" \
  "${QUORVANE_BENCH_PACKAGES[@]}"
quorvane_build build -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON -DQUORVANE_BENCH=ON
ctest --test-dir "$QUORVANE_ROOT/build" --output-on-failure
quorvane_build build-sanitize -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON -DQUORVANE_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$QUORVANE_ROOT/build-sanitize" --output-on-failure
"$QUORVANE_ROOT/scripts/test-keyboard.sh"
"$QUORVANE_ROOT/scripts/test-windows.sh"
"$QUORVANE_ROOT/scripts/test-windows-zip.sh"
"$QUORVANE_ROOT/scripts/package.sh"
