#!/usr/bin/env bash
# Builds the Debian package into build-package/ (or the folder named by
# QUORVANE_PACKAGE_BUILD) and checks it: lintian with no error or warning, the
# AppStream metainfo and the desktop entry valid.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build="${QUORVANE_PACKAGE_BUILD:-build-package}"
folder="$QUORVANE_ROOT/$build"
# Debian's own hardened build flags, as a distribution would build it.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
quorvane_build package "$build" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
rm -f "$folder"/*.deb
(cd "$folder" && cpack -G DEB)
package="$(ls "$folder"/quorvane_*.deb)"
echo "Checking $package"
lintian --fail-on error,warning "$package"
appstreamcli validate --no-net "$QUORVANE_ROOT/packaging/io.github.quorvane.quorvane.metainfo.xml"
desktop-file-validate "$QUORVANE_ROOT/packaging/io.github.quorvane.quorvane.desktop"
