# Sourced, not run: a minimal Debian 13 ("trixie", Qt 6.8, GCC 14, MinGW on
# GCC 14) made with debootstrap and kept in build-debian13/system between
# runs, with the checkout mounted at /quorvane inside it. Making the system,
# mounting and entering it take root: through sudo when the user is not root.
# The builds and tests inside run as the user, so that all they leave in the
# checkout is the user's; only the system itself belongs to root.

QUORVANE_DEBIAN13="$QUORVANE_ROOT/build-debian13/system"

quorvane_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The Debian mirror to make the system from: QUORVANE_DEBIAN_MIRROR when set;
# on a Debian host the mirror its apt already uses; elsewhere nothing, so that
# debootstrap takes Debian's own for trixie.
quorvane_debian_mirror() {
  if [ -n "${QUORVANE_DEBIAN_MIRROR:-}" ]; then
    echo "$QUORVANE_DEBIAN_MIRROR"
    return
  fi
  grep -qx 'ID=debian' /etc/os-release 2>/dev/null || return 0
  local uri
  uri="$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n 1)"
  [ -n "$uri" ] || uri="$(awk '$1 == "deb" && $3 !~ /security/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null)"
  echo "$uri"
}

# Makes the system unless a whole one is there already.
quorvane_debian13_make() {
  [ -f "$QUORVANE_DEBIAN13/.complete" ] && return 0
  quorvane_install_missing debootstrap debian-archive-keyring
  quorvane_as_root rm -rf "$QUORVANE_DEBIAN13"
  mkdir -p "$(dirname "$QUORVANE_DEBIAN13")"
  local mirror
  mirror="$(quorvane_debian_mirror)"
  quorvane_as_root debootstrap --variant=minbase trixie "$QUORVANE_DEBIAN13" ${mirror:+"$mirror"}
  quorvane_as_root touch "$QUORVANE_DEBIAN13/.complete"
}

quorvane_debian13_unmount() {
  local point
  for point in quorvane tmp dev sys proc .; do
    if mountpoint -q "$QUORVANE_DEBIAN13/$point"; then quorvane_as_root umount -l "$QUORVANE_DEBIAN13/$point"; fi
  done
  return 0
}

# Makes the system when needed and mounts what the builds and tests use; the
# mounts go again when the calling script ends, however it ends.
quorvane_debian13_enter() {
  quorvane_debian13_make
  quorvane_debian13_unmount
  trap quorvane_debian13_unmount EXIT
  # The system's root a mount point of its own, so that a test can make its
  # mounts private there.
  quorvane_as_root mount --bind "$QUORVANE_DEBIAN13" "$QUORVANE_DEBIAN13"
  quorvane_as_root mount -t proc proc "$QUORVANE_DEBIAN13/proc"
  quorvane_as_root mount -t sysfs sysfs "$QUORVANE_DEBIAN13/sys"
  quorvane_as_root mount --rbind /dev "$QUORVANE_DEBIAN13/dev"
  quorvane_as_root mount -t tmpfs -o mode=1777 tmpfs "$QUORVANE_DEBIAN13/tmp"
  quorvane_as_root mkdir -p "$QUORVANE_DEBIAN13/quorvane"
  quorvane_as_root mount --bind "$QUORVANE_ROOT" "$QUORVANE_DEBIAN13/quorvane"
  quorvane_as_root cp -f /etc/resolv.conf "$QUORVANE_DEBIAN13/etc/resolv.conf"
  # The user the builds run as gets an account there: the session bus of the
  # screen-reader tests will not start for a user without one.
  quorvane_in_debian13_as_root "getent group $(id -g) >/dev/null || groupadd --gid $(id -g) quorvane
    getent passwd $(id -u) >/dev/null || useradd --uid $(id -u) --gid $(id -g) --home-dir /tmp -M quorvane"
}

# Runs a command in the checkout inside the system as the given user and
# group ids, with the given home.
quorvane_chroot() {
  quorvane_as_root chroot --userspec="$1" "$QUORVANE_DEBIAN13" /usr/bin/env -i \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$2" LANG=C.UTF-8 SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" \
    /bin/bash -c "cd /quorvane && $3"
}

# Runs a command in the checkout inside the system as the user, who has no
# account there: the home is the system's own /tmp.
quorvane_in_debian13() {
  quorvane_chroot "$(id -u):$(id -g)" /tmp "$1"
}

# Runs a command in the checkout inside the system as root: installing
# packages there.
quorvane_in_debian13_as_root() {
  quorvane_chroot 0:0 /root "$1"
}
