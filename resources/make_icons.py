#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files (run by hand; the results are kept).

program.ico: 32x32 and 16x16, 16 colours: a browser window with a red stop bar across it.
splash.ico:  32x32, 16 colours: a camera-like frame, for "taking a snapshot".
about.ico:   48x48, 256 colours: the program's mark, larger.
"""
import struct

# The standard 16-colour palette (RGB).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARKRED, GREY, SILVER, RED, BLUE, NAVY, WHITE, YELLOW = 0, 1, 8, 7, 9, 12, 4, 15, 11
CLEAR = None


def browser_mark(size):
    """A window with a title bar and a red stop band, as rows of palette indexes (None = clear)."""
    s = size
    px = [[CLEAR] * s for _ in range(s)]
    m = max(1, s // 16)
    top, left, right, bottom = 2 * m, m, s - m - 1, s - 2 * m - 1
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            bar = top < y <= top + 3 * m
            px[y][x] = BLACK if edge else (NAVY if bar else WHITE)
    # A red band with a white stroke: no entry.
    cy = (top + bottom) // 2 + m
    r = (bottom - top) // 3
    cx = s // 2
    for y in range(s):
        for x in range(s):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= r * r:
                px[y][x] = RED if d2 > (r - max(1, m)) ** 2 or abs(y - cy) > max(1, r // 4) else WHITE
    return px


def camera_mark(size):
    s = size
    px = [[CLEAR] * s for _ in range(s)]
    for y in range(8, 26):
        for x in range(3, 29):
            px[y][x] = BLACK if y in (8, 25) or x in (3, 28) else GREY
    for y in range(5, 8):
        for x in range(11, 21):
            px[y][x] = BLACK
    cx, cy, r = 16, 17, 6
    for y in range(s):
        for x in range(s):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= r * r:
                px[y][x] = BLACK if d2 > (r - 1) ** 2 else (BLUE if d2 > 9 else WHITE)
    px[10][24] = YELLOW
    px[10][25] = YELLOW
    return px


def bmp_image(px, bits, palette):
    """The DIB of an icon image: header, palette, XOR bitmap, AND mask (bottom-up rows)."""
    size = len(px)
    colours = 1 << bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    pal += b'\0' * 4 * (colours - len(palette))
    xor = b''
    mask = b''
    for row in reversed(px):
        if bits == 4:
            line = bytearray()
            for x in range(0, size, 2):
                a = row[x] if row[x] is not None else 0
                b = row[x + 1] if row[x + 1] is not None else 0
                line.append((a << 4) | b)
        else:
            line = bytearray((v if v is not None else 0) for v in row)
        while len(line) % 4:
            line.append(0)
        xor += bytes(line)
        bits_row = 0
        mline = bytearray()
        for x in range(size):
            bits_row = (bits_row << 1) | (1 if row[x] is None else 0)
            if x % 8 == 7:
                mline.append(bits_row)
                bits_row = 0
        while len(mline) % 4:
            mline.append(0)
        mask += bytes(mline)
    return header + pal + xor + mask


def write_ico(path, images):
    """images: list of (size, bits, dib)."""
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, dib in images:
        colours = 0 if bits >= 8 else (1 << bits)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bits, len(dib), offset)
        offset += len(dib)
    for _, _, dib in images:
        out += dib
    with open(path, 'wb') as f:
        f.write(out)


def palette256():
    # The 16 standard colours first, then a grey ramp; the marks use only the first 16.
    pal = list(PALETTE16)
    pal += [(i, i, i) for i in range(0, 240, 1)][:240]
    return pal


if __name__ == '__main__':
    write_ico('program.ico', [(32, 4, bmp_image(browser_mark(32), 4, PALETTE16)),
                              (16, 4, bmp_image(browser_mark(16), 4, PALETTE16))])
    write_ico('splash.ico', [(32, 4, bmp_image(camera_mark(32), 4, PALETTE16))])
    write_ico('about.ico', [(48, 8, bmp_image(browser_mark(48), 8, palette256()))])
