#!/usr/bin/env python3
"""Draws the toolbar's own icons (the fallback where the desktop's icon theme has none)
as 16- and 32-pixel PNG files in resources/icons. Plain Python: shapes on a 32-unit grid,
each pixel sampled 4 x 4 times for smooth edges."""

import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda x, y: (r - width) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
    return inside


def polygon(*points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                result = not result
        return result
    return inside


def outlined(shape_fill, shape_outer, fill, edge):
    """A shape drawn as its outer form in the edge colour with the fill inside."""
    return [(shape_outer, edge), (shape_fill, fill)]


def arc(cx, cy, r, width, start, end):
    """A ring between two angles in degrees (0 = right, counter-clockwise, y up)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not r - width / 2 <= d <= r + width / 2:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return start <= a <= end if start <= end else a >= start or a <= end
    return inside


DARK = (60, 60, 60, 255)
WHITE = (255, 255, 255, 255)
PAPER = (250, 250, 246, 255)
BLUE = (52, 101, 164, 255)
LIGHT_BLUE = (114, 159, 207, 255)
YELLOW = (237, 212, 0, 255)
BROWN = (143, 89, 2, 255)
GREY = (136, 138, 133, 255)
LIGHT_GREY = (211, 215, 207, 255)
RED = (204, 0, 0, 255)

ICONS = {
    "document-open": [
        (rect(2, 7, 14, 11), BROWN), (rect(2, 10, 30, 27), BROWN),
        (rect(3, 11, 29, 26), (193, 125, 17, 255)),
        (polygon((6, 14), (31, 14), (28, 27), (2, 27)), BROWN),
        (polygon((7, 15), (29.5, 15), (27, 26), (3.5, 26)), YELLOW),
    ],
    "document-save": [
        (rect(3, 3, 29, 29), (32, 74, 135, 255)), (rect(4, 4, 28, 28), BLUE),
        (rect(8, 4, 24, 14), WHITE), (rect(8, 8, 24, 9), LIGHT_GREY), (rect(8, 11, 24, 12), LIGHT_GREY),
        (rect(9, 19, 23, 28), LIGHT_GREY), (rect(12, 21, 16, 27), DARK),
    ],
    "document-print": [
        (rect(8, 3, 24, 14), GREY), (rect(9, 4, 23, 14), PAPER),
        (rect(3, 12, 29, 25), DARK), (rect(4, 13, 28, 24), LIGHT_GREY),
        (rect(24, 15, 27, 17), (78, 154, 6, 255)),
        (rect(8, 20, 24, 30), GREY), (rect(9, 20, 23, 29), PAPER),
        (rect(11, 23, 21, 24), GREY), (rect(11, 26, 19, 27), GREY),
    ],
    "edit-undo": [
        (arc(17, 18, 9, 4, 270, 120), BLUE),
        (polygon((2, 10), (12, 3), (12, 17)), BLUE),
    ],
    "edit-cut": [
        (line(9, 3, 21, 21, 3), GREY), (line(23, 3, 11, 21, 3), GREY),
        (ring(9, 24, 5.5, 2.5), RED), (ring(23, 24, 5.5, 2.5), RED),
        (circle(16, 13.5, 1.2), DARK),
    ],
    "edit-copy": [
        (rect(3, 3, 20, 23), GREY), (rect(4, 4, 19, 22), PAPER),
        (rect(6, 8, 17, 9), GREY), (rect(6, 12, 17, 13), GREY), (rect(6, 16, 14, 17), GREY),
        (rect(12, 9, 29, 29), GREY), (rect(13, 10, 28, 28), PAPER),
        (rect(15, 14, 26, 15), GREY), (rect(15, 18, 26, 19), GREY), (rect(15, 22, 23, 23), GREY),
    ],
    "edit-paste": [
        (rect(4, 5, 28, 30), BROWN), (rect(5, 6, 27, 29), (193, 125, 17, 255)),
        (rect(8, 9, 24, 27), PAPER),
        (rect(11, 12, 21, 13), GREY), (rect(11, 16, 21, 17), GREY), (rect(11, 20, 18, 21), GREY),
        (rect(11, 2, 21, 9), DARK), (rect(12, 3, 20, 8), LIGHT_GREY),
    ],
    "edit-find": [
        (line(19, 19, 28, 28, 5), BROWN),
        (circle(13, 13, 10), DARK), (circle(13, 13, 8), (230, 240, 250, 255)),
        (arc(13, 13, 5, 2, 100, 170), WHITE),
    ],
}


def render(shapes, size):
    scale = 32 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    x = (px + (sx + 0.5) / 4) * scale
                    y = (py + (sy + 0.5) / 4) * scale
                    colour = (0, 0, 0, 0)
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    alpha = colour[3] / 255
                    for i in range(3):
                        total[i] += colour[i] * alpha
                    total[3] += alpha
            a = total[3] / 16
            rgb = [round(total[i] / total[3]) if total[3] > 0 else 0 for i in range(3)]
            row.append((*rgb, round(a * 255)))
        pixels.append(row)
    return pixels


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, shapes in ICONS.items():
        for size in (16, 32):
            write_png(os.path.join(OUT, f"{name}-{size}.png"), render(shapes, size))
