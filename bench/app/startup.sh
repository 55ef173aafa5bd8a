#!/usr/bin/env bash
# Start-up time (fork to the X server's MapNotify of the top-level window) and resident memory
# 1.5 s after start of the game against a bare Qt main window with a menu bar and a status bar
# (our floor), in one X server, RUNS alternating runs each; prints the medians and the medians
# of the pairwise ratios game / bare.
#
#   bench/app/startup.sh [build folder] [runs]
#
# Needs xvfb-run, dbus-run-session and python3-xlib (scripts/install-deps.sh installs them).
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-21}

# A desktop has its session bus; without one, every Qt program would start its own first.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$build" "$runs"
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
exec /usr/bin/python3 "$(dirname "$0")/startup.py" "$build" "$runs"
