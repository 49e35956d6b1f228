#!/usr/bin/env bash
# Builds the editor into build/ and starts it.
source "$(dirname "$0")/scripts/setup.sh"
quorvane_install_missing "${QUORVANE_BUILD_PACKAGES[@]}"
quorvane_build build -DQUORVANE_TESTS=OFF
exec "$QUORVANE_ROOT/build/quorvane" "$@"
