#!/usr/bin/env python3
"""Draws Tessaryn's icon, a monitor showing a gray ramp over a white square, as a Windows .ico file
with a 32x32 and a 16x16 image of 16 colours each. Usage: make-icon.py OUT.ico"""
import struct
import sys

# The standard 16-colour palette, as (blue, green, red) of the icon's colour table.
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
           (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
           (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, DARK_GRAY, LIGHT_GRAY, WHITE, TRANSPARENT = 0, 8, 7, 15, None


def draw(size):
    """Rows of palette indexes (None is transparent), top row first."""
    s = size / 32.0
    px = [[TRANSPARENT] * size for _ in range(size)]

    def box(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    box(1, 3, 31, 25, DARK_GRAY)      # bezel
    box(3, 5, 29, 23, BLACK)          # screen
    ramp = [WHITE, LIGHT_GRAY, DARK_GRAY, BLACK]
    for i, colour in enumerate(ramp):  # gray ramp across the top of the screen
        box(3 + 6.5 * i, 5, 3 + 6.5 * (i + 1), 11, colour)
    box(13, 14, 19, 20, WHITE)        # the centre square
    box(13, 25, 19, 28, DARK_GRAY)    # stand
    box(8, 28, 24, 30, DARK_GRAY)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''
    andmask = b''
    for row in reversed(px):  # bottom-up
        line = bytearray()
        for x in range(0, size, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            line.append((a << 4) | b)
        xor += bytes(line) + b'\0' * ((4 - len(line) % 4) % 4)
        bits = bytearray((size + 7) // 8)
        for x in range(size):
            if row[x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(bits) + b'\0' * ((4 - len(bits) % 4) % 4)
    return header + table + xor + andmask


def main():
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main()
