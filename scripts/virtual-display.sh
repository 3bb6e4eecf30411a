#!/usr/bin/env bash
# Runs the program on a virtual display with a window manager, for a machine without a desktop:
# the window opens maximized, as on a desktop. Look at it and drive it from another terminal with
# the commands it prints. It ends when the program ends (END, or Ctrl+C here).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/virtual_display.sh

use_virtual_display "scripts/$(basename "$0")" "$@"
echo "Convex Hull is on the virtual display $DISPLAY. From another terminal:"
echo "  export DISPLAY=$DISPLAY XAUTHORITY=$XAUTHORITY"
echo "  import -window root window.png   # a picture of the screen"
echo "  xdotool mousemove 200 200 click 1   # a click"
exec ./build/release/convex-hull
