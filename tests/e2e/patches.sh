#!/usr/bin/env bash
# Measurement patches on the centre square: the arrow keys step its gray level and size on every head,
# a label on the first head says what is shown and goes away by itself, and then every head shows
# exactly the render tool's patch for its size. Home and any pattern change bring the standard square.
# Usage: patches.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario patches

check "start-up" start_program
xdotool key 4
check "key 4 shows the standard centre square" heads_show 11
check "Down: 90% (230)" label_then_patch Down 11:230:2
check "Down again: 80% (204)" label_then_patch Down 11:204:2
check "Shift+Up: one code value up" label_then_patch shift+Up 11:205:2
check "Right: a 5% window" label_then_patch Right 11:205:5
check "Right again: 10%" label_then_patch Right 11:205:10
check "Up: the next step above, 90% (230)" label_then_patch Up 11:230:10
check "Left twice: 2%" label_then_patch "Left Left" 11:230:2
check "Left: 1%, the smallest" label_then_patch Left 11:230:1
check "Right six times: the whole screen" label_then_patch "Right Right Right Right Right Right" 11:230:100
check "Home: the standard square" label_then_patch Home 11
check "Down before a pattern change" label_then_patch Down 11:230:2
xdotool key 1
check "key 1 still shows the ramp chart" heads_show 9
xdotool key Down
check "arrows do nothing on the ramp chart" heads_show 9
xdotool key 4
check "key 4 after a change: the standard square again" heads_show 11
xdotool key 0
check "the gray field is unchanged" heads_show gray
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero
echo "$(( $(date +%s) - started )) s"
summary
