# Sourced by the scripts that show the program on a virtual display (under xvfb-run).

# Starts openbox, a small window manager, and returns once it manages windows: without one nothing
# maximizes the program's window.
start_window_manager() {
    local ready
    ready=$(mktemp -u)
    openbox --startup "touch $ready" >/dev/null 2>&1 &
    while [ ! -e "$ready" ]; do sleep 0.1; done
    rm -f "$ready"
}
