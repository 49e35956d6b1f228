#!/usr/bin/env bash
# Installs the Debian packages that a kind of work needs, when they are absent:
#   build    building and starting the program
#   native   build, plus the native suites, the keyboard check and the benchmarks
#   windows  the Windows builds (inside Debian 13) and their runs under Wine
#   package  the Debian package and its checks
#   cross    inside Debian 13: the Windows cross builds (scripts/build-windows.sh)
#   qt       inside Debian 13: the Windows Qt's own build (scripts/build-qt-windows.sh)
#   all      build, native, windows and package
set -euo pipefail
source "$(dirname "$0")/lib.sh"
case "${1:-all}" in
  build) packages=("${QUORVANE_BUILD_PACKAGES[@]}") ;;
  native) packages=("${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}" "${QUORVANE_BENCH_PACKAGES[@]}") ;;
  windows) packages=("${QUORVANE_WINDOWS_PACKAGES[@]}") ;;
  package) packages=("${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_PACKAGING_PACKAGES[@]}") ;;
  cross) packages=("${QUORVANE_CROSS_PACKAGES[@]}") ;;
  qt) packages=("${QUORVANE_CROSS_PACKAGES[@]}" dpkg-dev gcc-mingw-w64-x86-64-posix perl python3) ;;
  all) packages=("${QUORVANE_BUILD_PACKAGES[@]}" "${QUORVANE_TEST_PACKAGES[@]}" "${QUORVANE_BENCH_PACKAGES[@]}"
                 "${QUORVANE_WINDOWS_PACKAGES[@]}" "${QUORVANE_PACKAGING_PACKAGES[@]}") ;;
  *)
    echo "usage: $0 [build|native|windows|package|cross|qt|all]" >&2
    exit 2
    ;;
esac
quorvane_install_missing "${packages[@]}"
