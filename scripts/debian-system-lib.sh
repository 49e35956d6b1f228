# Sourced, not run: a minimal Debian system made with debootstrap and kept in
# build-<name>/system between runs, with the checkout mounted at /quorvane
# inside it. Two are used: Debian 13 ("trixie": Qt 6.8, GCC 14, MinGW on
# GCC 14) for its own suite and the Windows builds, and Debian testing for
# its suite. quorvane_debian_system picks the one the functions act on.
# Making the system, mounting and entering it take root: through sudo when
# the user is not root. The builds and tests inside run as the user, who is
# given an account there, so that all they leave in the checkout is the
# user's; only the system itself belongs to root.

quorvane_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# quorvane_debian_system FOLDER SUITE: the system in FOLDER/system of the
# checkout, made from SUITE ("trixie", "testing").
quorvane_debian_system() {
  QUORVANE_SYSTEM="$QUORVANE_ROOT/$1/system"
  QUORVANE_SYSTEM_SUITE="$2"
}

# The Debian mirror to make the system from: QUORVANE_DEBIAN_MIRROR when set;
# on a Debian host the mirror its apt already uses; elsewhere Debian's own.
quorvane_debian_mirror() {
  if [ -n "${QUORVANE_DEBIAN_MIRROR:-}" ]; then
    echo "$QUORVANE_DEBIAN_MIRROR"
    return
  fi
  local uri=""
  if grep -qx 'ID=debian' /etc/os-release 2>/dev/null; then
    uri="$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n 1)"
    [ -n "$uri" ] || uri="$(awk '$1 == "deb" && $3 !~ /security/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null)"
  fi
  echo "${uri:-http://deb.debian.org/debian}"
}

# Makes the system unless a whole one is there already.
quorvane_system_make() {
  [ -f "$QUORVANE_SYSTEM/.complete" ] && return 0
  quorvane_install_missing debootstrap debian-archive-keyring
  quorvane_as_root rm -rf "$QUORVANE_SYSTEM"
  mkdir -p "$(dirname "$QUORVANE_SYSTEM")"
  quorvane_as_root debootstrap --variant=minbase "$QUORVANE_SYSTEM_SUITE" "$QUORVANE_SYSTEM" \
    "$(quorvane_debian_mirror)"
  quorvane_as_root touch "$QUORVANE_SYSTEM/.complete"
}

quorvane_system_unmount() {
  local point
  for point in quorvane tmp dev sys proc .; do
    if mountpoint -q "$QUORVANE_SYSTEM/$point"; then quorvane_as_root umount -l "$QUORVANE_SYSTEM/$point"; fi
  done
  return 0
}

# Makes the system when needed and mounts what the builds and tests use; the
# mounts go again when the calling script ends, however it ends.
quorvane_system_enter() {
  quorvane_system_make
  quorvane_system_unmount
  trap quorvane_system_unmount EXIT
  # The system's root a mount point of its own, so that a test can make its
  # mounts private there.
  quorvane_as_root mount --bind "$QUORVANE_SYSTEM" "$QUORVANE_SYSTEM"
  quorvane_as_root mount -t proc proc "$QUORVANE_SYSTEM/proc"
  quorvane_as_root mount -t sysfs sysfs "$QUORVANE_SYSTEM/sys"
  quorvane_as_root mount --rbind /dev "$QUORVANE_SYSTEM/dev"
  quorvane_as_root mount -t tmpfs -o mode=1777 tmpfs "$QUORVANE_SYSTEM/tmp"
  quorvane_as_root mkdir -p "$QUORVANE_SYSTEM/quorvane"
  quorvane_as_root mount --bind "$QUORVANE_ROOT" "$QUORVANE_SYSTEM/quorvane"
  quorvane_as_root cp -f /etc/resolv.conf "$QUORVANE_SYSTEM/etc/resolv.conf"
  # A mirror that keeps a snapshot of Debian serves testing's release file
  # past the date it says it is valid until; this system takes it all the
  # same. Stable's release files carry no such date.
  echo 'Acquire::Check-Valid-Until "false";' |
    quorvane_as_root tee "$QUORVANE_SYSTEM/etc/apt/apt.conf.d/99quorvane-snapshot-mirror" >/dev/null
  # The session bus of the screen-reader tests will not start for a user
  # without an account.
  quorvane_in_system_as_root "getent group $(id -g) >/dev/null || groupadd --gid $(id -g) quorvane
    getent passwd $(id -u) >/dev/null || useradd --uid $(id -u) --gid $(id -g) --home-dir /tmp -M quorvane"
}

# Runs a command in the checkout inside the system as the given user and
# group ids, with the given home.
quorvane_chroot() {
  quorvane_as_root chroot --userspec="$1" "$QUORVANE_SYSTEM" /usr/bin/env -i \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$2" LANG=C.UTF-8 SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" \
    /bin/bash -c "cd /quorvane && $3"
}

# Runs a command in the checkout inside the system as the user, whose home
# there is the system's own /tmp.
quorvane_in_system() {
  quorvane_chroot "$(id -u):$(id -g)" /tmp "$1"
}

# Runs a command in the checkout inside the system as root: installing
# packages there.
quorvane_in_system_as_root() {
  quorvane_chroot 0:0 /root "$1"
}
