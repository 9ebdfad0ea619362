#!/usr/bin/env python3
"""Draws Zembrafind's icons and writes them as classic Windows .ico files.

Usage: make_icons.py OUTDIR

Every icon holds a 32x32 and a 16x16 image, both 16 colours with an AND
mask, the format that Windows 95 and later, Wine and windres all read.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True  # the build must not leave a __pycache__ in the source tree
from pixelart import (AQUA, BLACK, GREY, LIME, MAROON, NAVY, OLIVE, PALETTE, RED, SILVER, WHITE,
                      YELLOW, Canvas, arc, disc, polygon, ring, segment)

# ---------------------------------------------------------------- drawing parts


def draw_page(c, x0, y0, x1, y1, fold, line_step, line_colour=GREY, shadow=True):
    """A sheet of paper with a folded top-right corner and lines of text."""
    if shadow:
        c.rect(x0 + 1, y1 + 1, x1 + 1, y1 + 1, GREY)
        c.rect(x1 + 1, y0 + fold + 1, x1 + 1, y1 + 1, GREY)
    # The turned-down corner is left unpainted, so pages stacked behind show
    # through it.
    corner = x1 - fold
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if x - corner > y - y0:
                continue
            edge = x in (x0, x1) or y in (y0, y1) or x - corner == y - y0
            c.put(x, y, BLACK if edge else WHITE)
    c.hline(corner, x1, y0 + fold, BLACK)
    c.vline(corner, y0, y0 + fold, BLACK)
    for i in range(1, fold):
        c.hline(corner + 1, corner + i - 1, y0 + i, SILVER)
    lengths = [1.0, 0.8, 1.0, 0.6, 0.9, 1.0, 0.7]
    width = x1 - x0 - 4
    y = y0 + line_step + (1 if line_step > 2 else 0)
    n = 0
    while y <= y1 - 2:
        right = x0 + 2 + int(round(width * lengths[n % len(lengths)]))
        if y <= y0 + fold:
            right = min(right, x1 - fold - 2)
        c.hline(x0 + 2, right, y, line_colour)
        y += line_step
        n += 1


def draw_glass(c, cx, cy, r, handle, lens=AQUA, text=NAVY):
    """A 32-pixel magnifying glass with its handle pointing to the lower right.

    The lens shows enlarged lines of text so the picture reads as "reading".
    """
    hx, hy = cx + r * 0.62, cy + r * 0.62
    tx, ty = hx + handle, hy + handle
    c.fill(segment(hx, hy, tx, ty, 5.2), BLACK)
    c.fill(segment(hx + 0.8, hy + 0.8, tx - 0.3, ty - 0.3, 2.6), MAROON)
    c.fill(segment(hx + 2.0, hy + 1.4, tx - 0.5, ty - 1.1, 1.0), RED)
    c.fill(disc(cx, cy, r), BLACK)
    inner = r - 2.2
    c.fill(ring(cx, cy, r - 0.9, inner), GREY)
    c.fill(disc(cx, cy, inner), lens)
    y = int(cy - inner) + 2
    while y < cy + inner - 3:
        c.fill(lambda px, py, y=y: y <= py < y + 2 and cx - inner + 1.5 <= px <= cx + inner - 1.5,
               text, only={lens})
        y += 4
    c.fill(arc(cx, cy, inner - 0.6, inner - 2.0, 195, 250), WHITE, only={lens, text})


# The 16-pixel glass is drawn by hand: at that size a computed circle and
# handle come out lumpy.  Keys: k rim, w lens, n text, h glint, m handle.
SMALL_GLASS = [
    "..kkkk.....",
    ".khhwwk....",
    "khwwwwwk...",
    "kwnnnnwk...",
    "kwwwwwwk...",
    "kwnnnwwk...",
    ".kwwwwkk...",
    "..kkkkkmk..",
    "......kmmk.",
    ".......kmmk",
    "........kmk",
    ".........k.",
]


def draw_small_glass(c, ox, oy, lens=AQUA, text=NAVY):
    c.sprite(ox, oy, SMALL_GLASS, {"k": BLACK, "w": lens, "n": text, "h": WHITE, "m": MAROON})


def draw_busy_mark(c, cx, cy, r):
    """A red dot with a yellow glint: the "now reading" mark."""
    c.fill(disc(cx, cy, r + 0.9), BLACK)
    c.fill(disc(cx, cy, r), RED)
    c.fill(disc(cx - r * 0.3, cy - r * 0.3, r * 0.35), YELLOW)


SMALL_BUSY_MARK = [".kkk.", "kyrrk", "krrrk", "krrrk", ".kkk."]


def draw_book(c, x0, y0, x1, y1, cover, spine):
    """A closed book seen from the front, pages showing at the bottom."""
    c.frame(x0, y0, x1, y1, BLACK, cover)
    c.rect(x0 + 1, y0 + 1, x0 + max(1, (x1 - x0) // 6), y1 - 1, spine)
    c.hline(x0 + 1, x1 - 1, y1 - 1, WHITE)
    if y1 - y0 > 10:
        c.hline(x0 + 1, x1 - 1, y1 - 2, SILVER)


# ---------------------------------------------------------------- the icons


def icon_app(s):
    c = Canvas(s)
    if s == 32:
        draw_page(c, 3, 1, 22, 27, 6, 3)
        draw_glass(c, 19.0, 17.0, 8.0, 8.8)
    else:
        draw_page(c, 1, 0, 11, 13, 2, 2)
        draw_small_glass(c, 5, 4)
    return c


def icon_small_main(s):
    return icon_app(s)


def icon_small_reading(s):
    c = Canvas(s)
    if s == 32:
        draw_page(c, 3, 1, 22, 27, 6, 3, line_colour=RED)
        draw_glass(c, 19.0, 17.0, 8.0, 8.8, lens=YELLOW, text=RED)
        draw_busy_mark(c, 6.5, 6.5, 4.5)
    else:
        draw_page(c, 1, 0, 11, 13, 2, 2, line_colour=RED)
        draw_small_glass(c, 5, 4, lens=YELLOW, text=RED)
        c.sprite(0, 0, SMALL_BUSY_MARK, {"k": BLACK, "r": RED, "y": YELLOW})
    return c


def icon_generic_reading(s):
    c = Canvas(s)
    if s == 32:
        draw_page(c, 9, 1, 26, 22, 4, 3, shadow=False)
        draw_page(c, 6, 3, 23, 25, 4, 3, shadow=False)
        draw_page(c, 3, 5, 20, 28, 5, 3)
        draw_glass(c, 19.0, 18.0, 8.0, 8.0)
    else:
        draw_page(c, 4, 0, 12, 10, 2, 2, shadow=False)
        draw_page(c, 2, 2, 10, 12, 2, 2, shadow=False)
        draw_page(c, 0, 4, 8, 14, 2, 2)
        draw_small_glass(c, 5, 4)
    return c


def icon_vocab_placeholder(s):
    c = Canvas(s)
    if s == 32:
        draw_book(c, 5, 3, 25, 28, SILVER, GREY)
        c.frame(10, 8, 22, 13, GREY, WHITE)
    else:
        draw_book(c, 2, 1, 13, 14, SILVER, GREY)
        c.hline(6, 11, 4, GREY)
        c.hline(6, 10, 6, GREY)
    return c


def draw_box(c, s):
    """An open cardboard box, the common picture for setting up software."""
    if s == 32:
        c.frame(5, 16, 26, 29, BLACK, OLIVE)
        c.rect(6, 17, 25, 18, YELLOW)
        c.fill(polygon([(5, 16.5), (1, 12), (8, 12), (12, 16.5)]), OLIVE)
        c.fill(polygon([(26.5, 16.5), (31, 12), (24, 12), (20, 16.5)]), OLIVE)
        c.hline(13, 18, 22, YELLOW)
    else:
        c.frame(2, 8, 13, 15, BLACK, OLIVE)
        c.hline(3, 12, 9, YELLOW)
        c.fill(polygon([(2, 8.5), (0, 6), (4, 6), (6, 8.5)]), OLIVE)
        c.fill(polygon([(14, 8.5), (16, 6), (12, 6), (10, 8.5)]), OLIVE)
    c.outline_of({OLIVE}, BLACK)


def draw_arrow(c, s, down, colour):
    """A fat vertical arrow over the box: down into it or up out of it."""
    if s == 32:
        shaft, head, top, bottom, mid = 3, 8, 1, 20, 16
    else:
        shaft, head, top, bottom, mid = 1.6, 4, 0, 10, 8
    if down:
        points = [(mid - shaft, top), (mid + shaft, top), (mid + shaft, bottom - head),
                  (mid + head, bottom - head), (mid, bottom), (mid - head, bottom - head),
                  (mid - shaft, bottom - head)]
    else:
        points = [(mid - shaft, bottom), (mid + shaft, bottom), (mid + shaft, top + head),
                  (mid + head, top + head), (mid, top), (mid - head, top + head),
                  (mid - shaft, top + head)]
    c.fill(polygon(points), colour)
    c.outline_of({colour}, BLACK)


def icon_install(s):
    c = Canvas(s)
    draw_box(c, s)
    draw_arrow(c, s, True, LIME)
    return c


def icon_uninstall(s):
    c = Canvas(s)
    draw_box(c, s)
    draw_arrow(c, s, False, RED)
    return c


ICONS = {
    "app.ico": icon_app,
    "small_main.ico": icon_small_main,
    "small_reading.ico": icon_small_reading,
    "generic_reading.ico": icon_generic_reading,
    "vocab_placeholder.ico": icon_vocab_placeholder,
    "install.ico": icon_install,
    "uninstall.ico": icon_uninstall,
}

# ---------------------------------------------------------------- .ico format


def _row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def icon_image(canvas):
    """One 4-bit icon image: header, palette, XOR colour bits, AND mask."""
    s = canvas.size
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(s)):  # DIBs are stored bottom-up
        row = canvas.pixels[y]
        colours = bytearray(_row_bytes(s * 4))
        bits = bytearray(_row_bytes(s))
        for x, colour in enumerate(row):
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                colour = 0  # transparent pixels must be black to show the background
            colours[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        xor += colours
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def ico_file(canvases):
    images = [icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image),
                           offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def check_ico(data, sizes):
    """Reads a written icon back, so that a broken drawing fails the build."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, len(sizes)), "bad icon directory"
    for i, s in enumerate(sizes):
        w, h, colours, _, planes, bpp, length, offset = struct.unpack_from("<BBBBHHII", data,
                                                                             6 + 16 * i)
        assert (w, h, colours, planes, bpp) == (s, s, 16, 1, 4), "bad icon entry"
        assert offset + length <= len(data), "icon image beyond end of file"
        header = struct.unpack_from("<IiiHH", data, offset)
        assert header == (40, s, 2 * s, 1, 4), "bad image header"
        assert length == 40 + 64 + s * _row_bytes(s * 4) + s * _row_bytes(s)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icons.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, draw in ICONS.items():
        canvases = [draw(32), draw(16)]
        for canvas in canvases:
            # An icon with hardly any opaque pixel means a drawing went wrong.
            opaque = sum(1 for row in canvas.pixels for p in row if p is not None)
            assert opaque >= canvas.size * canvas.size // 4, name + " is nearly empty"
        data = ico_file(canvases)
        check_ico(data, [32, 16])
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
