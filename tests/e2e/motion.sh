#!/usr/bin/env bash
# The motion tests on two heads of 60 and 50 Hz: M shows the moving blocks on each head at its own rate,
# frame by frame as the render tool draws them, and M again the vertical blocks and the frame steps; Up
# steps the speed; the help shows over the motion and a still pattern stops it; a head resized while the
# blocks move shows them at its new size.
# Usage: motion.sh WINE-LOADER tessaryn.exe tessaryn-render.exe (on a display of its own with the heads
# DUMMY0 1024x768 at 60 Hz and DUMMY1 1280x1024 at 50 Hz right of it)
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
xdisplay=$here/../../tools/xdisplay
. "$here/heads.sh"
begin_scenario motion

# frames TEST P0 P1: one screenshot in which each head shows a frame of TEST (head 0 at P0 pixels a
# frame, head 1 at P1).
frames() { shoot && shows_frame "${geometry[0]}" "$1" "$2" && shows_frame "${geometry[1]}" "$1" "$3"; }

# track TEST TOLERANCE P0 P1: for three seconds each head's frame advances at its own rate (60, 50).
track() {
    python3 "$here/motion.py" track 3 "$1" "$2" "${geometry[0]}:$3:60" "${geometry[1]}:$4:50"
}

check "the heads run at 60 and 50 Hz" [ "$(xrandr | grep -c '\*')" = 2 ]
check "start-up" start_program
xdotool key m
# 960 pixels a second: 16 a frame at 60 Hz, 19 (19.2) at 50 Hz.
check "M: each head shows a frame of the moving blocks" within 5 frames blocks 16 19
check "and they move at each head's own rate" track blocks 0.1 16 19
xdotool key m
check "M again: the vertical blocks" within 5 frames blocks-v 16 19
check "moving at each head's own rate" track blocks-v 0.1 16 19
xdotool key m
check "and again: the frame steps" within 5 frames steps 16 19
check "stepping at each head's own rate" track steps 0.1 16 19
xdotool key m
check "and round to the blocks" within 5 frames blocks 16 19
# 1440 pixels a second: 24 a frame at 60 Hz, 29 (28.8) at 50 Hz.
xdotool key Up
sleep 0.5
check "Up: the blocks at the next speed" track blocks 0.15 24 29
xdotool key Home
sleep 0.5
check "Home: at 960 again" track blocks 0.15 16 19

xdotool key F1
# help_over_motion: the help's dark box in the centre of each head, and the blocks still moving.
help_over_motion() {
    local g size x y mean
    shoot || return 1
    for g in "${geometry[@]}"; do
        size=${g%%+*}
        IFS=+ read -r _ x y <<<"$g"
        mean=$(convert "xwd:$dir/now.xwd" -crop "40x20+$(( x + ${size%x*} / 2 - 20 ))+$(( y + ${size#*x} / 2 - 10 ))" \
            -colorspace gray -format '%[fx:int(mean*255)]' info:)
        [ "$mean" -lt 100 ] || { echo "no help box on $g (mean $mean)" >&2; return 1; }
    done
}
check "F1: the help over the motion on every head" within 5 help_over_motion
# The second head's help (without the keys) leaves its top band free to read.
check "and the motion goes on under it" python3 "$here/motion.py" track 2 blocks 0.1 "${geometry[1]}:19:50"
xdotool key 1
check "1: the level ramp chart stands still on every head" heads_show 9
xdotool key m
check "M: the blocks again" within 5 frames blocks 16 19

"$xdisplay" head DUMMY1 1024x768@50+1024+0
mapfile -t geometry < <(heads)
check "a head resized while the blocks move (${geometry[*]}): a frame at its new size" within 8 frames blocks 16 19
check "moving at its rate" track blocks 0.1 16 19
xdotool key Escape
check "Esc ends the program" ends_with_zero
echo "$(( $(date +%s) - started )) s"
summary
