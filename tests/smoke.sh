#!/usr/bin/env bash
# Starts the real program on a virtual X display without a window manager, waits for its
# window, quits through the menu ("Arkiv", then "A" for "&Avsluta") and expects exit code 0.
# Usage: smoke.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/xsession.sh"
on_virtual_display "$0" "$@"

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
trap 'rm -rf "$runtime"; kill "$pid" 2>/dev/null || true' EXIT

"$program" &
pid=$!
window=$(wait_for_window "$main_window_title" "$pid")
echo "window $window is mapped"

# Without a window manager the window is not active until clicked: "Arkiv" sits at the left
# of the menu bar.
xdotool mousemove --window "$window" 15 10 click 1
sleep 0.5
xdotool key a

wait_for_exit "$pid"
[ "$exit_status" = 0 ] || { echo "FAIL: exit code $exit_status after Arkiv > Avsluta"; exit 1; }
