# Sourced, after setup.sh, by the scripts that show the program on a virtual display.

# Run from the top folder as `use_virtual_display scripts/NAME "$@"`: installs what a virtual
# display needs, builds the program and runs the calling script again under xvfb-run. There it
# starts the window manager and returns.
use_virtual_display() {
    if [ -z "${ON_VIRTUAL_DISPLAY:-}" ]; then
        install_missing_packages xvfb xauth openbox xdotool imagemagick
        build_preset release convex-hull
        exec env ON_VIRTUAL_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    fi
    start_window_manager
}

# Starts openbox, a small window manager, and returns once it manages windows: without one nothing
# maximizes the program's window.
start_window_manager() {
    local ready
    ready=$(mktemp -u)
    openbox --startup "touch $ready" >/dev/null 2>&1 &
    while [ ! -e "$ready" ]; do sleep 0.1; done
    rm -f "$ready"
}
