#!/usr/bin/env bash
# Runs the given program as on a desktop where a screen reader listens: a
# virtual X display, a session bus, the AT-SPI bus, and Qt told to send its
# accessibility events even though no screen reader is started.
set -euo pipefail
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  status=0
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" || status=$?
  kill "$bus"
  exit "$status"' bash "$@"
