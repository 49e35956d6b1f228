#!/usr/bin/env bash
# Builds and runs the native suite inside Debian 13 (Qt 6.8, GCC 14) with
# warnings as errors, from this checkout, in build-debian13/native; then builds
# the Debian package there and checks it with lintian. The system is made once
# with debootstrap and kept in build-debian13/system.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$QUORVANE_ROOT/scripts/debian-system-lib.sh"
quorvane_debian_system build-debian13 trixie
quorvane_system_enter
quorvane_in_system_as_root 'scripts/install-deps.sh native && scripts/install-deps.sh package'
quorvane_in_system '
  set -euo pipefail
  source scripts/lib.sh
  quorvane_build dev build-debian13/native -DQUORVANE_BENCH=OFF
  ctest --test-dir build-debian13/native --output-on-failure
  QUORVANE_PACKAGE_BUILD=build-debian13/package scripts/package.sh'
