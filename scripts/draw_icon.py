#!/usr/bin/env python3
"""Draws the program icon: a calculator with an Erlenmeyer flask in front of
it and a benzene ring on its display.

    python3 scripts/draw_icon.py [OUT_DIR]      default: resources/

Writes OUT_DIR/zentrabel.ico (16, 32 and 48 pixels, 32-bit with alpha, the
icon resource of the program) and OUT_DIR/zentrabel.png (48 pixels, for the
Linux desktop entry). Uses only the standard library and draws every size from
its own pixel-aligned layout, so the output is the same bytes on every run.
"""

import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 8  # sub-pixel samples per pixel side, for smooth edges

# Colours (red, green, blue, alpha).
OUTLINE = (28, 38, 52, 255)
BODY = (58, 76, 99, 255)
BODY_LIGHT = (84, 105, 132, 255)
DISPLAY = (200, 230, 180, 255)
DISPLAY_INK = (30, 70, 40, 255)
KEY = (226, 230, 236, 255)
KEY_ACCENT = (240, 150, 40, 255)
GLASS = (236, 246, 252, 235)
LIQUID = (40, 170, 120, 255)
LIQUID_DARK = (24, 130, 90, 255)


class Canvas:
    """A square RGBA image with straight alpha, painted shape by shape with
    the "over" operator; a shape is a predicate on a point in pixel units."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, inside, box, colour):
        n = SUPERSAMPLE
        x0, y0, x1, y1 = box
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.size, int(math.ceil(x1))), min(self.size, int(math.ceil(y1)))
        r, g, b, a = (c / 255.0 for c in colour)
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                for sy in range(n):
                    y = py + (sy + 0.5) / n
                    for sx in range(n):
                        if inside(px + (sx + 0.5) / n, y):
                            hits += 1
                if hits:
                    self._blend(px, py, r, g, b, a * hits / (n * n))

    def _blend(self, px, py, r, g, b, a):
        dst = self.pixels[py * self.size + px]
        out_a = a + dst[3] * (1.0 - a)
        if out_a <= 0.0:
            return
        for i, c in enumerate((r, g, b)):
            dst[i] = (c * a + dst[i] * dst[3] * (1.0 - a)) / out_a
        dst[3] = out_a

    def rgba_rows(self):
        """Rows top to bottom, each a list of (r, g, b, a) bytes."""
        rows = []
        for py in range(self.size):
            row = []
            for px in range(self.size):
                r, g, b, a = self.pixels[py * self.size + px]
                row.append(tuple(int(round(v * 255.0)) for v in (r, g, b, a)))
            rows.append(row)
        return rows


# Shapes: each returns a predicate and its bounding box.

def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside, (x0, y0, x1, y1)


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return inside, (min(xs), min(ys), max(xs), max(ys))


def clipped(shape, y_from):
    inside, (x0, y0, x1, y1) = shape
    return (lambda x, y: y >= y_from and inside(x, y)), (x0, max(y0, y_from), x1, y1)


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def outline(points, width, closed=True):
    """The stroke along a polyline, `width` pixels wide."""
    pairs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    half = width / 2.0

    def inside(x, y):
        return any(segment_distance(x, y, *a, *b) <= half for a, b in pairs)
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return inside, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)


def ring(cx, cy, radius, width):
    half = width / 2.0

    def inside(x, y):
        return abs(math.hypot(x - cx, y - cy) - radius) <= half
    r = radius + half
    return inside, (cx - r, cy - r, cx + r, cy + r)


def hexagon(cx, cy, radius):
    """Corners of a hexagon with flat sides left and right (a point on top)."""
    return [(cx + radius * math.cos(math.radians(90 + 60 * k)),
             cy - radius * math.sin(math.radians(90 + 60 * k))) for k in range(6)]


# Layouts: the pixel positions of every part at each size. Edges of the boxes
# sit on whole pixels so that the small sizes stay crisp.

LAYOUTS = {
    16: dict(body=(0, 0, 12, 16, 2), display=(2, 2, 10, 6), benzene=None,
             keys=dict(x=2, y=8, w=2, h=2, gap=1, cols=3, rows=2),
             flask=dict(neck=(10.5, 6.5, 13.5, 8.5), base=(7.5, 16.5, 16.5, 16.5), line=1.0, liquid=11.5)),
    32: dict(body=(1, 1, 23, 31, 3), display=(4, 4, 20, 12), benzene=(12, 8, 3.0, 1.0),
             keys=dict(x=4, y=15, w=4, h=3, gap=2, cols=3, rows=3),
             flask=dict(neck=(19, 12, 25, 17), base=(14.5, 31, 31.5, 31), line=1.4, liquid=22.5)),
    48: dict(body=(2, 2, 34, 46, 4), display=(6, 6, 30, 18), benzene=(18, 12, 4.6, 1.4),
             keys=dict(x=6, y=22, w=6, h=4, gap=3, cols=3, rows=4, row_gap=2),
             flask=dict(neck=(29, 18, 37, 25), base=(22, 46, 47, 46), line=2.0, liquid=33.5)),
}


def draw(size):
    layout = LAYOUTS[size]
    canvas = Canvas(size)

    # Calculator body with a one-pixel outline and a lighter top edge.
    x0, y0, x1, y1, radius = layout["body"]
    canvas.fill(*rounded_rect(x0, y0, x1, y1, radius), OUTLINE)
    canvas.fill(*rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1), BODY_LIGHT)
    canvas.fill(*rounded_rect(x0 + 1, y0 + 2, x1 - 1, y1 - 1, radius - 1), BODY)

    # Display, with a benzene ring where there is room for one.
    dx0, dy0, dx1, dy1 = layout["display"]
    canvas.fill(*rounded_rect(dx0, dy0, dx1, dy1, 1), DISPLAY)
    if layout["benzene"]:
        cx, cy, r, width = layout["benzene"]
        canvas.fill(*outline(hexagon(cx, cy, r), width), DISPLAY_INK)
        canvas.fill(*ring(cx, cy, r * 0.5, width * 0.8), DISPLAY_INK)
    else:
        # At 16 pixels a row of digits stands for the display's text.
        canvas.fill(*rounded_rect(dx1 - 5, dy0 + 1, dx1 - 1, dy1 - 1, 0), DISPLAY_INK)

    # Keys; the first one is the accent (clear) key, which the flask leaves
    # in view.
    k = layout["keys"]
    for row in range(k["rows"]):
        for col in range(k["cols"]):
            kx = k["x"] + col * (k["w"] + k["gap"])
            ky = k["y"] + row * (k["h"] + k.get("row_gap", k["gap"]))
            colour = KEY_ACCENT if row == 0 and col == 0 else KEY
            canvas.fill(*rounded_rect(kx, ky, kx + k["w"], ky + k["h"], 0.6 if size > 16 else 0), colour)

    # Erlenmeyer flask in front of the lower right corner: a neck, then a cone
    # that widens to the base; glass, a liquid in its lower part, an outline.
    f = layout["flask"]
    nx0, ny0, nx1, ny1 = f["neck"]
    bx0, by, bx1, _ = f["base"]
    line = f["line"]
    shape = [(nx0, ny0), (nx1, ny0), (nx1, ny1), (bx1 - line, by - line), (bx0 + line, by - line),
             (nx0, ny1)]
    canvas.fill(*polygon(shape), GLASS)
    canvas.fill(*clipped(polygon(shape), f["liquid"]), LIQUID)
    canvas.fill(*clipped(polygon(shape), by - line * 2.2), LIQUID_DARK)
    canvas.fill(*outline(shape, line), OUTLINE)
    # The rim: a lip a little wider than the neck.
    lip = max(1.0, line)
    canvas.fill(*rounded_rect(nx0 - lip * 0.8, ny0 - lip * 0.5, nx1 + lip * 0.8, ny0 + lip * 0.9, 0.4), OUTLINE)
    return canvas.rgba_rows()


def ico_entry(rows):
    """A 32-bit DIB icon image: header, bottom-up BGRA pixels, AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def ico_file(images):
    """The .ico container around DIB images, smallest first."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for rows in images:
        entry = ico_entry(rows)
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
        data += entry
    return out + data


def png_file(rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    images = {size: draw(size) for size in sorted(LAYOUTS)}
    with open(os.path.join(out_dir, "zentrabel.ico"), "wb") as f:
        f.write(ico_file([images[size] for size in sorted(images)]))
    with open(os.path.join(out_dir, "zentrabel.png"), "wb") as f:
        f.write(png_file(images[48]))


if __name__ == "__main__":
    main()
