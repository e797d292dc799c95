#!/usr/bin/env bash
# Ten bits per colour, on a display that shows them (the bench at depth 30): D shows the depth chart on
# every head in exact 10-bit codes, the label and the help over it in 8-bit colours widened; a monitor
# change under it; the next key or click shows the next pattern exactly, and D again the chart exactly,
# also after the heads changed while it was away; with /depth 10 a Resolve server's 10- and 16-bit
# patches show in exact 10-bit codes on every head.
# Usage: deep.sh WINE-LOADER tessaryn.exe tessaryn-render.exe (on a display of its own at depth 30 that
# starts with the heads DUMMY0 1024x768 and DUMMY1 1280x1024 right of it)
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
xdisplay=$here/../../tools/xdisplay
. "$here/heads.sh"
begin_scenario deep
bits=30
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; [ -n "${peer_pid:-}" ] && kill $peer_pid 2>/dev/null; rm -rf "$dir"' EXIT

check "the display has 10 bits per colour" [ "$(xdpyinfo | awk '/depth of root window/ { print $5 }')" = 30 ]
# Every picture is drawn before the program starts, and before the monitors change.
for size in 1024x768 1280x1024 800x600; do expected depth $size >/dev/null; done
for mode in 9 8 7; do for size in 1024x768 1280x1024 800x600; do expected $mode $size >/dev/null; done; done
check "start-up" start_program
check "GDI's patterns stay exact at 10 bits per colour" heads_show 9
# widened_over HEAD...: each of these heads shows the depth chart with something painted over it (a
# label, the help) whose pixels are 8-bit colours as 10 bits show them, every other pixel at the chart's
# own code. Each head's uppermost window is read by itself.
widened_over() {
    local g
    for g in "$@"; do
        xwd -id "$(top_window_at "$g")" -silent >"$dir/window.xwd" &&
            python3 "$here/pictures.py" over "$dir/window.xwd" "${g%%+*}+0+0" "$(expected depth "${g%%+*}")" ||
            return 1
    done
}
xdotool key d
check "D: the first head says what the bands are, over the chart, in 8-bit colours widened" \
    within 3 widened_over "${geometry[0]}"
check "D: every head shows the depth chart in exact 10-bit codes" heads_show depth
xdotool key F1
check "F1: the help over the chart on every head, in 8-bit colours widened, the chart's codes around it" \
    within 5 widened_over "${geometry[@]}"
xdotool key F1
check "F1 again: the chart alone, exact" heads_show depth
"$xdisplay" head DUMMY1 800x600+1024+0
mapfile -t geometry < <(heads)
check "a head resized while the chart shows (${geometry[*]}): every head exact at its new size" heads_show depth
"$xdisplay" head DUMMY1 1280x1024+1024+0
mapfile -t geometry < <(heads)
check "and back" heads_show depth
xdotool key 1
check "key 1 after the chart: the level ramp chart, exact" heads_show 9
xdotool key d
check "D again: the chart exactly the second time (its swap chains kept)" heads_show depth
click "${geometry[0]}" 1
check "a click after the chart: the next chart of the cycle (after 1: 2)" heads_show 8
# Away from the chart, the first head resized and the second moved with it; then the chart again: the
# kept swap chains followed their screens while hidden.
xdotool key 1
"$xdisplay" head DUMMY0 800x600+0+0 primary
"$xdisplay" head DUMMY1 1280x1024+800+0
mapfile -t geometry < <(heads)
check "1, then a head resized and the other moved (${geometry[*]}): the ramp chart on each" heads_show 9
xdotool key d
check "and D: every head exact at its new size and place" heads_show depth
"$xdisplay" head DUMMY0 1024x768+0+0 primary
"$xdisplay" head DUMMY1 1280x1024+1024+0
mapfile -t geometry < <(heads)
xdotool key Escape
check "Esc ends the program" ends_with_zero

# Calibration software's patches at 10 bits, with /depth 10: every head's background and patch exact.
read -r port < <(free_ports 1)
peer_start "$here/hostile-peer.py" "$port"
check "start-up with /resolve and /depth 10" start_program /resolve "127.0.0.1:$port" /depth 10
check "Tessaryn connects" peer_ask accept accepted 10
remote_depth=10
# deep_patch BITS R G B BR BG BB: a patch of those codes on that background, 10% of the screen off each edge.
deep_patch() {
    local b=$1
    peer_ask "message <calibration><color red=\"$2\" green=\"$3\" blue=\"$4\" bits=\"$b\"/><background red=\"$5\" green=\"$6\" blue=\"$7\" bits=\"$b\"/><geometry x=\"0.1\" y=\"0.1\" cx=\"0.8\" cy=\"0.8\"/></calibration>" sent &&
        heads_match remote_picture "$b" "$2" "$3" "$4" "$5" "$6" "$7" 0.1 0.1 0.8 0.8
}
check "a 10-bit patch (513, 514, 515 on 1, 2, 3) exact on every head" deep_patch 10 513 514 515 1 2 3
check "a 16-bit patch exact to 10 bits on every head" deep_patch 16 32832 32896 65535 64 128 0
check "10-bit codes that 8 bits cannot tell apart (512, 513, 514)" deep_patch 10 512 513 514 1023 1022 1021
peer_stop
xdotool key Escape
check "Esc ends the program" ends_with_zero
echo "$(( $(date +%s) - started )) s"
summary
