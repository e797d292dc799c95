#!/usr/bin/env bash
# The monitors change while Tessaryn runs: a head resized, added, removed, moved left of the primary,
# turned to portrait, made primary, and a burst of changes. After each, every head shows the current
# pattern exactly as the render tool draws it at the head's new size; keys and clicks still work.
# Usage: monitor-changes.sh WINE-LOADER tessaryn.exe tessaryn-render.exe (on a display of its own that
# starts with the heads DUMMY0 1024x768 and DUMMY1 1280x1024 right of it)
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
xdisplay=$here/../../tools/xdisplay
. "$here/heads.sh"
begin_scenario monitor-changes

# change WHAT MODE "OUTPUT GEOMETRY|off [primary]"...: one change of the monitors (one or more heads at
# once), after which every head shows MODE and has exactly one window.
change() {
    local what=$1 mode=$2 head start
    shift 2
    start=$(date +%s%N)
    for head in "$@"; do
        # shellcheck disable=SC2086
        "$xdisplay" head $head || { check "$what: xrandr $head" false; return; }
    done
    mapfile -t geometry < <(heads)
    check "$what (${geometry[*]}): every head shows $mode" heads_show "$mode"
    check "$what: exactly one window a head" one_window_a_head
    echo "   $what: followed within $(( ($(date +%s%N) - start) / 1000000 )) ms (screenshots included)"
}

# one_window_a_head: as many visible windows of ours as heads, within a few seconds.
one_window_a_head() {
    for _ in $(seq 25); do
        [ "$(visible_windows | wc -l)" -eq ${#geometry[@]} ] && return 0
        sleep 0.2
    done
    echo "$(visible_windows | wc -l) windows on ${#geometry[@]} heads" >&2
    return 1
}

# focused_head: the geometry of the head whose window has the keyboard focus (waits a few seconds for
# the windows to settle on their heads).
focused_head() {
    local g focus
    for _ in $(seq 25); do
        focus=$(xdotool getwindowfocus 2>/dev/null)
        for g in "${geometry[@]}"; do
            [ "$focus" = "$(window_at "$g")" ] && { echo "$g"; return 0; }
        done
        sleep 0.2
    done
    echo "the focus ($focus) is on no head's window" >&2
    return 1
}

# Every picture the checks compare with is drawn before the monitors start changing: a Windows program
# that starts under Wine while the display is being reconfigured can hang.
for size in 1024x768 1280x1024 800x600 640x480 600x800; do expected 8 $size >/dev/null; done
for mode in 7 9 11; do for size in 1024x768 1280x1024; do expected $mode $size >/dev/null; done; done
check "start-up" start_program
check "every head shows the start-up pattern" heads_show 9
xdotool key 2
check "key 2" heads_show 8

change "head 1 resized to 800x600" 8 "DUMMY1 800x600+1024+0"
change "a head added at the right" 8 "DUMMY2 640x480+1824+0"
change "that head removed" 8 "DUMMY2 off"
change "head 1 moved left of the primary" 8 "DUMMY1 800x600+0+0" "DUMMY0 1024x768+800+0"
change "head 1 turned to portrait" 8 "DUMMY1 600x800+0+0"
change "head 1 made the primary" 8 "DUMMY1 600x800+0+0 primary"
check "the focus is on one of the windows" focused_head >/dev/null

# A hot-plug brings several changes within a second; a key pressed in the middle must do no harm.
start=$(date +%s%N)
"$xdisplay" head DUMMY1 1024x768+2000+0
"$xdisplay" head DUMMY2 800x600+3024+0
xdotool key 3
"$xdisplay" head DUMMY0 1280x1024+0+0 primary
"$xdisplay" head DUMMY2 off
"$xdisplay" head DUMMY1 1024x768+1280+0
echo "   five changes in $(( ($(date +%s%N) - start) / 1000000 )) ms"
mapfile -t geometry < <(heads)
check "after a burst of changes (${geometry[*]}) every head shows 7" heads_show 7
check "exactly one window a head" one_window_a_head

# Keys and clicks drive every head as before (once the layout check has surely seen the last change).
xdotool key 4
check "key 4 after the changes" heads_show 11
sleep 1.5
head=$(focused_head) || head=${geometry[0]}
click "$head" 1
check "a left click on the focused head shows 9" heads_show 9
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero

echo "$(( $(date +%s) - started )) s"
summary
