#!/usr/bin/env bash
# Builds the editor into build/ and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/lib.sh"
"$QUORVANE_ROOT/scripts/install-deps.sh" build
# On GNOME-like desktops the platform's own file dialog comes through GTK.
case "${XDG_CURRENT_DESKTOP:-}" in
  *GNOME* | *Unity* | *XFCE* | *MATE* | *Cinnamon* | *Budgie* | *Pantheon*) quorvane_install_missing qt6-gtk-platformtheme ;;
esac
quorvane_build dev build -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF
exec "$QUORVANE_ROOT/build/quorvane" "$@"
