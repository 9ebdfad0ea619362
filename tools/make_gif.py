#!/usr/bin/env python3
"""Draws target.gif, the bullseye that the help pages use for "drop here".

Usage: make_gif.py OUTDIR

Writes a 32x32 GIF89a with a transparent background, LZW-compressed by the
encoder below; a matching decoder reads every result back before it is
written, so a faulty encoder fails the build instead of shipping a broken
picture.
"""

import os
import struct
import sys

SIZE = 32
# Index 0 is the transparent background.
PALETTE = [(255, 255, 255), (204, 0, 0), (255, 255, 255), (0, 0, 0)]
TRANSPARENT, RED, WHITE, BLACK = range(4)
MAX_CODES = 4096


def draw_target():
    """Red and white rings with a one-pixel black rim and a red centre."""
    centre = (SIZE - 1) / 2.0

    def distance2(x, y):
        return (x - centre) ** 2 + (y - centre) ** 2

    rings = [(15.6, RED), (11.6, WHITE), (8.6, RED), (5.6, WHITE), (2.9, RED)]
    outer = rings[0][0] ** 2
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            colour = TRANSPARENT
            for radius, ring_colour in rings:
                if distance2(x, y) <= radius * radius:
                    colour = ring_colour
            # The rim is traced along the disc's edge rather than drawn as a
            # ring, which at this size would come out one or two pixels thick.
            if colour != TRANSPARENT and any(
                    distance2(x + dx, y + dy) > outer
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                colour = BLACK
            pixels.append(colour)
    return pixels


class BitWriter:
    """Packs variable-width codes least significant bit first, as GIF wants."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.bits = 0

    def write(self, code, width):
        self.acc |= code << self.bits
        self.bits += width
        while self.bits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.bits -= 8

    def finish(self):
        if self.bits:
            self.out.append(self.acc & 0xFF)
        return bytes(self.out)


def lzw_encode(pixels, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = BitWriter()

    def reset():
        return {(None, i): i for i in range(clear)}, clear + 2, min_code_size + 1

    table, next_code, width = reset()
    out.write(clear, width)
    prefix = None
    for pixel in pixels:
        key = (prefix, pixel)
        if key in table:
            prefix = table[key]
            continue
        out.write(prefix, width)
        if next_code < MAX_CODES:
            table[key] = next_code
            next_code += 1
            # The decoder learns this entry one code later, so it widens its
            # codes when its own count passes the limit; match that moment.
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            out.write(clear, width)
            table, next_code, width = reset()
        prefix = pixel
    if prefix is not None:
        out.write(prefix, width)
    out.write(end, width)
    return out.finish()


def lzw_decode(data, min_code_size, count):
    """A plain GIF decoder, used only to check what the encoder wrote."""
    clear = 1 << min_code_size
    end = clear + 1
    acc = bits = pos = 0
    width = min_code_size + 1
    table = [[i] for i in range(clear)] + [None, None]
    previous = None
    result = []
    while True:
        while bits < width:
            assert pos < len(data), "LZW data ends without an end code"
            acc |= data[pos] << bits
            pos += 1
            bits += 8
        code = acc & ((1 << width) - 1)
        acc >>= width
        bits -= width
        if code == clear:
            table = table[:clear + 2]
            width = min_code_size + 1
            previous = None
            continue
        if code == end:
            break
        if code < len(table):
            entry = table[code]
        else:
            assert code == len(table) and previous is not None, "LZW code out of range"
            entry = previous + previous[:1]
        result += entry
        if previous is not None and len(table) < MAX_CODES:
            table.append(previous + entry[:1])
            if len(table) >= (1 << width) and width < 12:
                width += 1
        previous = entry
    assert len(result) == count, "LZW data decodes to the wrong number of pixels"
    return result


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def gif_file(pixels, width, height, palette, transparent):
    bits = max(1, (len(palette) - 1).bit_length())
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    min_code_size = max(2, bits)
    data = lzw_encode(pixels, min_code_size)
    assert lzw_decode(data, min_code_size, len(pixels)) == list(pixels)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (bits - 1), 0, 0)
    out += b"".join(bytes(rgb) for rgb in table)
    out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    out.append(min_code_size)
    out += sub_blocks(data)
    out.append(0x3B)
    return bytes(out)


def self_test():
    """Round-trips a large, varied picture so the 12-bit limit and the table
    reset are exercised too, which the small target never reaches."""
    seed = 12345
    pixels = []
    for _ in range(160 * 160):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        pixels.append((seed >> 16) % 16 if seed % 3 else 0)
    lzw_decode(lzw_encode(pixels, 4), 4, len(pixels))


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_gif.py OUTDIR\n")
        return 2
    self_test()
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    data = gif_file(draw_target(), SIZE, SIZE, PALETTE, TRANSPARENT)
    assert data[:6] == b"GIF89a" and data[-1] == 0x3B
    with open(os.path.join(outdir, "target.gif"), "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
