#!/usr/bin/env bash
# Builds the editor into build/ and starts it.
source "$(dirname "$0")/scripts/setup.sh"
packages=("${QUORVANE_BUILD_PACKAGES[@]}")
# On GNOME-like desktops the platform's own file dialog comes through GTK.
case "${XDG_CURRENT_DESKTOP:-}" in
  *GNOME* | *Unity* | *XFCE* | *MATE* | *Cinnamon* | *Budgie* | *Pantheon*) packages+=(qt6-gtk-platformtheme) ;;
esac
quorvane_install_missing "${packages[@]}"
quorvane_build build -DQUORVANE_WERROR=ON
exec "$QUORVANE_ROOT/build/quorvane" "$@"
