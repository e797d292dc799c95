#!/usr/bin/python3
"""Reads the frame a head shows of a motion test, from a screenshot.

  motion.py frame SHOT.xwd WxH+X+Y TEST P   prints n: the frame of TEST (blocks, blocks-v or steps) at P
                                            pixels a frame that the head shows, as the smallest index of
                                            the frames that look alike; exit 1 where it shows none
  motion.py at SHOT.xwd WxH+X+Y TEST        prints where the blocks are along their motion (X or Y)
  motion.py track SECONDS TEST TOLERANCE WxH+X+Y:P:RATE...
                                            screenshots at most 0.3 s apart (0.2 for the steps) for SECONDS: each head's frame
                                            advances at RATE a second within TOLERANCE (0.1: 10%), and
                                            80% of the shots show a new one

The definitions, on a W x H head: blocks: three bands (k*H/3), block side s = min(H/9, W/2), the block
rows centred in each band, a white block from X = (n*P) mod W and a black one after it; blocks-v the
same turned a quarter; steps: 16 cells in rows H/8 to H/4 - 1, cell n mod 16 white, and four rungs of
rows (8+j)*H/16, only rung n mod 4 with ticks where ((c - X) mod W) mod 64 < 8."""
import math
import sys

sys.path.insert(0, __file__.rsplit("/", 1)[0])
from pictures import Shot  # noqa: E402


def levels(shot, x, y, w):
    row = shot.row(x, y, w, 8)
    return list(row[0::3])


def Period(test, p, along):
    """After how many frames a head shows the same again: the blocks come round after along / gcd(p,
    along); the steps' lit cell after 16 and their ticks (on a head a multiple of 64 wide) after
    64 / gcd(p, 64)."""
    if test == "steps":
        ticks = 64 // math.gcd(p, 64)
        return 16 * ticks // math.gcd(16, ticks)
    return along // math.gcd(p, along)


def blocks_at(shot, geometry, vertical):
    size, x0, y0 = geometry.split("+")
    w, h = (int(v) for v in size.split("x"))
    x0, y0 = int(x0), int(y0)
    along, across = (h, w) if vertical else (w, h)
    s = min(across // 9, along // 2)
    # The middle of band 2's block rows: away from the label and the readout at the bottom left.
    band = across // 3 * 2 if vertical else 0
    top = band + ((across if vertical else across // 3) - band - s) // 2 + s // 2
    if vertical:
        line = [levels(shot, x0 + top, y0 + r, 1)[0] for r in range(h)]
    else:
        line = levels(shot, x0, y0 + top, w)
    # The white block's first pixel: white, with the band's gray (or black) before it, round the end.
    for c in range(along):
        if line[c] == 255 and line[c - 1] != 255 and all(line[(c + i) % along] == 255 for i in range(s)):
            return c, along
    raise SystemExit(f"{geometry}: no white block along the motion")


def frame(shot, geometry, test, p):
    size = geometry.split("+")[0]
    w, h = (int(v) for v in size.split("x"))
    if test in ("blocks", "blocks-v"):
        at, along = blocks_at(shot, geometry, test == "blocks-v")
        g = math.gcd(p, along)
        if at % g:
            raise SystemExit(f"{geometry}: the blocks at {at} are at no frame of {p} pixels")
        period = along // g
        return (at // g) * pow(p // g, -1, period) % period if period > 1 else 0
    # steps: the lit cell says n mod 16; the ticks of the lit rung X mod 64, which with P gives n mod 64
    # where W is a multiple of 64 (the whole frame then depends on n mod 64 alone).
    _, x0, y0 = geometry.split("+")
    x0, y0 = int(x0), int(y0)
    cells = levels(shot, x0, y0 + (h // 8 + h // 4) // 2, w)
    lit = [i for i in range(16) if cells[(2 * i + 1) * w // 32] == 255]
    if len(lit) != 1:
        raise SystemExit(f"{geometry}: {len(lit)} cells lit")
    for n in range(lit[0], Period("steps", p, w), 16):
        j = n % 4
        row = levels(shot, x0, y0 + (2 * (8 + j) + 1) * h // 32, w)
        x = n * p % w
        if all((row[c] == 255) == ((c - x) % w % 64 < 8) for c in range(w)):
            return n
    raise SystemExit(f"{geometry}: no frame of the steps at {p} pixels")


def track(seconds, test, heads, tolerance, apart=0.3):
    """Screenshots at most 0.3 s apart for `seconds`, each timed (the middle of its taking): for each
    head (WxH+X+Y:P:RATE) the frames n it showed, unwrapped; true where n advanced at RATE frames a
    second within `tolerance` and at least 80% of the shots showed a new n."""
    import subprocess
    import tempfile
    import time
    shots = []
    end = time.monotonic() + seconds
    with tempfile.NamedTemporaryFile(suffix=".xwd") as f:
        while time.monotonic() < end:
            before = time.monotonic()
            subprocess.run(["xwd", "-root", "-silent", "-out", f.name], check=True)
            after = time.monotonic()
            shot = Shot(f.name)
            shots.append(((before + after) / 2, [frame(shot, h.split(":")[0], test, int(h.split(":")[1]))
                                                 for h in heads]))
            time.sleep(max(0.0, apart - (time.monotonic() - before) - 0.05))
    fine = True
    for k, head in enumerate(heads):
        geometry, p, rate = head.split(":")
        size = geometry.split("+")[0]
        w, h = (int(v) for v in size.split("x"))
        period = Period(test, int(p), h if test == "blocks-v" else w)
        total, changed = 0, 0
        for (t1, n1), (t2, n2) in zip(shots, shots[1:]):
            step = (n2[k] - n1[k]) % period
            total += step
            changed += step != 0
        span = shots[-1][0] - shots[0][0]
        measured = total / span
        share = changed / max(1, len(shots) - 1)
        ok = abs(measured - float(rate)) <= tolerance * float(rate) and share >= 0.8
        print(f"{geometry}: {measured:.1f} frames a second (want {rate}), {share:.0%} of {len(shots)} shots a new frame")
        fine = fine and ok
    return fine


def main(args):
    if len(args) >= 5 and args[0] == "track":
        # The steps look alike again after 16 frames at most: shots closer than that at 60 Hz.
        apart = 0.2 if args[2] == "steps" else 0.3
        sys.exit(0 if track(float(args[1]), args[2], args[4:], float(args[3]), apart) else 1)
    if len(args) >= 4 and args[0] == "at":
        print(blocks_at(Shot(args[1]), args[2], args[3] == "blocks-v")[0])
    elif len(args) == 5 and args[0] == "frame":
        print(frame(Shot(args[1]), args[2], args[3], int(args[4])))
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
