# Shared set-up of the project's two commands; sourced, not run.
# Installs what is missing from Debian's packages, then configures and builds.

set -euo pipefail

QUORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

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
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

QUORVANE_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core fonts-dejavu-extra)
# The screen-reader test needs an X display and the AT-SPI bus.
QUORVANE_TEST_PACKAGES=(libgtest-dev strace util-linux xvfb xauth dbus-daemon at-spi2-core)
QUORVANE_BENCH_PACKAGES=(libbenchmark-dev)
QUORVANE_PACKAGING_PACKAGES=(dpkg-dev fakeroot file lintian appstream desktop-file-utils)
# The Windows builds run inside Debian 13; Wine runs their results here.
QUORVANE_WINDOWS_PACKAGES=(debootstrap wine wine64 xz-utils)

# Configures (when needed) and builds into the given folder; extra arguments go to cmake.
quorvane_build() {
  local folder="$1"
  shift
  cmake -S "$QUORVANE_ROOT" -B "$QUORVANE_ROOT/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$QUORVANE_ROOT/$folder"
}

