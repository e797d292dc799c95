#!/usr/bin/env bash
# The real program on the bench: it shows the start-up pattern on every head, exactly as the render
# tool draws it for that head's size, and Esc ends it with exit code 0 and no window left.
# Usage: smoke.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
dir=$(mktemp -d /tmp/smoke.XXXXXX)
trap 'kill $pid 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAILED: $*" >&2; echo "0 passed, 1 failed"; exit 1; }

mapfile -t geometry < <(heads)
[ ${#geometry[@]} -ge 1 ] || fail "no heads on $DISPLAY"

"$loader" "$program" </dev/null >"$dir/program.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --class tessaryn.exe 2>/dev/null | wc -l)" -ge ${#geometry[@]} ] && break
    sleep 0.2
done
sleep 1
screenshot "$dir/screen.png"

# The root window's origin is the leftmost head's: heads' X offsets are already root coordinates.
for g in "${geometry[@]}"; do
    size=${g%%+*}
    "$loader" "$render" 9 "${size%x*}" "${size#*x}" 32 "Z:$dir/expected-$size.bmp" </dev/null >/dev/null 2>&1 ||
        fail "tessaryn-render could not draw $size"
    convert "$dir/screen.png" -crop "$g" +repage "$dir/head-$g.png"
    same_pixels "$dir/head-$g.png" "$dir/expected-$size.bmp" || fail "head $g does not show the start-up pattern"
done

xdotool key Escape
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
kill -0 $pid 2>/dev/null && fail "Esc did not end the program"
wait $pid
status=$?
[ $status -eq 0 ] || fail "exit code $status after Esc"
[ -z "$(xdotool search --onlyvisible --class tessaryn.exe 2>/dev/null)" ] || fail "a window is left"
echo "${#geometry[@]} heads checked; 1 passed, 0 failed"
