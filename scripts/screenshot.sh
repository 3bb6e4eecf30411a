#!/usr/bin/env bash
# Makes docs/run.gif and docs/screenshot.png from the real program on a virtual display with a
# window manager: points clicked in, START at the slow end of the speed bar with each step shown,
# one frame per step, and the finished hull with the question "Done! Reset and start again?", which
# is the screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/virtual_display.sh

use_virtual_display "scripts/$(basename "$0")" "$@"
./build/release/convex-hull &
program=$!
frames=$(mktemp -d)
trap 'kill $program 2>/dev/null || true; rm -rf "$frames"' EXIT

window=$(xdotool search --sync --name '^Convex Hull$' | head -n 1)
sleep 1

# The maximized window: its title bar, menus, layout and status line, with room on the right for
# the question.
area=840x768+0+0
frame_args=()
last=""
# Photographs the screen and keeps the picture, for the given hundredths of a second, unless it
# shows nothing new.
photograph() {
    local file
    file="$frames/$(printf '%03d' ${#frame_args[@]}).png"
    import -window root -crop "$area" +repage "$file"
    local sum
    sum=$(md5sum <"$file")
    if [ "$sum" = "$last" ]; then
        rm "$file"
        return
    fi
    last=$sum
    frame_args+=(-delay "$1" "$file")
}

# Positions in the layout are below the menu bar, 19 pixels high with the default font at 96 DPI.
menu=19
# Clicks a point of the layout; the drawing area's inner corner is at (18, 18). Synthetic clicks too
# close together can be lost under a window manager.
click() {
    xdotool mousemove --window "$window" "$1" $(($2 + menu))
    sleep 0.05
    xdotool click 1
    sleep 0.1
}

# The slowest pace, one step a second: from the drawing area, Shift+Tab reaches the speed bar.
# Ctrl+E shows what each step does.
xdotool key shift+Tab End ctrl+e
photograph 80

awk 'BEGIN { srand(11); for (i = 0; i < 15; i++) printf "%d %d\n", 18 + 30 + int(rand() * 460), 18 + 30 + int(rand() * 410) }' >"$frames/points"
clicked=0
while read -r x y; do
    click "$x" "$y"
    clicked=$((clicked + 1))
    if [ $((clicked % 5)) -eq 0 ]; then photograph 70; fi
done <"$frames/points"

click 216 524 # START
xdotool mousemove --window "$window" 900 700
sleep 0.3
photograph 120

# One frame per step until the question comes up.
while [ "$(xdotool search --name '^Convex Hull$' | wc -l)" -lt 2 ]; do
    photograph 100
    sleep 0.25
done
sleep 0.5
photograph 400
cp "${frame_args[-1]}" docs/screenshot.png

convert "${frame_args[@]}" -loop 0 -layers Optimize docs/run.gif
echo "Wrote docs/screenshot.png and docs/run.gif ($(((${#frame_args[@]}) / 3)) frames)"
