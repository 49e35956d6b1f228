#!/usr/bin/env bash
# Run inside Debian 13 (scripts/windows-lib.sh does so): cross-builds for
# 64-bit Windows with Debian 13's MinGW-w64 and the Qt for MinGW unpacked in
# build-windows/, whose version the host tools of Debian 13's Qt match:
# 1. GoogleTest for MinGW, once, from Debian's source;
# 2. the core (rom/, editor/) alone, without Qt, with its tests, in build-windows/core;
# 3. the whole program with its tests, in build-windows/full;
# 4. build-windows/quorvane-<version>-windows-x86_64.zip: the program with
#    exactly the Qt and MinGW runtime it needs, the licence of everything in
#    it, its documents, and the source it was built from.
# Given a folder below the checkout, steps 3 and 4 build there instead, as the
# check that a second build gives the same zip does.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"
out="$QUORVANE_ROOT/${1:-build-windows}"
"$QUORVANE_ROOT/scripts/install-deps.sh" cross

if [ ! -f "$QUORVANE_WINDOWS_GTEST/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$QUORVANE_WINDOWS_GTEST-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_TOOLCHAIN" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$QUORVANE_WINDOWS_GTEST"
  cmake --build "$QUORVANE_WINDOWS_GTEST-build" --target install
fi
quorvane_build windows-core build-windows/core
quorvane_build windows "${1:-build-windows}/full"

# Debian ships MinGW's runtime with its debugging symbols: 24 MB of 25.
mkdir -p "$QUORVANE_WINDOWS_RUNTIME"
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
for dll in "$gcc_runtime"/lib{stdc++-6,gcc_s_seh-1}.dll /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll; do
  x86_64-w64-mingw32-strip --strip-unneeded -o "$QUORVANE_WINDOWS_RUNTIME/$(basename "$dll")" "$dll"
done

version="$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' "$QUORVANE_ROOT/CMakeLists.txt")"
name="quorvane-$version-windows-x86_64"
stage="$out/$name"
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage/licenses"
x86_64-w64-mingw32-strip -o "$stage/quorvane.exe" "$out/full/quorvane.exe"
quorvane_windows_runtime "$stage" qwindows
cp "$QUORVANE_ROOT/LICENSE" "$stage/LICENSE.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/Qt-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/Qt-GPL-3.txt"
# The offer of Qt's source names the version the Qt archive records it was
# built from.
qt_source_version="$(awk '{print $2; exit}' "$QUORVANE_WINDOWS_QT/BUILT-FROM.txt")"
sed -e "s/@QT_VERSION@/$QUORVANE_QT_VERSION/g" -e "s/@QT_SOURCE_VERSION@/$qt_source_version/g" \
  "$QUORVANE_ROOT/packaging/windows-qt-notice.txt" > "$stage/Qt-NOTICE.txt"
# Every text Qt's source carries, for Qt and each third-party part, and the
# bill of materials that says which parts the DLLs hold.
cp -r "$QUORVANE_WINDOWS_QT/licenses" "$stage/licenses/Qt"
cp "$QUORVANE_WINDOWS_QT"/sbom/*.spdx "$stage/licenses/Qt/"
cp /usr/share/common-licenses/LGPL-2.1 "$stage/licenses/LGPL-2.1-or-later.txt"
cp "$QUORVANE_ROOT/packaging/licenses/Imlib2.txt" "$stage/licenses/"
mkdir -p "$stage/source" "$stage/docs"
cp -r "$QUORVANE_WINDOWS_QT/recipe" "$stage/source/qt-for-windows"
# Quorvane's own source, with a record of the commit, and its documents.
tar -xf "$out/quorvane-source.tar" -C "$stage/source"
cp "$out/source-commit.txt" "$stage/source/quorvane/COMMIT.txt"
cp "$QUORVANE_ROOT/README.md" "$stage/"
cp "$QUORVANE_ROOT"/docs/* "$stage/docs/"
cp "$QUORVANE_WINDOWS_QT/BUILT-FROM.txt" "$stage/source/qt-for-windows/"
# Debian's text points to its own copy of the GPL, which Windows does not have.
{
  echo "The GNU GPL version 3 that this text refers to as /usr/share/common-licenses/GPL-3"
  echo "is Qt-GPL-3.txt at the top of this zip."
  echo
  cat /usr/share/doc/gcc-mingw-w64-base/copyright
} > "$stage/licenses/MinGW-GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64-winpthreads.txt"
# The same commit gives the same zip: its entries in one order, each with the
# last commit's time and a fixed mode (0755 for folders and what runs, 0644
# for the rest, whatever modes the inputs had), and no owner or other extra
# fields.
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
find "$stage" -type f \( -name '*.exe' -o -name '*.dll' -o -name '*.sh' \) -exec chmod 0755 {} +
[ -n "${SOURCE_DATE_EPOCH:-}" ] && find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$out" && find "$name" | LC_ALL=C sort | TZ=UTC zip -qX "$name.zip" -@)
