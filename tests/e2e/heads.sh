# Shared by the end-to-end scripts. The helper programs beside this file:
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The heads of $DISPLAY as "WxH+X+Y" lines, in output order.
heads() {
    xrandr --listmonitors | awk 'NR > 1 { split($3, a, "[/x+]"); print a[1] "x" a[3] "+" a[5] "+" a[6] }'
}

# screenshot FILE: the whole root window (every head), as xwd writes it.
screenshot() { xwd -root -silent >"$1"; }

# same_shots A B: whether two screenshots are the same, pixel for pixel.
same_shots() { cmp -s "$1" "$2" || { echo "$1 and $2 differ" >&2; return 1; }; }

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

# uncovered GEOMETRY...: no window of ours covers these heads.
uncovered() { local g; for g in "$@"; do ! window_at "$g" || return 1; done; }

# expected MODE SIZE: the render tool's picture of a pattern at a head's size, made once for all the
# scenarios of a run ($TESSARYN_PICTURES, which the bench sets), or once for this one. On a display of
# 10 bits per colour (bits=30) the depth chart is its 10-bit codes (a PPM file), every other pattern
# the 8-bit picture.
expected() {
    local depth=${bits:-32} type=bmp
    if [ "$depth" = 30 ]; then
        if [ "$1" = depth ]; then type=ppm; else depth=32; fi
    fi
    local file="${TESSARYN_PICTURES:-$dir}/expected-${1//:/_}-$2-$depth.$type" # a patch's mode holds colons
    # Drawn under a name of its own, then renamed: scenarios that run at once may draw the same picture.
    # A loaded CI machine once saw the render tool fail to draw a picture it drew a moment later (the
    # cause was not recorded): a second try, with the first one's reason said.
    local try status
    for try in 1 2; do
        [ -s "$file" ] && break
        "$loader" "$render" "$1" "${2%x*}" "${2#*x}" "$depth" "Z:$file.$$" </dev/null >"$file.$$.log" 2>&1
        status=$?
        [ $status = 0 ] && mv "$file.$$" "$file" && break
        echo "the render tool did not draw $1 at $2 ($depth bits; try $try, exit $status): $(tail -n 5 "$file.$$.log")" >&2
        rm -f "$file.$$"
    done
    rm -f "$file.$$.log"
    [ -s "$file" ] || return 1
    echo "$file"
}

# top_window_at GEOMETRY: the uppermost shown window of ours that covers exactly that head (xwininfo
# lists the root's children from the top, shown or not): where a pattern shows at 10 bits, the window of
# its swap chain, which stays, hidden, while the screen shows 8 bits.
top_window_at() {
    local id
    for id in $(xwininfo -root -children | awk -v want="$1" '/"tessaryn.exe"/ {
        for (i = 1; i <= NF; ++i) if ($i == want) print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    return 1
}

# shoot: what the heads show now, for `shows` to look at. On a palette display (bits=8) each window is
# read with its own colormap when it is looked at (the root window's would show other colours); on a
# display of 10 bits per colour (bits=30) each head's uppermost window is read by itself (the root's
# picture over windows of several visuals is cut to 8 bits, or worse).
shoot() { [ "${bits:-32}" = 8 ] || [ "${bits:-32}" = 30 ] || screenshot "$dir/now.xwd"; }

# shows GEOMETRY PICTURE...: each of these heads shows exactly its picture (a BMP or PPM file) in what
# `shoot` took last.
shows() {
    if [ "${bits:-32}" != 8 ] && [ "${bits:-32}" != 30 ]; then
        python3 "$e2e_dir/pictures.py" same "$dir/now.xwd" "$@"
        return
    fi
    local id
    while [ $# -gt 0 ]; do
        if [ "${bits:-32}" = 8 ]; then id=$(window_at "$1"); else id=$(top_window_at "$1"); fi
        xwd -id "$id" -silent >"$dir/window.xwd" &&
            python3 "$e2e_dir/pictures.py" same "$dir/window.xwd" "${1%%+*}+0+0" "$2" || return 1
        shift 2
    done
}

# shows_frame GEOMETRY TEST P: the head shows a frame of the motion test TEST at P pixels a frame (the one
# its blocks, lit cell and ticks say), exactly as the render tool draws it, above the readout (the
# bottom fifth aside): in what `shoot` took last, or, on a palette display, read now by its window.
shows_frame() {
    local g=$1 size=${1%%+*} shot=$dir/now.xwd at=${1#*+} n picture
    if [ "${bits:-32}" = 8 ]; then
        shot=$dir/window.xwd at=0+0
        xwd -id "$(window_at "$g")" -silent >"$shot" || return 1
    fi
    n=$(python3 "$e2e_dir/motion.py" frame "$shot" "$size+$at" "$2" "$3") || return 1
    picture=$(expected "$2:$n:$3" "$size") || return 1
    python3 "$e2e_dir/pictures.py" part "$shot" "${size%x*}x$(( ${size#*x} * 4 / 5 ))+$at" "$picture"
}

# heads_show MODE: every head shows that pattern exactly, within a few seconds.
heads_show() { heads_match expected "$1"; }

# heads_match PICTURE ARGS...: every head shows exactly the picture that `PICTURE ARGS... SIZE` names
# for its size, within a few seconds.
heads_match() {
    local g picture wanted=()
    for g in "${geometry[@]}"; do # drawn before the clock runs
        picture=$("$@" "${g%%+*}") || return 1
        wanted+=("$g" "$picture")
    done
    for _ in $(seq 20); do
        # While the monitors change, a screenshot can fail (BadMatch): the next try takes another.
        shoot 2>/dev/null && shows "${wanted[@]}" 2>"$dir/differs" && return 0
        sleep 0.25
    done
    echo "the heads do not show $*: $(cat "$dir/differs")" >&2
    [ -s "$dir/now.xwd" ] && convert "xwd:$dir/now.xwd" "${failshot:-/tmp}/tessaryn-failed-${2//[:\/ ]/_}.png" 2>/dev/null
    return 1
}

# within SECONDS COMMAND...: the command succeeds within that many whole seconds (tried every quarter
# second).
within() {
    local limit=$(( $(date +%s%N) + $1 * 1000000000 ))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -lt "$limit" ] || return 1
        sleep 0.25
    done
}

# something_over GEOMETRY PICTURE: the head shows the picture with something small over it (less than
# a quarter of its pixels differ: a label, not another pattern).
something_over() {
    local size=${1%%+*} differing
    differing=$(shows "$1" "$2" 2>&1 >/dev/null | sed -n 's/.*: \([0-9]*\) pixels differ.*/\1/p')
    [ -n "$differing" ] && [ "$differing" -lt $(( ${size%x*} * ${size#*x} / 4 )) ]
}

# label_over MODE [MS] [HEAD]: within MS milliseconds (1800), in one screenshot, the head HEAD (0, the
# first) shows the pattern MODE with something over it (a label, a status, a warning) and the other
# heads show it exactly. (The labelled head is read first: where each head is read by itself, reading
# the others takes a while.)
label_over() {
    local mode=$1 limit=${2:-1800} head=${3:-0} i start others=() labelled
    for i in "${!geometry[@]}"; do
        [ "$i" = "$head" ] || others+=("${geometry[$i]}" "$(expected "$mode" "${geometry[$i]%%+*}")")
    done
    labelled=$(expected "$mode" "${geometry[$head]%%+*}")
    start=$(date +%s%N)
    while [ $(( ($(date +%s%N) - start) / 1000000 )) -lt "$limit" ]; do
        shoot
        if something_over "${geometry[$head]}" "$labelled" &&
            { [ ${#others[@]} -eq 0 ] || shows "${others[@]}" 2>/dev/null; }; then
            return 0
        fi
    done
    echo "nothing over head $head, or another head not showing $mode" >&2
    return 1
}

# label_then_patch KEYS MODE: after the keys the other heads show the pattern MODE, the first head with a
# label over it (the label is up for two seconds only); it goes by itself, and then the first head too
# shows exactly the pattern.
label_then_patch() {
    local g
    for g in "${geometry[@]}"; do expected "$2" "${g%%+*}" >/dev/null; done # drawn before the clock runs
    xdotool key $1
    label_over "$2" && heads_show "$2"
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

# remote_picture BITS R G B BR BG BB X Y CX CY SIZE: the picture a head of that size must show (at 10
# bits per colour where $remote_depth is 10).
remote_picture() {
    local file="$dir/remote-${*// /_}-${remote_depth:-8}.ppm"
    [ -s "$file" ] || python3 "$e2e_dir/remote-picture.py" "${12%x*}" "${12#*x}" "${@:1:11}" "$file" \
        "${remote_depth:-8}" 2>/dev/null
    echo "$file"
}
