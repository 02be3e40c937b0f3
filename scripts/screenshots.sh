#!/usr/bin/env bash
# Makes the README's screenshots on a virtual X display, with the clock at 26 April 2004:
# the main window after a "PersonNr" check of 6001151239, and the help dialog.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

source "$root/tests/xsession.sh"
[ -n "${PNR_ON_VIRTUAL_DISPLAY:-}" ] || "$root/scripts/build.sh" test >/dev/null
on_virtual_display "$0" "$@"

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
faketime -f '@2004-04-26 12:00:00' "$root/build/app/personnummer-kontroll" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT

main=$(wait_for_window "$main_window_title" "$pid")
xdotool mousemove --window "$main" 150 60 click 1   # into Edit1
xdotool type --delay 20 6001151239
xdotool mousemove --window "$main" 370 72 click 1   # "PersonNr"
sleep 0.5
import -window "$main" "$root/docs/main-window.png"

xdotool mousemove --window "$main" 62 10 click 1    # "Hjälp" in the menu bar
help=$(wait_for_window '^Hjälp$' "$pid")
sleep 0.5
import -window "$help" "$root/docs/help-dialog.png"

xdotool mousemove --window "$help" 150 241 click 1  # "&Stäng"
sleep 0.3
xdotool mousemove --window "$main" 15 10 click 1    # "Arkiv", then "&Avsluta"
sleep 0.3
xdotool key a
wait "$pid"
echo "wrote docs/main-window.png and docs/help-dialog.png"
