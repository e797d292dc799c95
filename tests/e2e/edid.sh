#!/usr/bin/env bash
# Monitors by their EDIDs, and the operator's side in Japanese. The first head's monitor runs at its
# native mode, the second's is a 1920x1080 panel driven at 1280x1024, the third's EDID is spoiled: /list
# names them for scripts; the second head alone shows a warning over the pattern for a few seconds
# after the start and after a change of its size; the help reads the same in English and Japanese
# whether /lang or the user's locale chooses; a bad command line in Japanese still shows its box and
# ends with 1.
# Usage: edid.sh WINE-LOADER tessaryn.exe tessaryn-render.exe (on a display of its own that starts with
# the heads DUMMY0 1024x768, DUMMY1 1280x1024 and DUMMY2 800x600, left to right)
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
tools=$here/../../tools
. "$here/heads.sh"
begin_scenario edid

"$tools/edid" DUMMY0 --name "Bench One" --maker TST --product 0A01 --serial B1-0001 --native 1024x768@60 \
    --size 340x270
"$tools/edid" DUMMY1 --name "Bench Two" --maker QQQ --product 0B02 --number 4242 --native 1920x1080@60 \
    --size 530x300
"$tools/edid" DUMMY2 --name "Spoiled" --spoil
# Wine reads the EDIDs when its server starts: the bench's server started before they were there.
wineserver -k
for size in 1024x768 1280x1024 800x600; do expected 9 $size >/dev/null; done

# /list: a header and a line for each screen, tab-separated, CRLF.
"$loader" "$program" /list </dev/null >"$dir/list.txt" 2>"$dir/list.log"
check "/list ends with 0" [ $? -eq 0 ]
tr -d '\r' <"$dir/list.txt" >"$dir/list"
# field LINE NAME: the value of a field in a line of the listing (1 = the header).
field() { awk -F'\t' -v line="$1" -v name="$2" 'NR == 1 { for (i = 1; i <= NF; ++i) at[$i] = i }
    NR == line { print $(at[name]) }' "$dir/list"; }
check "/list: four lines, each ending CRLF" [ "$(grep -c $'\r$' "$dir/list.txt")" = 4 ] && [ "$(wc -l <"$dir/list")" = 4 ]
check "/list: the header" [ "$(head -n 1 "$dir/list")" = "$(printf '%s\t' screen primary left top width height \
    bits_per_pixel refresh_hz bits_per_colour maker product serial name native_mode size_mm | sed 's/\t$//')" ]
check "/list: screen 1, primary, its place and its monitor" \
    [ "$(for f in screen primary left top width height maker product serial name size_mm; do field 2 $f; done |
        paste -sd ' ')" = "1 yes 0 0 1024 768 TST 0A01 B1-0001 Bench One 340x270" ]
check "/list: screen 2 and its monitor's native mode" \
    [ "$(for f in screen primary left width maker product serial name; do field 3 $f; done | paste -sd ' ')" = \
        "2 no 1024 1280 QQQ 0B02 4242 Bench Two" ] && [[ $(field 3 native_mode) == 1920x1080@* ]]
check "/list: screen 3's spoiled EDID leaves its monitor's fields empty" \
    [ "$(for f in maker product serial name native_mode size_mm; do field 4 $f; done | paste -sd '')" = "" ] &&
    [ "$(field 4 width)x$(field 4 height)" = 800x600 ]

check "start-up" start_program
check "the second head alone warns that its monitor is not at its native mode" label_over 9 4000 1
# warning_top_left: the warning sits in the second head's top left corner.
warning_top_left() {
    local g=${geometry[1]} box x y
    convert "xwd:$dir/now.xwd" -crop "$g" +repage "$dir/head.png"
    box=$(convert "$dir/head.png" "$(expected 9 "${g%%+*}")" -compose difference -composite -format '%@' info:)
    IFS='x+' read -r _ _ x y <<<"$box"
    [ "$x" -lt 40 ] && [ "$y" -lt 40 ] || { echo "the warning is at $box" >&2; return 1; }
}
check "in its top left corner" warning_top_left
check "the warning goes by itself: every head shows the pattern" within 8 heads_show 9
"$tools/xdisplay" head DUMMY1 1024x768+1024+0
mapfile -t geometry < <(heads)
check "the second head resized, still not native: it warns again" label_over 9 4000 1
check "and it goes" within 8 heads_show 9

# help_picture FILE: the help over the first head, once it shows and stands still, as a PPM file.
help_picture() {
    local g=${geometry[0]} previous=""
    xdotool key F1
    for _ in $(seq 40); do
        shoot
        convert "xwd:$dir/now.xwd" -crop "$g" +repage "ppm:$1"
        if ! shows "$g" "$(expected 9 "${g%%+*}")" 2>/dev/null && [ -n "$previous" ] && cmp -s "$1" "$previous"; then
            rm -f "$previous"
            return 0
        fi
        cp "$1" "$1.before"
        previous=$1.before
        sleep 0.25
    done
    echo "no help on the first head" >&2
    return 1
}
check "F1: the help in English" help_picture "$dir/english.ppm"
xdotool key Escape
check "Esc ends the program" ends_with_zero

check "start-up with /lang ja" start_program /lang ja
check "F1: the help in Japanese, not the English one" help_picture "$dir/japanese.ppm" &&
    ! cmp -s "$dir/english.ppm" "$dir/japanese.ppm"
xdotool key Escape
check "Esc ends the program" ends_with_zero

# The user's language chooses where /lang does not.
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 check "start-up in a Japanese locale" start_program
check "F1: the same Japanese help" help_picture "$dir/locale.ppm" && cmp "$dir/japanese.ppm" "$dir/locale.ppm"
xdotool key Escape
check "Esc ends the program" ends_with_zero
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 check "start-up in a Japanese locale with /lang en" start_program /lang en
check "F1: the English help" help_picture "$dir/chosen.ppm" && cmp "$dir/english.ppm" "$dir/chosen.ppm"
xdotool key Escape
check "Esc ends the program" ends_with_zero

# /list with another option is a bad command line, reported in Japanese: a box, no pattern, code 1.
"$loader" "$program" /lang ja /list /pattern 3 </dev/null >>"$dir/program.log" 2>&1 &
pid=$!
check "/lang ja /list /pattern 3 shows a message box" within 20 xdotool search --onlyvisible --name '^Tessaryn$'
check "and no pattern window" uncovered "${geometry[@]}"
xdotool windowfocus "$(xdotool search --onlyvisible --name '^Tessaryn$' | head -n 1)" 2>/dev/null
xdotool key Return
check "and ends with 1" ends_with_zero 1

echo "$(( $(date +%s) - started )) s"
summary
