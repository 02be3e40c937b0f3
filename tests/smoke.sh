#!/usr/bin/env bash
# Starts the real program on a virtual X display without a window manager, waits for its
# window, quits through the menu ("Arkiv", then "A" for "&Avsluta") and expects exit code 0.
# Usage: smoke.sh PROGRAM
set -euo pipefail
program=$1

if [ -z "${SMOKE_INSIDE_X:-}" ]; then
    export SMOKE_INSIDE_X=1
    exec xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' "$0" "$@"
fi

unset QT_QPA_PLATFORM
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
trap 'rm -rf "$runtime"; kill "$pid" 2>/dev/null || true' EXIT

"$program" &
pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Person Nr\./Ålderskontroll$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended before showing its window"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window 'Person Nr./Ålderskontroll' within 10 s"; exit 1; }
echo "window $window is mapped"

# Without a window manager the window is not active until clicked: "Arkiv" sits at the left
# of the menu bar.
xdotool mousemove --window "$window" 15 10 click 1
sleep 0.5
xdotool key a

for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program still runs after Arkiv > Avsluta"
    exit 1
fi
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; exit 1; }
