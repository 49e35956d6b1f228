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
QUORVANE_TEST_PACKAGES=(libgtest-dev strace util-linux)
QUORVANE_BENCH_PACKAGES=(libbenchmark-dev)
QUORVANE_PACKAGING_PACKAGES=(dpkg-dev fakeroot file lintian appstream desktop-file-utils)
QUORVANE_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)

# Configures (when needed) and builds into the given folder; extra arguments go to cmake.
quorvane_build() {
  local folder="$1"
  shift
  cmake -S "$QUORVANE_ROOT" -B "$QUORVANE_ROOT/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$QUORVANE_ROOT/$folder"
}

# Puts MinGW's runtime DLLs beside the programs in the given folder.
quorvane_copy_mingw_runtime() {
  cp -f /usr/lib/gcc/x86_64-w64-mingw32/12-posix/{libstdc++-6.dll,libgcc_s_seh-1.dll} \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$1/"
}

# Runs a Windows program under Wine with no display, in a fresh Wine prefix,
# as an unprivileged user: Wine run as root ignores the read-only attribute.
quorvane_run_under_wine() {
  local prefix as_user=()
  prefix="$(mktemp -d /tmp/quorvane-wine-XXXXXX)"
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$prefix"
    as_user=(runuser -u nobody --)
  fi
  local wine_env=(env -u DISPLAY HOME="$prefix" WINEPREFIX="$prefix" WINEDEBUG=-all)
  local status=0
  "${as_user[@]}" "${wine_env[@]}" wine "$@" || status=$?
  # The prefix goes only once Wine has finished writing it.
  "${as_user[@]}" "${wine_env[@]}" wineserver -w
  rm -rf "$prefix"
  return "$status"
}
