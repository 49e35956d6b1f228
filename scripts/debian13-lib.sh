# Sourced, not run: a minimal Debian 13 ("trixie", Qt 6.8, GCC 14, MinGW on
# GCC 14) made with debootstrap and kept in build-debian13/system between
# runs, with the checkout mounted at /quorvane inside it. Needs root.

QUORVANE_DEBIAN13="$QUORVANE_ROOT/build-debian13/system"

# The Debian mirror this machine's apt already uses.
quorvane_debian_mirror() {
  local uri
  uri="$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n 1)"
  [ -n "$uri" ] || uri="$(awk '$1 == "deb" && $3 !~ /security/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null)"
  echo "${QUORVANE_DEBIAN_MIRROR:-$uri}"
}

# Makes the system unless a whole one is there already.
quorvane_debian13_make() {
  [ -f "$QUORVANE_DEBIAN13/.complete" ] && return 0
  rm -rf "$QUORVANE_DEBIAN13"
  mkdir -p "$QUORVANE_DEBIAN13"
  debootstrap --variant=minbase trixie "$QUORVANE_DEBIAN13" "$(quorvane_debian_mirror)"
  touch "$QUORVANE_DEBIAN13/.complete"
}

quorvane_debian13_unmount() {
  local point
  for point in quorvane tmp dev sys proc .; do
    if mountpoint -q "$QUORVANE_DEBIAN13/$point"; then umount -l "$QUORVANE_DEBIAN13/$point"; fi
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
  mount --bind "$QUORVANE_DEBIAN13" "$QUORVANE_DEBIAN13"
  mount -t proc proc "$QUORVANE_DEBIAN13/proc"
  mount -t sysfs sysfs "$QUORVANE_DEBIAN13/sys"
  mount --rbind /dev "$QUORVANE_DEBIAN13/dev"
  mount -t tmpfs tmpfs "$QUORVANE_DEBIAN13/tmp"
  mkdir -p "$QUORVANE_DEBIAN13/quorvane"
  mount --bind "$QUORVANE_ROOT" "$QUORVANE_DEBIAN13/quorvane"
  cp -f /etc/resolv.conf "$QUORVANE_DEBIAN13/etc/resolv.conf"
}

# Runs a command in the checkout inside the system, as root.
quorvane_in_debian13() {
  chroot "$QUORVANE_DEBIAN13" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" /bin/bash -c "cd /quorvane && $1"
}
