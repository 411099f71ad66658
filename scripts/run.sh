#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The program's windows need a desktop session: without one Qt aborts at
# start-up. A platform chosen in QT_QPA_PLATFORM other than X11 or Wayland
# (offscreen, vnc, ...) needs none.
case "${QT_QPA_PLATFORM:-}" in
  "" | *xcb* | *wayland*) needs_display=yes ;;
  *) needs_display=no ;;
esac
if [ "$needs_display" = yes ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "scripts/run.sh: no desktop session (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or on a virtual display with: xvfb-run -a scripts/run.sh (scripts/setup.sh installs xvfb-run)" >&2
  exit 1
fi

scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVDW_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)" --target vdwmixtures
exec build/release/app/vdwmixtures "$@"
