#!/usr/bin/env bash
# Builds build-windows/quorvane-<version>-windows-x86_64.zip inside Debian 13
# (scripts/build-windows.sh) and prints its name.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"
quorvane_windows_build >&2
ls "$QUORVANE_WINDOWS"/quorvane-*-windows-x86_64.zip
