#!/usr/bin/python3
"""remote-picture.py WIDTH HEIGHT BITS R G B BR BG BB X Y CX CY OUT.ppm [DEPTH]: the picture a W x H
screen must show for a remote patch, worked out here on its own: colours as codes of BITS bits (a code c
shows as the level floor(c * 255 / (2^BITS - 1) + 0.5)), the patch from floor(X * W + 0.5) to
floor((X + CX) * W + 0.5) - 1 across and likewise down, clipped to the screen. With DEPTH 10 the picture
is in 10-bit codes (a PPM of maxval 1023): floor(c * 1023 / (2^BITS - 1) + 0.5) for BITS of 9 and more,
and for fewer the 8-bit level widened, (1023 * level + 127) // 255."""
import math
import sys

w, h, bits = (int(a) for a in sys.argv[1:4])
codes = [int(a) for a in sys.argv[4:10]]
x, y, cx, cy = (float(a) for a in sys.argv[10:14])
depth = int(sys.argv[15]) if len(sys.argv) > 15 else 8
top = (1 << bits) - 1
level = [math.floor(c * 255 / top + 0.5) for c in codes]
if depth == 10:
    level = [math.floor(c * 1023 / top + 0.5) if bits > 8 else (1023 * v + 127) // 255 for c, v in zip(codes, level)]
    sample = lambda values: b"".join(v.to_bytes(2, "big") for v in values)
else:
    sample = bytes
patch, background = sample(level[0:3]), sample(level[3:6])
edge = lambda f, n: min(max(math.floor(f * n + 0.5), 0), n)
left, right = edge(x, w), edge(x + cx, w)
upper, lower = edge(y, h), edge(y + cy, h)
with open(sys.argv[14], "wb") as out:
    out.write(b"P6 %d %d %d\n" % (w, h, 1023 if depth == 10 else 255))
    inside = background * left + patch * max(right - left, 0) + background * (w - max(right, left))
    for row in range(h):
        out.write(inside if upper <= row < lower else background * w)
