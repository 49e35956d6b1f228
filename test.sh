#!/usr/bin/env bash
# Builds and runs everything the project promises, in turn:
# 1. the whole suite in build/;
# 2. the same suite with the address and undefined-behaviour sanitizers in
#    build-sanitize/;
# 3. the program on a virtual display under a window manager, typed into at a
#    person's pace with xdotool (scripts/test-keyboard.sh);
# 4. inside Debian 13 (Qt 6.8, GCC 14), the whole suite with warnings as
#    errors and the Debian package with lintian (scripts/test-debian13.sh);
# 5. the core and window suites cross-built for Windows inside Debian 13 with
#    Qt 6.8.2, under Wine (that Qt built first by scripts/build-qt-windows.sh
#    when no copy is found);
# 6. the Windows zip, unpacked and started under Wine on a virtual display;
# 7. the Debian package, checked with lintian, appstreamcli and
#    desktop-file-validate;
# 8. the Debian package and the Windows zip built a second time, later and in
#    build folders of other names, and compared byte for byte.
# ./test.sh --quick runs stage 1 alone.
# Exits non-zero when any test fails, any finding is made or any check complains.
set -euo pipefail
source "$(dirname "$0")/scripts/windows-lib.sh"
scripts="$QUORVANE_ROOT/scripts"
build_qt=false
if [ "${1:-}" != --quick ] && [ ! -f "$QUORVANE_QT_ARCHIVE" ]; then
  build_qt=true
  echo "No Qt $QUORVANE_QT_VERSION for Windows was found at $QUORVANE_QT_ARCHIVE,"
  echo "so this run builds one before stage 5: about an hour more on two cores. It is kept"
  echo "at $QUORVANE_BUILT_QT_ARCHIVE for the runs after this one,"
  echo "and a build cut short goes on where it stopped."
fi
"$scripts/install-deps.sh" native
quorvane_build dev build
ctest --test-dir "$QUORVANE_ROOT/build" --output-on-failure
[ "${1:-}" = --quick ] && exit 0
quorvane_build sanitize build-sanitize
ctest --test-dir "$QUORVANE_ROOT/build-sanitize" --output-on-failure
"$scripts/test-keyboard.sh"
"$scripts/test-debian13.sh"
"$scripts/install-deps.sh" windows
if $build_qt; then
  "$scripts/build-qt-windows.sh"
  export QUORVANE_QT_ARCHIVE="$QUORVANE_BUILT_QT_ARCHIVE"
fi
"$scripts/test-windows.sh"
"$scripts/test-windows-zip.sh"
"$scripts/install-deps.sh" package
"$scripts/package.sh"
"$scripts/test-reproducible.sh"
