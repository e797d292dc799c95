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
