# Shared by the end-to-end scripts: the heads of $DISPLAY as "WxH+X+Y" lines, in output order.
heads() {
    xrandr --listmonitors | awk 'NR > 1 { split($3, a, "[/x+]"); print a[1] "x" a[3] "+" a[5] "+" a[6] }'
}

# screenshot FILE: the whole root window (every head) as a PNG.
screenshot() { xwd -root -silent | convert xwd:- "$1"; }

# same_pixels A B: whether two images are pixel-identical (prints the count of differing pixels if not).
same_pixels() {
    local diff
    diff=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [ "$diff" = 0 ] || { echo "$diff pixels differ between $1 and $2" >&2; return 1; }
}

# begin_scenario NAME: a scratch folder ($dir), removed at the end with the program ($pid) if it runs;
# the display's heads now ($geometry, printed) and the scenario's start time ($started, in seconds).
begin_scenario() {
    dir=$(mktemp -d "/tmp/$1.XXXXXX")
    pid=""
    trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$dir"' EXIT
    mapfile -t geometry < <(heads)
    echo "heads: ${geometry[*]}"
    started=$(date +%s)
}

# check WHAT COMMAND...: runs one check of a scenario, counting it as passed or failed.
passed=0 failed=0
check() {
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}

# summary: the counts, and whether every check passed.
summary() {
    echo "$passed passed, $failed failed"
    [ $failed -eq 0 ]
}

# --- Driving the real program like an operator. Needs $loader, $program, $render and $dir set. ---

# start_program [ARGS...]: starts Tessaryn with these arguments and waits until a window is visible on
# every head ($want of them if set).
start_program() {
    "$loader" "$program" "$@" </dev/null >>"$dir/program.log" 2>&1 &
    pid=$!
    local want=${want:-${#geometry[@]}}
    for _ in $(seq 150); do
        [ "$(visible_windows | wc -l)" -ge "$want" ] && return 0
        sleep 0.2
    done
    echo "the program did not show $want windows" >&2
    return 1
}

visible_windows() { xdotool search --onlyvisible --class tessaryn.exe 2>/dev/null; }

# window_at GEOMETRY: the X window of ours that covers exactly that head.
window_at() {
    local g=$1 id
    for id in $(visible_windows); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$g" ] && { echo "$id"; return 0; }
    done
    return 1
}

# expected MODE SIZE: the render tool's picture of a pattern at a head's size (made once).
expected() {
    local file="$dir/expected-${1//:/_}-$2.bmp" # a patch's mode (11:LEVEL:PERCENT) holds colons
    [ -s "$file" ] || "$loader" "$render" "$1" "${2%x*}" "${2#*x}" "${bits:-32}" "Z:$file" </dev/null >/dev/null 2>&1
    echo "$file"
}

# head_picture GEOMETRY FILE: what that head shows. On a palette display (bits=8) each window is read
# with its own colormap (the root window's would show other colours).
head_picture() {
    if [ "${bits:-32}" = 8 ]; then
        xwd -id "$(window_at "$1")" -silent | convert xwd:- "$2"
    else
        convert "$dir/now.png" -crop "$1" +repage "$2"
    fi
}

# heads_show MODE: every head shows that pattern exactly, within a few seconds.
heads_show() { heads_match expected "$1"; }

# heads_match PICTURE ARGS...: every head shows exactly the picture that `PICTURE ARGS... SIZE` names
# for its size, within a few seconds.
heads_match() {
    local g tries
    for g in "${geometry[@]}"; do "$@" "${g%%+*}" >/dev/null; done # drawn before the clock runs
    for tries in $(seq 20); do
        # While the monitors change, a screenshot can fail (BadMatch): the next try takes another.
        screenshot "$dir/now.png" 2>/dev/null
        local all=1
        for g in "${geometry[@]}"; do
            head_picture "$g" "$dir/head.png" 2>/dev/null
            same_pixels "$dir/head.png" "$("$@" "${g%%+*}")" 2>/dev/null || { all=0; break; }
        done
        [ $all = 1 ] && return 0
        sleep 0.25
    done
    echo "head $g does not show $*" >&2
    cp "$dir/now.png" "${failshot:-/tmp}/tessaryn-failed-${2//[:\/ ]/_}.png" 2>/dev/null
    return 1
}

# label_then_patch KEYS MODE: after the keys the other heads show the pattern MODE, the first head with a
# label over it; two seconds later the first head too shows exactly the pattern.
label_then_patch() {
    local keys=$1 mode=$2 g start labelled=0
    for g in "${geometry[@]}"; do expected "$mode" "${g%%+*}" >/dev/null; done # drawn before the clock runs
    xdotool key $keys
    start=$(date +%s%N)
    # One screenshot holds both: the label is up for two seconds only.
    while [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 1800 ]; do
        screenshot "$dir/now.png"
        local others=1
        for g in "${geometry[@]:1}"; do
            head_picture "$g" "$dir/head.png"
            same_pixels "$dir/head.png" "$(expected "$mode" "${g%%+*}")" 2>/dev/null || { others=0; break; }
        done
        head_picture "${geometry[0]}" "$dir/head0.png"
        if [ $others = 1 ] && ! same_pixels "$dir/head0.png" "$(expected "$mode" "${geometry[0]%%+*}")" 2>/dev/null
        then
            labelled=1
            break
        fi
    done
    [ $labelled = 1 ] || { echo "no label on the first head after $keys, or another head not showing $mode" >&2; return 1; }
    sleep 2
    heads_show "$mode"
}

# click GEOMETRY BUTTON: a click in the middle of a head.
click() {
    local g=$1 size=${1%%+*} pos=${1#*+}
    xdotool mousemove $(( ${pos%+*} + ${size%x*} / 2 )) $(( ${pos#*+} + ${size#*x} / 2 )) click "$2"
}

# focus_on_screen0: the keyboard focus is on the window of the first head.
focus_on_screen0() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(window_at "${geometry[0]}")" ]; }

# ends_with_zero [CODE]: the program ends by itself within ten seconds, with exit code 0 (or CODE) and no
# window left.
ends_with_zero() {
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid"; return 1; fi
    wait "$pid"
    local status=$?
    [ $status -eq "${1:-0}" ] || { echo "exit code $status" >&2; return 1; }
    [ -z "$(visible_windows)" ]
}

# --- The calibration software's side, for the remote scenarios: one peer program at a time, which
# reads commands on a pipe and answers each with a word on a line of its own. ---

# peer_start SCRIPT PORT: starts a peer (tests/e2e/*-peer.py) listening on PORT.
peer_start() {
    rm -f "$dir/peer.in"
    mkfifo "$dir/peer.in"
    : >"$dir/peer.out"
    peer_seen=0
    /usr/bin/python3 "$1" "$2" <"$dir/peer.in" >>"$dir/peer.out" 2>>"$dir/peer.err" &
    peer_pid=$!
    exec 7>"$dir/peer.in"
    peer_await listening 20
}

# peer_stop: the peer goes away, as software that quits.
peer_stop() {
    exec 7>&-
    kill "$peer_pid" 2>/dev/null
    wait "$peer_pid" 2>/dev/null
}

# peer_await WORD [SECONDS]: waits for the peer's next answer that is WORD (other lines are passed by).
peer_await() {
    local tries=$(( ${2:-20} * 10 )) found
    for _ in $(seq "$tries"); do
        found=$(tail -n +$((peer_seen + 1)) "$dir/peer.out" | grep -n -m 1 -x -e "$1" -e open | head -n 1)
        if [ -n "$found" ]; then
            peer_seen=$((peer_seen + ${found%%:*}))
            [ "${found#*:}" = "$1" ] && return 0
            echo "the peer answered ${found#*:}, not $1" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "the peer did not answer $1" >&2
    return 1
}

# peer_ask COMMAND WORD [SECONDS]: tells the peer a command and waits for its answer.
peer_ask() {
    echo "$1" >&7
    peer_await "$2" "${3:-20}"
}

# peer_patch R G B: the hostile peer sends a good message (8-bit levels, a patch on black, in the form
# with shapes), and every head shows it exactly.
peer_patch() {
    peer_ask "message <calibration><shapes><rectangle><color red=\"$1\" green=\"$2\" blue=\"$3\"/><geometry x=\"0.25\" y=\"0.25\" cx=\"0.5\" cy=\"0.5\"/></rectangle></shapes></calibration>" sent &&
        heads_match remote_picture 8 "$1" "$2" "$3" 0 0 0 0.25 0.25 0.5 0.5
}

# free_ports N: N ports of this machine that nothing listens on now.
free_ports() {
    python3 -c 'import socket, sys
s = [socket.socket() for _ in range(int(sys.argv[1]))]
for x in s: x.bind(("127.0.0.1", 0))
print(*[x.getsockname()[1] for x in s])' "$1"
}

# remote_picture BITS R G B BR BG BB X Y CX CY SIZE: the picture a head of that size must show.
remote_picture() {
    local file="$dir/remote-${*// /_}.ppm"
    [ -s "$file" ] || python3 "$here/remote-picture.py" "${12%x*}" "${12#*x}" "${@:1:11}" "$file" 2>/dev/null
    echo "$file"
}
