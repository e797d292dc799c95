#!/usr/bin/python3
"""remote-picture.py WIDTH HEIGHT BITS R G B BR BG BB X Y CX CY OUT.ppm: the picture a W x H screen must
show for a remote patch, worked out here on its own: colours as codes of BITS bits (a code c shows as
the level floor(c * 255 / (2^BITS - 1) + 0.5)), the patch from floor(X * W + 0.5) to
floor((X + CX) * W + 0.5) - 1 across and likewise down, clipped to the screen."""
import math
import sys

w, h, bits = (int(a) for a in sys.argv[1:4])
codes = [int(a) for a in sys.argv[4:10]]
x, y, cx, cy = (float(a) for a in sys.argv[10:14])
top = (1 << bits) - 1
level = [math.floor(c * 255 / top + 0.5) for c in codes]
patch, background = bytes(level[0:3]), bytes(level[3:6])
edge = lambda f, n: min(max(math.floor(f * n + 0.5), 0), n)
left, right = edge(x, w), edge(x + cx, w)
upper, lower = edge(y, h), edge(y + cy, h)
with open(sys.argv[14], "wb") as out:
    out.write(b"P6 %d %d 255\n" % (w, h))
    inside = background * left + patch * max(right - left, 0) + background * (w - max(right, left))
    for row in range(h):
        out.write(inside if upper <= row < lower else background * w)
