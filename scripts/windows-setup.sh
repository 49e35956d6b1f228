# Shared set-up of the Windows scripts; sourced, not run. Builds for 64-bit
# Windows with MinGW-w64: GoogleTest from Debian's source, the Qt for MinGW
# from the project's shared toolchains, and the project itself.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

QUORVANE_WINDOWS="$QUORVANE_ROOT/build-windows"
QUORVANE_TOOLCHAIN="$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake"
# The shared toolchains lie beside the checkout; a fresh clone of a local
# checkout finds them beside the checkout it was cloned from.
quorvane_default_qt_archive() {
  local archive="shared/toolchains/qt6.4.2-mingw-w64.tar.xz" origin
  origin="$(git -C "$QUORVANE_ROOT" remote get-url origin 2>/dev/null || true)"
  if [ ! -f "$QUORVANE_ROOT/../$archive" ] && [ -d "$origin" ]; then
    echo "$origin/../$archive"
  else
    echo "$QUORVANE_ROOT/../$archive"
  fi
}
QUORVANE_QT_ARCHIVE="${QUORVANE_QT_ARCHIVE:-$(quorvane_default_qt_archive)}"
QUORVANE_WINDOWS_QT="$QUORVANE_WINDOWS/qt6-mingw-w64"
QUORVANE_WINDOWS_GTEST="$QUORVANE_WINDOWS/googletest"
QUORVANE_MINGW_RUNTIME=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
                        /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
                        /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)

# GoogleTest for MinGW, built once from Debian's googletest source.
quorvane_windows_gtest() {
  [ -f "$QUORVANE_WINDOWS_GTEST/lib/cmake/GTest/GTestConfig.cmake" ] && return 0
  cmake -S /usr/src/googletest -B "$QUORVANE_WINDOWS_GTEST-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_TOOLCHAIN" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$QUORVANE_WINDOWS_GTEST"
  cmake --build "$QUORVANE_WINDOWS_GTEST-build" --target install
}

# Qt for MinGW, unpacked once from the shared archive.
quorvane_windows_qt() {
  [ -d "$QUORVANE_WINDOWS_QT/lib/cmake/Qt6" ] && return 0
  if [ ! -f "$QUORVANE_QT_ARCHIVE" ]; then
    echo "Qt for MinGW not found at $QUORVANE_QT_ARCHIVE (set QUORVANE_QT_ARCHIVE)" >&2
    return 1
  fi
  mkdir -p "$QUORVANE_WINDOWS"
  tar -xJf "$QUORVANE_QT_ARCHIVE" -C "$QUORVANE_WINDOWS"
}

# The whole program, window included, with its tests, into build-windows/full.
quorvane_windows_build_full() {
  quorvane_windows_gtest
  quorvane_windows_qt
  quorvane_build build-windows/full -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_TOOLCHAIN" \
    -DCMAKE_PREFIX_PATH="$QUORVANE_WINDOWS_QT;$QUORVANE_WINDOWS_GTEST" \
    -DCMAKE_FIND_ROOT_PATH="$QUORVANE_WINDOWS_QT;$QUORVANE_WINDOWS_GTEST" -DQT_HOST_PATH=/usr \
    -DQUORVANE_WERROR=ON -DQUORVANE_TESTS=ON
}

# Copies what a Qt program needs beside it into the folder: the Qt and MinGW
# runtime DLLs and the given platform plugin.
quorvane_windows_runtime() {
  local folder="$1" platform="$2"
  mkdir -p "$folder/platforms" "$folder/styles"
  cp -f "$QUORVANE_WINDOWS_QT"/bin/Qt6{Core,Gui,Widgets}.dll "${QUORVANE_MINGW_RUNTIME[@]}" "$folder/"
  cp -f "$QUORVANE_WINDOWS_QT/plugins/platforms/$platform.dll" "$folder/platforms/"
  cp -f "$QUORVANE_WINDOWS_QT/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
}

# A fresh folder for a run under Wine, owned by whoever will run it.
quorvane_wine_folder() {
  local folder
  folder="$(mktemp -d /tmp/quorvane-run-XXXXXX)"
  chmod 755 "$folder"
  [ "$(id -u)" -eq 0 ] && chown nobody "$folder"
  echo "$folder"
}

# Runs a command with Wine's settings: no display unless one is given, a fresh
# Wine prefix, and as an unprivileged user, since Wine run as root ignores the
# read-only attribute. The current folder is the program's working folder.
quorvane_run_under_wine() {
  local prefix as_user=()
  prefix="$(quorvane_wine_folder)"
  [ "$(id -u)" -eq 0 ] && as_user=(runuser -u nobody --)
  local wine_env=(env -u DISPLAY)
  [ -n "${QUORVANE_WINE_DISPLAY:-}" ] && wine_env+=(DISPLAY="$QUORVANE_WINE_DISPLAY")
  wine_env+=(HOME="$prefix" WINEPREFIX="$prefix" WINEDEBUG=-all)
  local status=0
  "${as_user[@]}" "${wine_env[@]}" "$@" || status=$?
  # The prefix goes only once Wine has finished writing it.
  "${as_user[@]}" "${wine_env[@]}" wineserver -w
  rm -rf "$prefix"
  return "$status"
}
