#!/usr/bin/env bash
# Builds and runs the native suite inside Debian testing (newer Qt and GCC
# than Debian 13: Qt 6.11 and GCC 16 in December 2026) with warnings as
# errors, from this checkout, in build-debian-testing/native. The system is
# made once with debootstrap, from whatever testing is that day, and kept in
# build-debian-testing/system; remove that folder (sudo rm -rf) to move on
# with testing. Not part of ./test.sh: testing moves under the project.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$QUORVANE_ROOT/scripts/debian-system-lib.sh"
quorvane_debian_system build-debian-testing testing
quorvane_system_enter
quorvane_in_system_as_root 'scripts/install-deps.sh native'
quorvane_in_system '
  set -euo pipefail
  source scripts/lib.sh
  echo "Inside: Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), $(g++ --version | head -n 1)"
  quorvane_build dev build-debian-testing/native -DQUORVANE_BENCH=OFF
  ctest --test-dir build-debian-testing/native --output-on-failure'
