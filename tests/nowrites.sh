#!/usr/bin/env bash
# Runs the real program under strace on a virtual X display through a session of typing
# (Swedish letters pasted from the clipboard), the three operations and the help, then quits
# through the menu. Fails if the program or anything it starts opens a file for writing,
# creating or appending, creates a folder, or opens any socket but the local ones, other than
# what the libraries underneath need and is listed below with the reason.
# Usage: nowrites.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/xsession.sh"
on_virtual_display "$0" "$@"

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# LeakSanitizer cannot stop the process's threads while strace traces them.
export ASAN_OPTIONS=detect_leaks=0
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
log=$work/strace.log

strace -f -qq -o "$log" -e trace=open,openat,openat2,creat,mkdir,mkdirat,socket "$program" &
pid=$!

window=$(wait_for_window "$main_window_title" "$pid")

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
paste() { printf '%s' "$1" | xclip -selection clipboard 2>/dev/null; xdotool key ctrl+v; sleep 0.2; }
input() { click 150 63; }           # Edit1
alder() { click 360 55; }           # the three items of "Kontroll av"
personnr() { click 360 76; }
checksiffra() { click 360 97; }

input; xdotool type --delay 30 600115; alder
input; xdotool type --delay 30 6001151239; personnr
input; xdotool type --delay 30 600115123; checksiffra
dismiss() { sleep 0.7; xdotool key Return; sleep 0.5; }   # the message box in front
input; paste 'åäö ÅÄÖ'; personnr; dismiss                      # a rejection
input; xdotool type --delay 30 600115-; paste 'ö239'; personnr; dismiss   # a conversion error
click 62 10; sleep 0.5; xdotool key Escape; sleep 0.3          # "Hjälp", closed again
click 15 10; xdotool key a                                      # "Arkiv", "&Avsluta"

wait_for_exit "$pid"
[ "$exit_status" = 0 ] || { echo "FAIL: exit code $exit_status"; cat "$log"; exit 1; }

# What the libraries underneath need:
# - /dev/null opened read-write: libdbus, finding no session bus, forks a child that points its
#   standard streams at /dev/null before it tries to start dbus-launch; nothing is stored.
# - fontconfig's own cache folder: fontconfig rewrites its cache there when the system's is stale.
allowed='"/dev/null"|"'"$HOME"'/\.cache/fontconfig/'
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_APPEND|O_TRUNC|creat\(' "$log" | grep -Ev "$allowed" || true)
# Qt makes sure the runtime folder exists; finding it there creates nothing.
folders=$(grep -E 'mkdir(at)?\(' "$log" | grep -v 'EEXIST' || true)
sockets=$(grep -E 'socket\(' "$log" | grep -v 'socket(AF_UNIX' || true)

failed=0
[ -z "$writes" ] || { echo "FAIL: files opened for writing:"; echo "$writes"; failed=1; }
[ -z "$folders" ] || { echo "FAIL: folders created:"; echo "$folders"; failed=1; }
[ -z "$sockets" ] || { echo "FAIL: sockets other than local ones:"; echo "$sockets"; failed=1; }
echo "$(grep -c 'open' "$log") opens traced, $(grep -c 'socket(' "$log") sockets"
exit $failed
