#!/usr/bin/env bash
# scripts/run.sh where the program's windows could not open: one line that
# says so and how to run on a virtual display, a failing exit status, and
# nothing installed or built first.
set -u
top=$1
failures=0

# Each case: the QT_QPA_PLATFORM to set ("-" leaves it unset); no DISPLAY and
# no WAYLAND_DISPLAY in any.
for platform in - "" xcb wayland "wayland;xcb"; do
  if [ "$platform" = - ]; then
    output=$(cd /tmp && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$top/scripts/run.sh" 2>&1)
  else
    output=$(cd /tmp && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$top/scripts/run.sh" 2>&1)
  fi
  status=$?
  what="QT_QPA_PLATFORM=$platform:"
  if [ "$status" -eq 0 ]; then
    echo "$what exit status 0"
    failures=$((failures + 1))
  fi
  if [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
    echo "$what more than one line: $output"
    failures=$((failures + 1))
  fi
  case "$output" in
    *"no desktop session"*"xvfb-run -a scripts/run.sh"*) ;;
    *) echo "$what no word of the desktop session and xvfb-run: $output"; failures=$((failures + 1)) ;;
  esac
done
[ "$failures" -eq 0 ]
