#!/usr/bin/env bash
# A blind student in the window, with Orca at its defaults and real keys: a prepared lesson
# opened, a point added by keyboard, the run started paused and stepped forward and back to its end,
# the question answered, the hull read, then the timeline taken back to the first triangle. Orca's
# log must hold each step's sentence once each time it is reached, the last one before the
# question, the point added and the hull in order.
#
# with_orca.sh LOG window_speaks.sh CONVEX_HULL LOG
set -u
program=$1 log=$2
lesson=$(mktemp --suffix=.txt)
printf '900 900\n900 6000\n6900 6000\n6900 900\n3900 3000\n7500 3500\n' >"$lesson"
output=$(mktemp)
QT_QPA_PLATFORM=xcb "$program" --paused "$lesson" >"$output" 2>&1 &
said() { grep -a -o "SPEECH OUTPUT: '.*" "$log" | sed "s/^SPEECH OUTPUT: '//; s/' *{'established.*$//"; }
# Waits until Orca has said something more that holds the text, as a student waits to hear it.
heard() {
    local before=$1 text=$2
    for _ in $(seq 150); do
        [ "$(said | grep -c -F -- "$text")" -gt "$before" ] && return 0
        sleep 0.1
    done
    # Nothing after a silence can be heard either: say what stood then, and stop.
    echo "not heard: $text"
    kill -0 %1 2>/dev/null && echo "the program is still running" || echo "the program has ended"
    echo "the focus is on: $(xdotool getwindowfocus getwindowname 2>&1)"
    echo "the program wrote:"; cat "$output"
    echo "Orca's last events:"; grep -a "EVENT MANAGER" "$log" | tail -8
    echo "Orca said:"; said | tail -5
    kill %1 2>/dev/null
    echo "0 passed, 1 failed"
    exit 1
}
press() {
    local key=$1 text=$2
    local before
    before=$(said | grep -c -F -- "$text")
    xdotool key "$key"
    heard "$before" "$text"
}
xdotool search --sync --onlyvisible --name '^Convex Hull$' >/dev/null
heard 0 'Drawing area canvas'
press a 'Add Point'
xdotool type --delay 80 7000
press Tab 'tab'
xdotool type --delay 80 6500
press Return 'notification point 7'
press Tab 'START push button'
press space 'step 0 of 4'
press period 'step 1 of 4'
press comma 'step 0 of 4'
press i 'The walk begins with the last edge'
press period 'step 1 of 4'
press period 'step 2 of 4'
press period 'step 3 of 4'
press period 'Done! Reset and start again?'
press Escape 'Speed, milliseconds a step'
press h 'The hull'
press k 'Cost of the Run on. This run: 20 orientation tests for 7 points so far.'
press t 'Timeline on'
press Tab 'Timeline, step 4 of 4'
press Home 'notification Paused at step 0 of 4'
kill %1

status=0
check() {
    if [ "$1" != "$2" ]; then
        echo "FAILED: $3: $1"
        status=1
    fi
}
lineOf() { said | grep -n -m1 -F -- "$1" | cut -d: -f1; }
check "$(said | grep -c -F 'notification point 7, lower right')" 1 "the point added by keyboard, once"
# Step 0 is reached three times, going forward, back and on the timeline; step 1 twice.
for step in 0 1 2 3; do
    check "$(said | grep -c "^notification Paused at step $step of 4: ")" "$([ "$step" = 0 ] && echo 3 || { [ "$step" = 1 ] && echo 2 || echo 1; })" \
        "step $step, once each time it was reached"
done
check "$(said | grep -c '^notification Step 4 of 4: point 7, lower right, lies outside')" 1 "the last step"
last=$(lineOf 'notification Step 4 of 4') question=$(lineOf 'Done! Reset and start again?')
[ -n "$last" ] && [ -n "$question" ] && [ "$last" -lt "$question" ] || check "$last/$question" "before" "the last step before the question"
# The question waits until the last sentence has been heard.
secondsOf() { grep -a -m1 -F -- "SPEECH OUTPUT: '$1" "$log" | awk -F'[:. ]' '{ print $1 * 3600 + $2 * 60 + $3 "." $4 }'; }
check "$(awk -v a="$(secondsOf 'notification Step 4 of 4')" -v b="$(secondsOf 'Done! Reset')" 'BEGIN { print (b - a >= 1.2) }')" 1 \
    "1.5 s between the last sentence and the question"
check "$(said | grep -c -F 'notification The hull: points 1, 2, 7, 6 and 4, counter-clockwise from point 1.')" 1 "the hull read in order"
check "$(said | grep -c '^notification The walk begins with the last edge')" 1 "a test stepped into, without its counts"
check "$(said | grep -c -F 'For 7 points on a circle: 22;')" 1 "the cost of the run, with its plot"
[ $status = 0 ] && echo "1 passed, 0 failed" || { said; echo "0 passed, 1 failed"; }
exit $status
