#!/usr/bin/env bash
# Builds the Qt for 64-bit Windows that the Windows builds use, from Debian
# 13's own qt6-base source package with Debian's patches, with Debian 13's
# MinGW-w64 (GCC 14), inside the Debian 13 system of
# scripts/debian-system-lib.sh; then packs it as
# build-windows/qt<version>-mingw-w64.tar.xz, where scripts/windows-lib.sh
# finds it. About an hour on two cores. The work folder,
# build-debian13/qt-build, lets an interrupted build go on where it stopped.
# Root fetches the source inside the system (--fetch); the user who runs this
# builds and packs it (--inside), so that all it leaves in the checkout is the
# user's.
set -euo pipefail
source "$(dirname "$0")/windows-lib.sh"
work="$QUORVANE_ROOT/build-debian13/qt-build"

if [ "${1:-}" != --inside ] && [ "${1:-}" != --fetch ]; then
  source "$QUORVANE_ROOT/scripts/debian-system-lib.sh"
  quorvane_debian_system build-debian13 trixie
  quorvane_install_missing debootstrap
  mkdir -p "$work"
  quorvane_system_enter
  quorvane_in_system_as_root "scripts/build-qt-windows.sh --fetch"
  quorvane_in_system "scripts/build-qt-windows.sh --inside"
  exit
fi

# The source as Qt's build wants it, in the work folder, given to the owner
# of the checkout; run as root inside the system.
fetch_source() {
  "$QUORVANE_ROOT/scripts/install-deps.sh" qt
  # A fetch cut short leaves no marker and is made again from the start.
  [ -f "$work/source-ready" ] && return 0
  cd "$work"
  rm -rf "$work"/qt6-base* "$work/winedev"
  # The source, through a deb-src entry made from this system's own apt source.
  sed 's/^deb /deb-src /' /etc/apt/sources.list > /etc/apt/sources.list.d/qt-source.list
  apt-get update -q
  apt-get source -q qt6-base
  rm /etc/apt/sources.list.d/qt-source.list
  apt-get update -q
  add_wintab "$(quorvane_qt_source)"
  chown -R "$(stat -c %u:%g "$QUORVANE_ROOT")" "$work"
  touch "$work/source-ready"
}

quorvane_qt_source() {
  local found
  found="$(ls -d "$work"/qt6-base-*/ | head -n 1)"
  echo "${found%/}"
}

# Debian's source leaves out src/3rdparty/wintab; the Windows platform plugin
# needs its two headers, taken from Wine's LGPL headers with a small shim.
add_wintab() {
  local wintab="$1/src/3rdparty/wintab"
  mkdir -p "$work/winedev" "$wintab"
  (cd "$work/winedev" && apt-get download libwine-dev && dpkg -x libwine-dev_*.deb x)
  cp "$(find "$work/winedev/x" -name wintab.h | head -n 1)" "$(find "$work/winedev/x" -name pktdef.h | head -n 1)" "$wintab/"
  cat > "$wintab/shim.h" <<'SHIM'
/* Wine's wintab.h uses Wine's A/W macros; defined here for MinGW-w64 (Qt builds with UNICODE). */
#ifndef QT_WINTAB_WINE_SHIM
#define QT_WINTAB_WINE_SHIM
#include <windows.h>
#ifndef WINELIB_NAME_AW
# ifdef UNICODE
#  define WINELIB_NAME_AW(x) x##W
# else
#  define WINELIB_NAME_AW(x) x##A
# endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
# define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
# define API WINAPI
#endif
#endif
SHIM
  sed -i '1i #include "shim.h"' "$wintab/wintab.h"
  # Qt 6.8 records every bundled component for its bill of materials.
  cat > "$wintab/qt_attribution.json" <<'ATTRIBUTION'
{
    "Id": "wintab",
    "Name": "Wintab API headers (from Wine)",
    "QDocModule": "qtgui",
    "QtUsage": "Used in the Windows platform plugin for tablet input.",
    "Files": "wintab.h pktdef.h",
    "Description": "Wintab headers taken from Wine's headers (libwine-dev), since Debian's source leaves out Qt's copy.",
    "License": "GNU Lesser General Public License v2.1 or later",
    "LicenseId": "LGPL-2.1-or-later",
    "Copyright": "Copyright the Wine project authors"
}
ATTRIBUTION
}

if [ "$1" = --fetch ]; then
  fetch_source
  exit
fi
source_dir="$(quorvane_qt_source)"
prefix="$work/qt6-mingw-w64"
mkdir -p "$work/qtbuild"
cd "$work/qtbuild"
[ -f build.ninja ] || "$source_dir/configure" -prefix "$prefix" \
  -xplatform win32-g++ -qt-host-path /usr -release -shared \
  -nomake examples -nomake tests \
  -no-opengl -no-dbus -no-vulkan -no-icu -no-zstd -no-libjpeg \
  -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
  -no-feature-network -no-feature-sql -no-feature-printsupport \
  -no-feature-concurrent -no-feature-xml -no-feature-androiddeployqt \
  -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "${JOBS:-$(nproc)}"
cmake --install .

# Stripped DLLs and plugins, the source's licence texts, and each bundled
# component's attribution file with the licence files it names.
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
cp "$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-toolchain.cmake"
rm -rf "$prefix/licenses"
mkdir -p "$prefix/licenses/3rdparty"
cp -r "$source_dir/LICENSES/." "$prefix/licenses/"
python3 - "$source_dir/src/3rdparty" "$prefix/licenses/3rdparty" <<'PY'
import json, os, shutil, sys
source, out = sys.argv[1], sys.argv[2]
for root, _, files in os.walk(source):
    if 'qt_attribution.json' not in files:
        continue
    destination = os.path.join(out, os.path.relpath(root, source))
    os.makedirs(destination, exist_ok=True)
    shutil.copy(os.path.join(root, 'qt_attribution.json'), destination)
    with open(os.path.join(root, 'qt_attribution.json'), encoding='utf-8') as attribution:
        data = json.loads(attribution.read(), strict=False)
    for entry in data if isinstance(data, list) else [data]:
        for name in str(entry.get('LicenseFile', '')).split():
            if os.path.isfile(os.path.join(root, name)):
                shutil.copy(os.path.join(root, name), destination)
PY
# The record names the source as built: whatever version apt gave that day.
version="$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)"
echo "qt6-base $version from Debian 13's source package, built with $(x86_64-w64-mingw32-g++-posix --version | head -n 1)" \
  > "$prefix/BUILT-FROM.txt"
if [ "${version%%+*}" != "$QUORVANE_QT_VERSION" ]; then
  echo "Debian 13's qt6-base is $version now, not the $QUORVANE_QT_VERSION the Windows scripts name." >&2
  exit 1
fi
mkdir -p "$QUORVANE_WINDOWS"
archive="$QUORVANE_BUILT_QT_ARCHIVE"
# Packed beside its final name and then renamed, so that a pack cut short
# leaves no archive for the Windows scripts to take as whole.
tar -C "$work" -cJf "$archive.partial" qt6-mingw-w64
mv "$archive.partial" "$archive"
echo "$archive"
