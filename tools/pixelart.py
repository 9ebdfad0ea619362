"""Small palette canvas for drawing the program's icons pixel by pixel.

Shapes are tested at 4x4 sample points per pixel and a pixel takes the
shape's colour when at least half of its samples fall inside, so the same
geometry gives crisp, un-blended pixels at 16 and at 32 pixels.
"""

import math

# The standard 16-colour palette of Windows icons, in its usual order, so a
# 4-bit icon looks the same on every display driver.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

_SAMPLES = [(i + 0.5) / 4.0 for i in range(4)]


class Canvas:
    """A square grid of palette indexes; None marks a transparent pixel."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]

    def get(self, x, y):
        if 0 <= x < self.size and 0 <= y < self.size:
            return self.pixels[y][x]
        return None

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def fill(self, inside, colour, only=None):
        """Paints every pixel that the predicate inside(x, y) mostly covers;
        with only given, just the pixels whose colour is in that set."""
        for y in range(self.size):
            for x in range(self.size):
                if only is not None and self.pixels[y][x] not in only:
                    continue
                hits = sum(1 for sy in _SAMPLES for sx in _SAMPLES if inside(x + sx, y + sy))
                if hits >= 8:
                    self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixel rectangle from (x0, y0) to (x1, y1), both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.rect(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, y0, x, y1, colour)

    def frame(self, x0, y0, x1, y1, outline, fill=None):
        """A one-pixel outlined rectangle, optionally filled."""
        self.rect(x0, y0, x1, y1, outline)
        if fill is not None and x1 - x0 >= 2 and y1 - y0 >= 2:
            self.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)

    def outline_of(self, colours, outline):
        """Draws an outline colour on transparent pixels bordering the given colours."""
        edge = []
        for y in range(self.size):
            for x in range(self.size):
                if self.pixels[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if self.get(x + dx, y + dy) in colours:
                        edge.append((x, y))
                        break
        for x, y in edge:
            self.pixels[y][x] = outline

    def sprite(self, ox, oy, rows, colours):
        """Copies a character map onto the canvas; "." leaves a pixel as it is."""
        for dy, row in enumerate(rows):
            for dx, key in enumerate(row):
                if key != ".":
                    self.put(ox + dx, oy + dy, colours[key])


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner < (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def segment(x0, y0, x1, y1, width):
    """A straight stroke of the given width with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    half = width / 2.0

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half * half

    return inside


def polygon(points):
    """Even-odd point-in-polygon test for a list of (x, y) corners."""

    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            xa, ya = points[i]
            xb, yb = points[(i + 1) % n]
            if (ya > y) != (yb > y):
                cross = xa + (y - ya) * (xb - xa) / (yb - ya)
                if x < cross:
                    result = not result
        return result

    return inside


def arc(cx, cy, r_outer, r_inner, start_deg, end_deg):
    """Part of a ring between two angles, measured clockwise from 3 o'clock on screen."""
    ring_test = ring(cx, cy, r_outer, r_inner)

    def inside(x, y):
        if not ring_test(x, y):
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
        return start_deg <= angle <= end_deg

    return inside
