#!/usr/bin/python3
"""Compares what the heads show with the pictures they must show, exactly, without a round trip
through image files of another format.

  pictures.py same SHOT.xwd WxH+X+Y PICTURE [WxH+X+Y PICTURE ...]
  pictures.py over SHOT.xwd WxH+X+Y PICTURE [WxH+X+Y PICTURE ...]
  pictures.py part SHOT.xwd WxH+X+Y PICTURE [WxH+X+Y PICTURE ...]

SHOT is what `xwd` wrote (the root window, or one window); each rectangle of it must equal its
PICTURE, a 24-bit BMP (what tessaryn-render writes) or a binary PPM (maxval 255, or 1023 for pictures in
10-bit codes). A screen of 10 bits per colour is compared with an 8-bit picture by its upper 8 bits (how
an 8-bit colour shows there). Exit status 0 when every rectangle matches; else 1, and stderr says which
rectangle differs and in how many pixels.

`part` compares each rectangle with the top left of its picture, which may be larger (a head without
what lies at its bottom). `over` takes pictures in 10-bit codes: something was painted over each (text, a box), every pixel that
differs from the picture holds an 8-bit colour as 10 bits show it (each code (1023v + 127) // 255 for a
level v), and every other pixel is the picture's."""
import struct
import sys


class Shot:
    """An xwd image: a ZPixmap of true colour (24 or 32 bits a pixel: over windows of several visuals
    xwd reads the root in three bytes a pixel) or of 8 bits (indices into its colour map)."""

    def __init__(self, path):
        data = open(path, "rb").read()
        h = struct.unpack(">25I", data[:100])
        (size, _, form, _, self.width, self.height, _, order, _, _, _, self.bpp, self.stride, visual,
         r, g, b, _, _, ncolors) = h[:20]
        if form != 2 or self.bpp not in (8, 24, 32) or (self.bpp != 8 and order != 0):
            raise SystemExit(f"{path}: an xwd image of a kind not read here ({self.bpp} bits a pixel)")
        self.size = self.bpp // 8
        self.masks = (r, g, b)
        colors = data[size:size + 12 * ncolors]
        self.pixels = data[size + 12 * ncolors:]
        self.bits = max(m.bit_length() - (m & -m).bit_length() + 1 for m in self.masks) if self.bpp != 8 else 8
        # Where pixels index a colour map: each index of 8 bits as its entry's 8-bit levels. An 8-bit
        # pixel is one index for all three; on a DirectColor visual (over windows of several visuals
        # xwd reads the root that way) each colour's bits index that colour's part of entry i.
        self.tables = None
        if self.bpp == 8 or (visual == 5 and self.bits == 8):
            self.tables = [bytearray(range(256)) for _ in range(3)]
            for i in range(ncolors):
                pixel, red, green, blue = struct.unpack(">IHHH", colors[12 * i:12 * i + 10])
                index = pixel if self.bpp == 8 else i
                if index < 256:
                    for table, level in zip(self.tables, (red, green, blue)):
                        table[index] = level >> 8
        self.rows = {}

    def row(self, x, y, w, depth):
        """Row y from column x, w pixels, as 8-bit RGB (depth 8) or 16-bit big-endian samples (10)."""
        if self.bpp == 8:
            raw = self.pixels[y * self.stride + x:y * self.stride + x + w]
            out = bytearray(3 * w)
            for c in range(3):
                out[c::3] = raw.translate(self.tables[c])
            return bytes(out)
        n = self.size
        raw = self.pixels[y * self.stride + n * x:y * self.stride + n * (x + w)]
        if self.masks == (0xFF0000, 0xFF00, 0xFF) and depth == 8:
            out = bytearray(3 * w)
            out[0::3], out[1::3], out[2::3] = raw[2::n], raw[1::n], raw[0::n]
            if self.tables:
                for c in range(3):
                    out[c::3] = out[c::3].translate(self.tables[c])
            return bytes(out)
        key = (raw, depth)
        if key not in self.rows:  # the slow path, once for each distinct row
            words = [int.from_bytes(raw[i:i + n], "little") for i in range(0, len(raw), n)]
            shifts = [(m & -m).bit_length() - 1 for m in self.masks]
            down = self.bits - depth
            if down < 0:
                raise SystemExit(f"a screen of {self.bits} bits per colour cannot show {depth}-bit codes")
            levels = [((p & m) >> s) >> down for p in words for m, s in zip(self.masks, shifts)]
            self.rows[key] = bytes(levels) if depth == 8 else struct.pack(f">{len(levels)}H", *levels)
        return self.rows[key]


def picture(path):
    """(width, height, depth, rows): rows(y) gives row y top-down in the form Shot.row gives."""
    data = open(path, "rb").read()
    if data[:2] == b"BM":
        offset, _, w, h, _, bpp = struct.unpack("<I I i i H H", data[10:30])
        if bpp != 24:
            raise SystemExit(f"{path}: a BMP of {bpp} bits a pixel")
        stride = (3 * w + 3) & ~3

        def bmp_row(y):
            at = offset + (y if h < 0 else abs(h) - 1 - y) * stride
            bgr = data[at:at + 3 * w]
            out = bytearray(3 * w)
            out[0::3], out[1::3], out[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
            return bytes(out)

        return w, abs(h), 8, bmp_row
    if data[:2] == b"P6":
        fields, at = [], 2
        while len(fields) < 3:
            while data[at:at + 1].isspace() or data[at:at + 1] == b"#":
                at = data.index(b"\n", at) + 1 if data[at:at + 1] == b"#" else at + 1
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(int(data[at:end]))
            at = end
        w, h, top = fields
        at += 1
        size = 3 * w if top < 256 else 6 * w
        return w, h, 8 if top < 256 else 10, lambda y: data[at + y * size:at + (y + 1) * size]
    raise SystemExit(f"{path}: neither BMP nor PPM")


def same(shot, geometry, path, part=False):
    size, x, y = geometry.split("+")
    w, h = (int(v) for v in size.split("x"))
    x, y = int(x), int(y)
    pw, ph, depth, rows = picture(path)
    if (not part and (pw, ph) != (w, h)) or pw < w or ph < h or x + w > shot.width or y + h > shot.height:
        print(f"{geometry}: the picture {path} is {pw}x{ph}", file=sys.stderr)
        return False
    unit = 3 if depth == 8 else 6
    differing = 0
    for row in range(h):
        shown, wanted = shot.row(x, y + row, w, depth), rows(row)[:w * unit]
        if shown != wanted:
            differing += sum(shown[i:i + unit] != wanted[i:i + unit] for i in range(0, len(wanted), unit))
    if differing:
        print(f"{geometry}: {differing} pixels differ from {path}", file=sys.stderr)
    return differing == 0


WIDENED = {(1023 * v + 127) // 255 for v in range(256)}


def over(shot, geometry, path):
    size, x, y = geometry.split("+")
    w, h = (int(v) for v in size.split("x"))
    x, y = int(x), int(y)
    pw, ph, depth, rows = picture(path)
    if (pw, ph) != (w, h) or depth != 10:
        print(f"{geometry}: the picture {path} is {pw}x{ph} at {depth} bits", file=sys.stderr)
        return False
    painted = wrong = 0
    for row in range(h):
        shown, wanted = shot.row(x, y + row, w, 10), rows(row)
        if shown == wanted:
            continue
        for i in range(0, len(wanted), 6):
            if shown[i:i + 6] != wanted[i:i + 6]:
                painted += 1
                codes = struct.unpack(">3H", shown[i:i + 6])
                if any(c not in WIDENED for c in codes):
                    if wrong == 0:
                        print(f"{geometry}: ({i // 6}, {row}) is {codes}, not 8 bits widened", file=sys.stderr)
                    wrong += 1
    if painted == 0:
        print(f"{geometry}: nothing over {path}", file=sys.stderr)
    elif wrong:
        print(f"{geometry}: {wrong} of {painted} pixels over {path} are not 8 bits widened", file=sys.stderr)
    return painted > 0 and wrong == 0


def main(args):
    if len(args) < 4 or args[0] not in ("same", "over", "part") or len(args) % 2:
        raise SystemExit(__doc__)
    shot = Shot(args[1])
    compare = {"same": same, "over": over, "part": lambda s, g, p: same(s, g, p, True)}[args[0]]
    results = [compare(shot, args[i], args[i + 1]) for i in range(2, len(args), 2)]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
