# The Windows scripts' shared functions; sourced, not run. The program is
# cross-built for 64-bit Windows inside Debian 13 (scripts/build-windows.sh),
# whose Qt host tools match the Qt 6.8.2 for MinGW from the project's shared
# toolchains; Wine runs the results here.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

QUORVANE_WINDOWS="$QUORVANE_ROOT/build-windows"
QUORVANE_TOOLCHAIN="$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake"
QUORVANE_QT_VERSION=6.8.2
# Where scripts/build-qt-windows.sh leaves the Qt it builds.
QUORVANE_BUILT_QT_ARCHIVE="$QUORVANE_WINDOWS/qt$QUORVANE_QT_VERSION-mingw-w64.tar.xz"
# The shared toolchains lie beside the checkout; a fresh clone of a local
# checkout finds them beside the checkout it was cloned from. Without them, a
# Qt built here by scripts/build-qt-windows.sh is used.
quorvane_default_qt_archive() {
  local archive="qt$QUORVANE_QT_VERSION-mingw-w64.tar.xz" origin candidate
  origin="$(git -C "$QUORVANE_ROOT" remote get-url origin 2>/dev/null || true)"
  for candidate in "$QUORVANE_ROOT/../shared/toolchains/$archive" "$origin/../shared/toolchains/$archive"; do
    [ -f "$candidate" ] && { echo "$candidate"; return; }
  done
  echo "$QUORVANE_BUILT_QT_ARCHIVE"
}
QUORVANE_QT_ARCHIVE="${QUORVANE_QT_ARCHIVE:-$(quorvane_default_qt_archive)}"
QUORVANE_WINDOWS_QT="$QUORVANE_WINDOWS/qt6-mingw-w64"
QUORVANE_WINDOWS_GTEST="$QUORVANE_WINDOWS/googletest"
# MinGW's runtime DLLs, copied here from Debian 13's cross compiler.
QUORVANE_WINDOWS_RUNTIME="$QUORVANE_WINDOWS/mingw-runtime"

# Qt for MinGW, unpacked from the shared archive (again when another version
# was unpacked before).
quorvane_windows_qt() {
  [ -d "$QUORVANE_WINDOWS_QT/recipe" ] && grep -qs "$QUORVANE_QT_VERSION" "$QUORVANE_WINDOWS_QT/BUILT-FROM.txt" &&
    return 0
  if [ ! -f "$QUORVANE_QT_ARCHIVE" ]; then
    cat >&2 <<MESSAGE
Qt $QUORVANE_QT_VERSION for MinGW was not found at $QUORVANE_QT_ARCHIVE.
Set QUORVANE_QT_ARCHIVE to a copy, or build one (about an hour on two cores;
./test.sh does so by itself): scripts/build-qt-windows.sh
MESSAGE
    return 1
  fi
  rm -rf "$QUORVANE_WINDOWS_QT"
  mkdir -p "$QUORVANE_WINDOWS"
  tar -xJf "$QUORVANE_QT_ARCHIVE" -C "$QUORVANE_WINDOWS"
  # The zip ships the scripts that made the archive: those kept beside it, or
  # this project's own when the archive was built here.
  local recipe="$QUORVANE_WINDOWS_QT/recipe" beside
  beside="$(dirname "$QUORVANE_QT_ARCHIVE")"
  mkdir -p "$recipe"
  if [ -f "$beside/build-qt6.8-mingw.sh" ]; then
    cp "$beside/build-qt6.8-mingw.sh" "$beside/pack-qt-mingw.sh" "$recipe/"
  else
    cp "$QUORVANE_ROOT/scripts/build-qt-windows.sh" "$recipe/"
  fi
}

# Builds the core, the whole program with its tests, and the zip inside
# Debian 13 (the program and the zip in the folder given, if one is); the
# system's mounts are gone again when this returns.
quorvane_windows_build() {
  quorvane_windows_qt
  quorvane_source_archive "$QUORVANE_ROOT/${1:-build-windows}"
  (
    source "$QUORVANE_ROOT/scripts/debian-system-lib.sh"
    quorvane_debian_system build-debian13 trixie
    quorvane_system_enter
    quorvane_in_system_as_root "scripts/install-deps.sh cross"
    quorvane_in_system "scripts/build-windows.sh ${1:-}"
  )
}

# The source the zip carries, as a tar in the folder, since git is not in
# Debian 13's system: the last commit's files with whatever changes to them
# are not committed yet, so that it is the source the program was built from,
# and source-commit.txt, which says so.
quorvane_source_archive() {
  local folder="$1" changes
  mkdir -p "$folder"
  changes="$(git -C "$QUORVANE_ROOT" stash create)"
  git -C "$QUORVANE_ROOT" archive --format=tar --prefix=quorvane/ -o "$folder/quorvane-source.tar" \
    "${changes:-HEAD}"
  {
    echo "Quorvane's source as of commit $(git -C "$QUORVANE_ROOT" rev-parse HEAD)."
    [ -z "$changes" ] || echo "The program was built with changes not yet committed, which this copy holds."
  } > "$folder/source-commit.txt"
}

# Copies what a Qt program needs beside it into the folder: the Qt and MinGW
# runtime DLLs and the given platform plugin.
quorvane_windows_runtime() {
  local folder="$1" platform="$2"
  mkdir -p "$folder/platforms" "$folder/styles"
  cp -f "$QUORVANE_WINDOWS_QT"/bin/Qt6{Core,Gui,Widgets}.dll "$QUORVANE_WINDOWS_RUNTIME"/*.dll "$folder/"
  cp -f "$QUORVANE_WINDOWS_QT/plugins/platforms/$platform.dll" "$folder/platforms/"
  cp -f "$QUORVANE_WINDOWS_QT/plugins/styles/qmodernwindowsstyle.dll" "$folder/styles/"
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
  # Wine names Unix files in the locale's character set: UTF-8, whatever the
  # caller's session sets, so that names outside ASCII can be made.
  wine_env+=(HOME="$prefix" WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=C.UTF-8)
  local status=0
  # Ended from outside, as a driver ends its run when a check fails, the run
  # still ends what is left of Wine and removes its prefix.
  trap '"${as_user[@]}" "${wine_env[@]}" wineserver -k
    "${as_user[@]}" "${wine_env[@]}" wineserver -w
    rm -rf "$prefix"
    exit 143' TERM
  "${as_user[@]}" "${wine_env[@]}" "$@" || status=$?
  trap - TERM
  # The prefix goes only once Wine has finished writing it.
  "${as_user[@]}" "${wine_env[@]}" wineserver -w
  rm -rf "$prefix"
  return "$status"
}
