#!/usr/bin/env bash
# The operator's side on the standard bench: F1 shows the help box over the pattern on every head (the
# rest of each head exactly the pattern) and the next key takes it away and acts; the command line
# chooses the screens, the first pattern and a timed run; a bad option shows a message box, no
# pattern, and ends with 1.
# Usage: options.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario options

# help_box_on GEOMETRY MODE: in the last screenshot the head differs from the pattern only in a dark box
# at its centre.
help_box_on() {
    local g=$1 size=${1%%+*} box w h x y
    convert "xwd:$dir/now.xwd" -crop "$g" +repage "$dir/head.png"
    box=$(convert "$dir/head.png" "$(expected "$2" "$size")" -compose difference -composite -format '%@' info:)
    IFS='x+' read -r w h x y <<<"$box"
    [ "$w" -gt 50 ] && [ "$h" -gt 30 ] || { echo "no box on $g ($box)" >&2; return 1; }
    # Centred (within a pixel of rounding) and dark.
    [ $(( 2 * x + w - ${size%x*} )) -ge -2 ] && [ $(( 2 * x + w - ${size%x*} )) -le 2 ] &&
        [ $(( 2 * y + h - ${size#*x} )) -ge -2 ] && [ $(( 2 * y + h - ${size#*x} )) -le 2 ] ||
        { echo "the box on $g is not centred ($box)" >&2; return 1; }
    local mean
    mean=$(convert "$dir/head.png" -crop "$box" -colorspace gray -format '%[fx:int(mean*255)]' info:)
    [ "$mean" -lt 80 ] || { echo "the box on $g is not dark (mean $mean)" >&2; return 1; }
}

check "start-up" start_program
xdotool key 3
check "key 3" heads_show 7
xdotool key F1
# help_boxes: in one screenshot, every head shows the box over the step bands.
help_boxes() {
    local g
    shoot
    for g in "${geometry[@]}"; do help_box_on "$g" 7 2>"$dir/box" || return 1; done
}
check "F1: a dark box in the centre of every head, the rest exactly the step bands" within 5 help_boxes ||
    cat "$dir/box" >&2
xdotool key 2
check "the next key takes the box away and shows its pattern" heads_show 8
xdotool key Escape
check "Esc ends the program" ends_with_zero

if [ ${#geometry[@]} -ge 2 ]; then
    want=1 check "/screens 2 covers one head" start_program /screens 2 /pattern 8
    first=("${geometry[@]}")
    geometry=("${first[1]}")
    check "/screens 2 /pattern 8: the second head shows the white field" heads_show white
    geometry=("${first[@]}")
    check "and the first head stays the desktop" uncovered "${geometry[0]}"
    xdotool key Escape
    check "Esc ends the program" ends_with_zero
fi

check "/pattern 3" start_program /pattern 3
check "/pattern 3 starts on the step bands" heads_show 7
xdotool key Escape
check "Esc ends the program" ends_with_zero

# The first head carries each step's name for a moment; the last one shows the pattern alone.
last=${geometry[$(( ${#geometry[@]} - 1 ))]}
expected 7 "${last%%+*}" >/dev/null
check "/auto 2" start_program /auto 2
started_run=$(date +%s)
# stepped_twice: the last head shows the third pattern of the run.
stepped_twice() { shoot && shows "$last" "$(expected 7 "${last%%+*}")" 2>/dev/null; }
check "/auto 2: the run steps twice in about four seconds" within 8 stepped_twice
check "/auto 2: not before" [ $(( $(date +%s) - started_run )) -ge 3 ]
xdotool key Escape
check "Esc ends the timed run and the program" ends_with_zero

"$loader" "$program" /bogus </dev/null >>"$dir/program.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    boxid=$(xdotool search --onlyvisible --name '^Tessaryn$' 2>/dev/null | head -n 1)
    [ -n "$boxid" ] && break
    sleep 0.2
done
check "a bad option shows a message box" [ -n "$boxid" ]
check "and no pattern window" uncovered "${geometry[@]}"
xdotool windowfocus "$boxid" 2>/dev/null
xdotool key Return
check "a bad option ends with 1" ends_with_zero 1

echo "$(( $(date +%s) - started )) s"
summary
