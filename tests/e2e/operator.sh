#!/usr/bin/env bash
# Operator scenarios on whatever heads the bench display has: every head shows each pattern exactly as
# the render tool draws it at that head's size; keys, clicks and quitting behave as the operator expects.
# Usage: operator.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario operator

check "start-up" start_program
check "every head shows the start-up pattern" heads_show 9
check "exactly one window a head: the frame's own is never shown" \
    [ "$(visible_windows | wc -l)" -eq ${#geometry[@]} ]
check "the focus starts on screen 0" focus_on_screen0

for step in 2:8 3:7 4:11 1:9; do
    xdotool key "${step%:*}"
    check "key ${step%:*} shows ${step#*:} on every head" heads_show "${step#*:}"
    check "after key ${step%:*} the focus is on screen 0" focus_on_screen0
done
xdotool key 2
check "key 2" heads_show 8
xdotool key 2
check "key 2 again keeps pattern 8" heads_show 8
check "and the focus on screen 0" focus_on_screen0

# Keys that mean nothing change nothing: the screens stay pixel-identical.
screenshot "$dir/before.xwd"
xdotool key b z Q Return Tab BackSpace slash
sleep 0.5
screenshot "$dir/after.xwd"
check "other letters, Enter, Tab, Backspace and / change nothing" same_shots "$dir/before.xwd" "$dir/after.xwd"

# The solid fields, each exact on every head; a click then shows the chart after the last one shown.
for step in 5:red 6:green 7:blue 8:white 9:black 0:gray; do
    xdotool key "${step%:*}"
    check "key ${step%:*} shows the ${step#*:} field on every head" heads_show "${step#*:}"
done
check "after the fields the focus is on screen 0" focus_on_screen0
click "${geometry[0]}" 1
check "a left click after the fields (key 2 last) shows 7" heads_show 7

# Left clicks on screen 0 (the active window) step the cycle.
xdotool key 1
check "key 1" heads_show 9
for mode in 8 7 11 9; do
    click "${geometry[0]}" 1
    check "a left click on screen 0 shows $mode" heads_show $mode
done
xdotool key 3
check "key 3" heads_show 7
click "${geometry[0]}" 1
check "after key 3 a left click shows 11" heads_show 11
xdotool key 2
check "key 2 before the long run" heads_show 8

# A long run (two-head bench only): a digit held in auto-repeat for ten seconds, then 200 clicks.
if [ "${LONG_RUN:-0}" = 1 ]; then
    xdotool keydown 2
    sleep 10
    xdotool keyup 2
    check "after holding 2 for ten seconds every head shows 8" heads_show 8
    check "and the focus is on screen 0" focus_on_screen0
    size=${geometry[0]%%+*} pos=${geometry[0]#*+}
    xdotool mousemove $(( ${pos%+*} + ${size%x*} / 2 )) $(( ${pos#*+} + ${size#*x} / 2 ))
    xdotool click --repeat 200 --delay 40 1
    check "200 clicks later (a multiple of the cycle) every head shows 8 again" heads_show 8
    click "${geometry[0]}" 1
    check "and the next click shows 7" heads_show 7
fi
xdotool key 4
check "key 4" heads_show 11

# On another screen the first click only activates that window; the second acts.
if [ ${#geometry[@]} -ge 2 ]; then
    last=${geometry[$(( ${#geometry[@]} - 1 ))]}
    screenshot "$dir/before.xwd"
    click "$last" 1
    sleep 0.5
    screenshot "$dir/after.xwd"
    check "the first click on another screen changes nothing" same_shots "$dir/before.xwd" "$dir/after.xwd"
    click "$last" 1
    check "the second click there shows the next pattern" heads_show 9
    check "and the focus is back on screen 0" focus_on_screen0
    click "$last" 3
    sleep 0.5
    check "a right click on the now inactive screen does not quit" kill -0 "$pid"
    click "$last" 3
    check "the second right click there quits with 0" ends_with_zero
else
    xdotool key Escape
    check "Esc quits with 0" ends_with_zero
fi

# Every way of quitting, from the start.
for way in Escape space click3 click2; do
    check "start-up for $way" start_program
    check "start-up pattern before $way" heads_show 9
    case $way in
        click*) click "${geometry[0]}" "${way#click}" ;;
        *) xdotool key "$way" ;;
    esac
    check "$way ends the program with 0 and no window" ends_with_zero
done

echo "${#geometry[@]} heads, $(( $(date +%s) - started )) s"
summary
