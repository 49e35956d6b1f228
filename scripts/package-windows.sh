#!/usr/bin/env bash
# Builds build-windows/quorvane-<version>-windows-x86_64.zip: the program for
# 64-bit Windows with exactly the Qt and MinGW runtime it needs, its licence,
# and Qt's licence with the place of Qt's source.
source "$(dirname "$0")/windows-setup.sh"
quorvane_install_missing "${QUORVANE_WINDOWS_PACKAGES[@]}" zip
quorvane_windows_build_full

version="$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' "$QUORVANE_ROOT/CMakeLists.txt")"
name="quorvane-$version-windows-x86_64"
stage="$QUORVANE_WINDOWS/$name"
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/quorvane.exe" "$QUORVANE_WINDOWS/full/quorvane.exe"
quorvane_windows_runtime "$stage" qwindows
# Debian ships MinGW's runtime with its debugging symbols: 24 MB of 25.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/lib{stdc++-6,gcc_s_seh-1,winpthread-1}.dll
cp "$QUORVANE_ROOT/LICENSE" "$stage/LICENSE.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/Qt-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/Qt-GPL-3.txt"
cp "$QUORVANE_ROOT/packaging/windows-qt-notice.txt" "$stage/Qt-NOTICE.txt"
(cd "$QUORVANE_WINDOWS" && zip -qr "$name.zip" "$name")
echo "$stage.zip"
