# The project scripts' shared functions and package lists; sourced by them,
# not run, and it sets no shell options of its own.

QUORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Every date a build records (file times in the packages, the zip's entries)
# is the last commit's, so that the same commit gives the same bytes.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && command -v git >/dev/null &&
  git -C "$QUORVANE_ROOT" rev-parse HEAD >/dev/null 2>&1; then
  SOURCE_DATE_EPOCH="$(git -C "$QUORVANE_ROOT" log -1 --format=%ct)"
  export SOURCE_DATE_EPOCH
fi

# What each kind of work needs from Debian's packages.
QUORVANE_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core fonts-dejavu-extra)
# The screen-reader test needs an X display and the AT-SPI bus; the keyboard
# check a window manager and xdotool.
QUORVANE_TEST_PACKAGES=(libgtest-dev strace util-linux xvfb xauth dbus-daemon at-spi2-core python3-pyatspi openbox xdotool inotify-tools xclip x11-xserver-utils
                        x11-utils)
QUORVANE_BENCH_PACKAGES=(libbenchmark-dev valgrind)
QUORVANE_PACKAGING_PACKAGES=(dpkg-dev fakeroot file lintian appstream desktop-file-utils)
# The Windows builds run inside Debian 13; Wine runs their results here.
QUORVANE_WINDOWS_PACKAGES=(debootstrap wine wine64 xz-utils zip unzip xvfb xauth xdotool x11-utils xclip)
QUORVANE_CROSS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest qt6-base-dev qt6-base-dev-tools
                         zip xz-utils)

# Installs the named Debian packages that are not installed yet.
quorvane_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  # sudo drops the environment, so the setting is handed to apt-get itself.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# Configures the folder (relative to the checkout) with a preset of
# CMakePresets.json and builds it; further arguments go to cmake.
quorvane_build() {
  local preset="$1" folder="$QUORVANE_ROOT/$2"
  shift 2
  cmake -S "$QUORVANE_ROOT" --preset "$preset" -B "$folder" "$@"
  cmake --build "$folder"
}
