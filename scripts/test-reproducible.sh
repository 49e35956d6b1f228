#!/usr/bin/env bash
# Builds each package a second time, later and in a build folder of another
# name, and checks that it has the same bytes as the first: the Debian package
# of scripts/package.sh (build-package/) and the Windows zip of
# scripts/package-windows.sh (build-windows/). Every date the packages record
# is the last commit's (SOURCE_DATE_EPOCH, from scripts/lib.sh). The second
# Windows build finds its inputs with other modes than the first.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"

same_bytes() {
  if ! cmp -s "$1" "$2"; then
    echo "FAILED: two builds of one commit differ:" >&2
    sha256sum "$1" "$2" >&2
    exit 1
  fi
  echo "PASSED: built twice, $(basename "$1") is the same: $(sha256sum < "$1" | cut -d' ' -f1)"
}

QUORVANE_PACKAGE_BUILD=build-package-again "$QUORVANE_ROOT/scripts/package.sh" >/dev/null
same_bytes "$(ls "$QUORVANE_ROOT"/build-package/quorvane_*.deb)" \
  "$(ls "$QUORVANE_ROOT"/build-package-again/quorvane_*.deb)"

# The second zip is made from inputs of other modes, as a read-only copy of
# the shared toolchains or another user's umask gives them.
recipe="$QUORVANE_WINDOWS_QT/recipe"
modes="$(stat -c '%a %n' "$recipe"/*)"
chmod 0500 "$recipe"/*
(umask 0077 && quorvane_windows_build build-windows/again >/dev/null)
while read -r mode file; do chmod "$mode" "$file"; done <<<"$modes"
same_bytes "$(ls "$QUORVANE_WINDOWS"/quorvane-*-windows-x86_64.zip)" \
  "$(ls "$QUORVANE_WINDOWS"/again/quorvane-*-windows-x86_64.zip)"
