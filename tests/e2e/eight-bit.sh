#!/usr/bin/env bash
# On a palette display (the bench at depth 8): every head shows each pattern and field exactly as the
# render tool draws it for an 8-bit display (52-step ramps), whatever came before, every colour exact.
# Usage: eight-bit.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario eight-bit
bits=8

check "the display works through a palette" [ "$(xdpyinfo | awk '/depth of root window/ { print $5 }')" = 8 ]
check "start-up" start_program
check "every head shows the start-up pattern" heads_show 9
# Each pattern after each other one: the colours one pattern leaves in the system palette must not
# change what the next shows.
for step in 2:8 3:7 4:11 3:7 2:8 1:9 3:7 4:11 2:8 4:11 1:9 5:red 0:gray 3:7 9:black 8:white 6:green 7:blue 1:9 \
    g:gamma i:inversion c:checker c:checker:inverted u:uniformity 2:8; do
    xdotool key "${step%%:*}"
    check "key ${step%%:*} shows ${step#*:} on every head" heads_show "${step#*:}"
done
# The moving blocks too, frame by frame, in the palette's grays (the bench's slow modes count as 60 Hz:
# 16 pixels a frame).
xdotool key m
# blocks_on_every_head: each head shows a frame of the blocks.
blocks_on_every_head() { local g; for g in "${geometry[@]}"; do shows_frame "$g" blocks 16 || return 1; done; }
check "M: the moving blocks on every head, exactly" within 5 blocks_on_every_head
# A measurement patch's level is exact too (after its label has gone).
xdotool key 4 Down Down shift+Up
check "a patch at level 205 on every head" heads_show 11:205:2
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero

# Calibration software's colours too, exactly, in the palette the program builds for each picture.
read -r port < <(free_ports 1)
peer_start "$here/hostile-peer.py" "$port"
check "start-up with /resolve and /depth 10" start_program /resolve "127.0.0.1:$port" /depth 10
check "Tessaryn connects" peer_ask accept accepted 10
for color in "200 100 50" "3 2 1" "251 253 255"; do
    # shellcheck disable=SC2086
    check "a remote patch of $color on every head" peer_patch $color
done
# Deep content on a palette display need not be exact, but must leave everything else as it was.
check "a 10-bit patch" peer_ask "message <calibration><color red=\"513\" green=\"2\" blue=\"1000\" bits=\"10\"/><background red=\"1\" green=\"1\" blue=\"1\" bits=\"10\"/><geometry x=\"0\" y=\"0\" cx=\"1\" cy=\"1\"/></calibration>" sent
xdotool key d
sleep 1
check "and the depth chart leave the program running" kill -0 "$pid"
check "and the next patch exact" peer_patch 60 120 180
xdotool key 1
check "and the next pattern exact" heads_show 9
peer_stop
xdotool key Escape
check "Esc ends the program with 0 and no window" ends_with_zero
summary
