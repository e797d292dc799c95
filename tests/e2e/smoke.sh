#!/usr/bin/env bash
# The real program on the bench: it shows the start-up pattern on every head, exactly as the render
# tool draws it for that head's size, and Esc ends it with exit code 0 and no window left.
# Usage: smoke.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario smoke

check "the bench display has heads" [ ${#geometry[@]} -ge 1 ]
check "start-up" start_program
check "every head shows the start-up pattern" heads_show 9
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero
echo "${#geometry[@]} heads checked"
summary
