# Shared by the scripts that drive the real program on a virtual X display (sourced).

# Re-runs the calling script under xvfb-run, on a display of its own without a window manager,
# unless it already runs there. Call as: on_virtual_display "$0" "$@"
on_virtual_display() {
    if [ -z "${PNR_ON_VIRTUAL_DISPLAY:-}" ]; then
        export PNR_ON_VIRTUAL_DISPLAY=1
        exec xvfb-run -a -s '-screen 0 1024x768x24 -nolisten tcp' "$@"
    fi
    unset QT_QPA_PLATFORM
}

# Prints the id of the first visible window whose title matches the pattern, waiting up to
# ten seconds; fails if the process given as $2 ends first or no window comes.
wait_for_window() {
    local pattern=$1 pid=${2:-} window
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            echo "FAIL: the program ended before showing its window $pattern" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "FAIL: no window $pattern within 10 s" >&2
    return 1
}

# Waits up to five seconds for the process to end and prints its exit code (or "running").
exit_code_of() {
    local pid=$1 status=0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo running
        return 0
    fi
    wait "$pid" || status=$?
    echo "$status"
}

main_window_title='^Person Nr\./Ålderskontroll$'
