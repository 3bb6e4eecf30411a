#!/usr/bin/env bash
# Makes docs/screenshot.png: the real program under a virtual display, forty points clicked in,
# a whole run at the fastest speed, the question answered No, and the window photographed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages xvfb xauth xdotool imagemagick
build_preset release

if [ -z "${SCREENSHOT_DISPLAY_READY:-}" ]; then
    exec env SCREENSHOT_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

./build/release/convex-hull &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

window=$(xdotool search --sync --name '^Convex Hull$' | head -n 1)
# There is no window manager to maximize it: give it room for the whole layout.
xdotool windowsize --sync "$window" 785 561
sleep 0.5

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# The drawing area's inner corner is at (18, 18) in the window.
awk 'BEGIN { srand(7); for (i = 0; i < 40; i++) printf "%d %d\n", 18 + 40 + int(rand() * 440), 18 + 40 + int(rand() * 390) }' |
    while read -r x y; do click "$x" "$y"; done
click 216 524 # START
sleep 2

# The completion question is the newest window; Escape answers No and leaves the picture.
question=$(xdotool search --name '^Convex Hull$' | grep -v "^$window\$" | tail -n 1)
xdotool windowfocus --sync "$question" key Escape
sleep 0.5
import -window "$window" docs/screenshot.png
echo "Wrote docs/screenshot.png"
