#!/usr/bin/env bash
# Drives tessaryn-render as its users do: good arguments give the right picture, bad ones one line on
# stderr, a non-zero exit and no file. Usage: render-tool-test.sh WINE-LOADER tessaryn-render.exe
set -u
loader=$1 tool=$2
dir=$(mktemp -d /tmp/render-test.XXXXXX)
trap 'rm -rf "$dir"' EXIT
failures=0 checks=0

check() { # check WHAT CONDITION...
    local what=$1
    shift
    checks=$((checks + 1))
    if "$@"; then return 0; fi
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
}

render() { "$loader" "$tool" "$@" >"$dir/out" 2>"$dir/err" </dev/null; }

# A 64x48 centre square: side 7 at (28, 20), everything else black.
render 11 64 48 32 "Z:$dir/square.bmp"
check "a good call exits 0" [ $? -eq 0 ]
check "it reports no error" [ -z "$(grep tessaryn-render "$dir/err")" ]
header() { od -An -t u"$2" -j "$1" -N "$2" "$dir/square.bmp" | tr -d ' '; }
check "a BMP file" [ "$(head -c 2 "$dir/square.bmp")" = BM ]
check "64 x 48 pixels" [ "$(header 18 4)x$(header 22 4)" = 64x48 ]
check "24 bits a pixel" [ "$(header 28 2)" = 24 ]
histogram=$(convert "$dir/square.bmp" -format '%c' histogram:info: 2>/dev/null)
check "49 white pixels" grep -q '49: (255,255,255)' <<<"$histogram"
check "3023 black pixels" grep -q '3023: (0,0,0)' <<<"$histogram"
check "the square where it belongs" \
    [ "$(convert "$dir/square.bmp" -crop 7x7+28+20 -format '%[fx:minima]' info: 2>/dev/null)" = 1 ]
check "no temporary file left" [ -z "$(ls "$dir" | grep -v -e '^square.bmp$' -e '^out$' -e '^err$')" ]

# The ramp chart told of an 8-bit display has 52 steps a ramp, so far fewer colours.
render 9 1024 768 8 "Z:$dir/ramp8.bmp"
render 9 1024 768 32 "Z:$dir/ramp32.bmp"
check "8 bits renders" [ -s "$dir/ramp8.bmp" ]
check "32 bits renders" [ -s "$dir/ramp32.bmp" ]
# Row 300 crosses the red ramp (rows 288-311), inside the white frame.
steps() { convert "$dir/$1" -crop 1022x1+1+300 -format '%k' info: 2>/dev/null || echo 0; }
check "8 bits: 52 steps in the red ramp" [ "$(steps ramp8.bmp)" = 52 ]
check "32 bits: 256 steps in the red ramp" [ "$(steps ramp32.bmp)" = 256 ]

# A field by its name: every pixel its colour.
render gray 33 17 8 "Z:$dir/gray.bmp"
check "a field renders" [ $? -eq 0 ]
check "every pixel of the gray field is 128" \
    grep -q '561: (128,128,128)' <<<"$(convert "$dir/gray.bmp" -format '%c' histogram:info: 2>/dev/null)"

# A patch: gray 128 in a 10% window of 64x48 (3072 pixels: 307, side 17).
render 11:128:10 64 48 32 "Z:$dir/patch.bmp"
histogram=$(convert "$dir/patch.bmp" -format '%c' histogram:info: 2>/dev/null)
check "a patch: 289 pixels of gray 128" grep -q '289: (128,128,128)' <<<"$histogram"
check "a patch: the rest black" grep -q '2783: (0,0,0)' <<<"$histogram"

# The other charts by name: the inverted checkerboard's corner is black, the grid's lines 64 levels
# off its field (a 5x5 grid of 64x48 at 128: lines at columns 12, 25, 38, 51 and rows 9, 19, 28, 38).
render checker:inverted 64 48 32 "Z:$dir/checker.bmp"
check "the inverted checkerboard starts black" \
    [ "$(convert "$dir/checker.bmp" -format '%[pixel:p{0,0}] %[pixel:p{16,0}]' info: 2>/dev/null)" = "srgb(0,0,0) srgb(255,255,255)" ]
render uniformity:128:5 64 48 8 "Z:$dir/grid.bmp"
histogram=$(convert "$dir/grid.bmp" -format '%c' histogram:info: 2>/dev/null)
check "a grid: 2640 pixels of the field" grep -q '2640: (128,128,128)' <<<"$histogram"
check "a grid: 432 pixels of its lines" grep -q '432: (64,64,64)' <<<"$histogram"

# A frame of a motion test: at 64x48 the blocks are 5 pixels a side in rows 5 to 9 of the first band;
# frame 3 at 16 pixels a frame puts the white block at columns 48 to 52 and the black one at 53 to 57.
pixels() { convert "$1" -format "$(printf '%%[pixel:p{%s}] ' "${@:2}")" info: 2>/dev/null; }
render blocks:3:16 64 48 32 "Z:$dir/blocks.bmp"
check "frame 3 of the blocks: white, black and the band's gray where they belong" \
    [ "$(pixels "$dir/blocks.bmp" 50,6 55,6 45,6 50,2)" = "srgb(255,255,255) srgb(0,0,0) srgb(64,64,64) srgb(64,64,64) " ]
render blocks 64 48 32 "Z:$dir/blocks0.bmp"
check "the blocks alone: frame 0, the white block at the left edge" \
    [ "$(pixels "$dir/blocks0.bmp" 0,6 5,6)" = "srgb(255,255,255) srgb(0,0,0) " ]

bad() { # bad WHAT EXPECTED-WORD ARGS...
    local what=$1 word=$2
    shift 2
    render "$@"
    local status=$?
    check "$what: non-zero exit" [ $status -ne 0 ]
    check "$what: one line on stderr" [ "$(grep -c tessaryn-render "$dir/err")" -eq 1 ]
    check "$what: the line names the problem" grep -q -i "$word" "$dir/err"
    check "$what: no file" [ ! -e "$dir/bad.bmp" ]
    check "$what: no partial file" [ ! -e "$dir/bad.bmp.part" ]
}
bad "unknown mode" mode 5 64 48 32 "Z:$dir/bad.bmp"
bad "mode with junk" mode 9x 64 48 32 "Z:$dir/bad.bmp"
bad "a field's key is not its name" mode 0 64 48 32 "Z:$dir/bad.bmp"
bad "a patch level above 255" mode 11:256:2 64 48 32 "Z:$dir/bad.bmp"
bad "a patch size not in the table" mode 11:128:3 64 48 32 "Z:$dir/bad.bmp"
bad "a grid of 4 regions" mode uniformity:128:4 64 48 32 "Z:$dir/bad.bmp"
bad "parameters for a chart without any" mode gamma:128:3 64 48 32 "Z:$dir/bad.bmp"
bad "a motion test at 10 bits" "beyond 8 bits" steps:5:16 64 48 30 "Z:$dir/bad.bmp"
bad "a frame of no pixels a frame" mode blocks:5:0 64 48 32 "Z:$dir/bad.bmp"
bad "a frame with a sign" mode blocks-v:-5:16 64 48 32 "Z:$dir/bad.bmp"
bad "zero width" width 11 0 48 32 "Z:$dir/bad.bmp"
bad "width above 16384" width 11 16385 48 32 "Z:$dir/bad.bmp"
bad "negative height" height 11 64 -1 32 "Z:$dir/bad.bmp"
bad "16 bits per pixel" bits 11 64 48 16 "Z:$dir/bad.bmp"
bad "a width with a space and a sign" width 11 " +5" 48 32 "Z:$dir/bad.bmp"
bad "a height with a sign" height 11 64 +48 32 "Z:$dir/bad.bmp"
bad "a patch level with a sign" mode 11:+128:2 64 48 32 "Z:$dir/bad.bmp"
bad "too few arguments" usage 11 64 48 32
bad "unwritable path" "cannot write" 11 64 48 32 "Z:$dir/missing/bad.bmp"
check "nothing left in a missing folder" [ ! -e "$dir/missing" ]

echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
