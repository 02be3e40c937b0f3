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

# Waits up to five seconds for the process, a child of this shell, to end, and sets
# exit_status to its exit code, or to "running". Not to be called in a subshell: only the
# shell that started the process can wait for it.
wait_for_exit() {
    local pid=$1
    exit_status=0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        exit_status=running
        return 0
    fi
    wait "$pid" || exit_status=$?
}

main_window_title='^Person Nr\./Ålderskontroll$'
