#!/usr/bin/env bash
# The second set of charts: G, I, C, U and D (either case) show the gamma chart, the inversion chart, the
# contrast checkerboard (C again: inverted), the uniformity grid and the depth chart (here, at 8 bits
# per colour, both bands of each pair as 8 bits carry them) on every head, each exactly as the
# render tool draws it at that head's size; the grid's arrows step its level and regions with a label on
# the first head; a click after any of them shows the chart after the one last shown in the cycle.
# Usage: charts.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario charts

check "start-up" start_program
for step in g:gamma I:inversion c:checker C:checker:inverted c:checker G:gamma d:depth D:depth u:uniformity; do
    key=${step%%:*}
    xdotool key "$key"
    check "key $key shows ${step#*:} on every head" heads_show "${step#*:}"
    check "after key $key the focus is on screen 0" focus_on_screen0
done

check "Right: a 5x5 grid" label_then_patch Right uniformity:128:5
check "Down: 40% (102)" label_then_patch Down uniformity:102:5
check "Shift+Up: one code value up" label_then_patch shift+Up uniformity:103:5
check "Right: 9x9" label_then_patch Right uniformity:103:9
check "Home: back to 50% in 3x3" label_then_patch Home uniformity

for case in "1 g 8" "2 i 7" "3 C 11" "4 U 9" "2 d 7"; do
    read -r before key after <<<"$case"
    xdotool key "$before" "$key"
    click "${geometry[0]}" 1
    check "a click after key $before then $key shows $after" heads_show "$after"
done
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero
echo "$(( $(date +%s) - started )) s"
summary
