#!/usr/bin/env bash
# Makes the README's screenshots on a virtual X display, with the clock at 26 April 2004:
# the main window after a "PersonNr" check of 6001151239, and the help dialog.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${SCREENSHOTS_INSIDE_X:-}" ]; then
    "$root/scripts/build.sh" >/dev/null
    export SCREENSHOTS_INSIDE_X=1
    exec xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' "$0" "$@"
fi

unset QT_QPA_PLATFORM
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
faketime -f '@2004-04-26 12:00:00' "$root/build/app/personnummer-kontroll" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT

find_window() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
    echo "no window $1" >&2
    return 1
}

main=$(find_window '^Person Nr\./Ålderskontroll$')
xdotool mousemove --window "$main" 150 60 click 1   # into Edit1
xdotool type --delay 20 6001151239
xdotool mousemove --window "$main" 370 72 click 1   # "PersonNr"
sleep 0.5
import -window "$main" "$root/docs/main-window.png"

xdotool mousemove --window "$main" 62 10 click 1    # "Hjälp" in the menu bar
help=$(find_window '^Hjälp$')
sleep 0.5
import -window "$help" "$root/docs/help-dialog.png"

xdotool mousemove --window "$help" 150 241 click 1  # "&Stäng"
sleep 0.3
xdotool mousemove --window "$main" 15 10 click 1    # "Arkiv", then "&Avsluta"
sleep 0.3
xdotool key a
wait "$pid"
echo "wrote docs/main-window.png and docs/help-dialog.png"
