#!/usr/bin/env bash
# Runs a command as a blind student's desktop would: a private display under openbox, a private
# session bus, the accessibility bus and Orca at its default settings, hidden from any other Orca
# of the user. Orca's debug log, with its SPEECH OUTPUT lines, goes to the file named first.
# Exits 77 (skipped, with the reason) where Orca cannot run.
#
# with_orca.sh LOG COMMAND [ARGUMENT...]
set -u
log=$1
shift
for tool in orca speech-dispatcher Xvfb openbox dbus-run-session xdotool unshare script; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }

if [ "${WITH_ORCA_INSIDE:-}" != 1 ]; then
    export WITH_ORCA_INSIDE=1
    exec unshare --pid --fork --mount-proc dbus-run-session -- "$0" "$log" "$@"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# A display number no other X server holds.
display=$((50 + RANDOM % 200))
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
# Without -noreset the server resets whenever its last client leaves: a probe leaving while
# openbox still connects would drop openbox, and the program would come up with no window manager
# and no focus.
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "skipped: Xvfb did not start"; exit 77; }
openbox >"$work/openbox.log" 2>&1 &
# The desktops are counted on the screen once openbox manages it.
for _ in $(seq 100); do xdotool get_num_desktops >/dev/null 2>&1 && break; sleep 0.1; done
xdotool get_num_desktops >/dev/null 2>&1 || {
    echo "openbox did not take the screen:"; cat "$work/openbox.log"; echo "0 passed, 1 failed"; exit 1; }
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
export GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Speech goes nowhere, there being no sound here, but Orca waits for a speech server to take it.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/home"
echo 'pcm.!default { type null }' >"$work/home/.asoundrc"
HOME=$work/home speech-dispatcher -s -t 0 -C "$(dirname "$0")/speechd" >"$work/speech.log" 2>&1 &
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done
: >"$log"
# Orca writes its log to its terminal, a pseudo-terminal that script copies to the log as each line
# comes: a plain file would get it in large blocks.
script -qfc "orca -u '$work' --debug-file=/dev/tty" "$log" >"$work/orca.out" 2>&1 &
for _ in $(seq 400); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.1; done
grep -q "SPEECH OUTPUT" "$log" || { echo "skipped: Orca did not start speaking"; tail -5 "$work/orca.out"; exit 77; }
"$@"
