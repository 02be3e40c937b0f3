#!/usr/bin/env bash
# Builds the program and starts it on the desktop.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
There is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from a desktop session, or on a virtual display:
    xvfb-run -a -s '-screen 0 1024x768x24' $root/build/app/personnummer-kontroll
MSG
    exit 1
fi
exec "$root/build/app/personnummer-kontroll"
