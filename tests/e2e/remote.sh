#!/usr/bin/env bash
# Tessaryn as the patch window of real calibration software on the standard bench: DisplayCAL's own
# Resolve server and ArgyllCMS's web display (dispwin -dweb) drive it, and every head shows exactly the
# requested picture after each request. A hostile server's bad input gets nothing, and the software
# going away and coming back is waited for.
# Usage: remote.sh WINE-LOADER tessaryn.exe tessaryn-render.exe
set -u
loader=$1 program=$2 render=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/heads.sh"
begin_scenario remote
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; [ -n "${peer_pid:-}" ] && kill $peer_pid 2>/dev/null;
      [ -n "${dispwin:-}" ] && kill $dispwin 2>/dev/null; rm -rf "$dir"' EXIT

read -r port argyll < <(free_ports 2)

# DisplayCAL sends each value v (0 to 1) as the 10-bit code round(v * 1023), Python's round.
codes() { python3 -c 'import sys; print(*[round(float(v) * 1023) for v in sys.argv[1:]])' "$@"; }

# resolve_shows R G B BR BG BB X Y W H: DisplayCAL sends this patch; every head shows it exactly.
resolve_shows() {
    peer_ask "send $*" sent || return 1
    # shellcheck disable=SC2046
    heads_match remote_picture 10 $(codes "${@:1:6}") "${@:7:4}"
}

peer_start "$here/resolve-peer.py" "$port"
check "start-up with /resolve" start_program /resolve "127.0.0.1:$port"
check "DisplayCAL sees Tessaryn connect" peer_ask wait connected
# Until the first patch the first head says it is connected, over the start-up pattern.
check "the first head says it is connected, the others show the start-up pattern" label_over 9 5000
check "50% gray patch on black, 10% window" resolve_shows 0.5 0.5 0.5 0 0 0 0.35 0.35 0.3 0.3
check "a red patch on blue" resolve_shows 1 0 0 0 0 1 0.1 0.2 0.3 0.4
check "a dark patch on a near-white field" resolve_shows 0.02 0.03 0.04 0.9 0.95 1 0.5 0.5 0.5 0.5
check "the whole screen" resolve_shows 0.25 0.5 0.75 0 0 0 0 0 1 1
xdotool key 2
check "a pattern key leaves the remote picture" heads_show 8
check "the next request brings it back" resolve_shows 0.6 0.6 0.6 0.1 0.1 0.1 0.25 0.25 0.5 0.5

# A run ends: DisplayCAL closes and opens a new connection for the next one.
check "DisplayCAL ends the run" peer_ask disconnect disconnected
check "Tessaryn connects again for the next run" peer_ask wait connected 10
check "and shows its patches" resolve_shows 0 1 0 0.2 0.2 0.2 0.4 0.4 0.2 0.2
# The software goes away altogether and comes back.
peer_stop
sleep 3
peer_start "$here/resolve-peer.py" "$port"
check "the software back: Tessaryn connects again" peer_ask wait connected 10
check "and shows its patches" resolve_shows 0 0 1 1 1 0 0 0 0.5 1
peer_stop

# A hostile server: a bad length or a message stalled halfway drops the connection, and Tessaryn comes
# back for more; a bad message is ignored and the connection stays. Each time a good one is then shown.
peer_start "$here/hostile-peer.py" "$port"
n=0
for bad in 00000000 00010001 ffffffff 000000ff3c63616c; do
    n=$((n + 1))
    check "hostile $bad: Tessaryn connects" peer_ask accept accepted 10
    check "hostile $bad: sent" peer_ask "frame $bad" sent
    check "hostile $bad: Tessaryn closes the connection" peer_ask closed closed 25
    check "hostile $bad: and comes back" peer_ask accept accepted 10
    check "hostile $bad: a good message afterwards is shown" peer_patch $((n * 40)) 100 200
    peer_ask close closed
done
check "bad messages: Tessaryn connects" peer_ask accept accepted 10
for message in 'not xml at all <' '<calibration><color red="1" green="2" blue="3"/></calibration>' \
    '<calibration><color red="999" green="0" blue="0"/><background red="0" green="0" blue="0"/><geometry x="0" y="0" cx="1" cy="1"/></calibration>' \
    '<calibration><shapes></shapes></calibration>' '<sheep/>'; do
    peer_ask "message $message" sent
done
check "after five bad messages on one connection a good one is shown" peer_patch 7 77 177
# Without /depth, on a screen that the system does not say takes more than 8 bits, a 16-bit patch shows
# exactly as ever: each code at its rounded 8-bit level. Each of these codes rounds otherwise where it
# goes through 10 bits first (32254 is 126 at 8 bits, but 503 of 10 bits, which 8 bits show as 125).
sixteen='<calibration><color red="32254" green="129" blue="60001" bits="16"/><background red="33281" green="130" blue="60005" bits="16"/><geometry x="0.2" y="0.3" cx="0.4" cy="0.5"/></calibration>'
check "a 16-bit patch at 8 bits, as ever" peer_ask "message $sixteen" sent
check "and on every head" heads_match remote_picture 16 32254 129 60001 33281 130 60005 0.2 0.3 0.4 0.5
peer_stop
xdotool key Escape
check "Esc ends the program" ends_with_zero

# ArgyllCMS's web display: dispwin shows its colours through Tessaryn. ArgyllCMS looks for instruments
# on the serial ports as it starts; on some sandboxed machines closing one of their device nodes
# blocks, so it runs in a mount namespace of its own with a small /dev where the machine allows one.
argyll_dispwin() {
    local script='mkdir -p "$0" && mount --bind /dev "$0" && mount -t tmpfs tmpfs /dev &&
        for n in null zero random urandom; do touch /dev/$n; mount --bind "$0/$n" /dev/$n; done
        exec "$@"'
    if unshare -m true 2>/dev/null; then
        unshare -m sh -c "$script" "$dir/host-dev" "$@"
    else
        "$@"
    fi
}
check "start-up with /argyll" start_program /argyll "127.0.0.1:$argyll"
# In its manual mode dispwin goes to the next colour when told (a Return): each is checked first.
mkfifo "$dir/dispwin.in"
argyll_dispwin stdbuf -oL dispwin -v -m "-dweb:$argyll" -C 1,0,0 -C 0.2,0.4,0.6 -C 0.5,0.5,0.5 -C 0,0,0 \
    <"$dir/dispwin.in" >"$dir/dispwin.log" 2>&1 &
dispwin=$!
exec 9>"$dir/dispwin.in"
echo >&9 # start
solid() { remote_picture 8 "$1" "$2" "$3" "$1" "$2" "$3" 0 0 1 1 "$4"; }
for patch in "1:255 0 0" "2:51 102 153" "3:128 128 128" "4:0 0 0"; do
    for _ in $(seq 100); do grep -q "^Patch no ${patch%%:*} " "$dir/dispwin.log" && break; sleep 0.1; done
    # shellcheck disable=SC2086
    check "dispwin patch ${patch%%:*} on every head" heads_match solid ${patch#*:}
    echo >&9
done
exec 9>&-
for _ in $(seq 150); do kill -0 "$dispwin" 2>/dev/null || break; sleep 0.1; done
kill "$dispwin" 2>/dev/null
wait "$dispwin" 2>/dev/null
dispwin=""
peer_start "$here/hostile-peer.py" "$argyll"
check "a broken HTTP answer is dropped" peer_ask "http HTTP/1.1 500 Oops\\r\\n\\r\\n#FF0000" answered 10
check "Tessaryn comes back and shows the next colour" \
    peer_ask "http HTTP/1.1 200 OK\\r\\nContent-Type: text/plain\\r\\n\\r\\n#123456" answered 10
check "that colour on every head" heads_match solid 18 52 86
peer_stop
xdotool key Escape
check "Esc ends the program" ends_with_zero
echo "$(( $(date +%s) - started )) s"
summary
