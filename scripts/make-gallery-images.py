#!/usr/bin/env python3
"""Draws the gallery's images and writes them into gallery/: a 16-pixel and a
32-pixel icon (a yellow star), a 16-pixel arrow bitmap on the button face, a
32-pixel tile bitmap, a landscape for the picture box, the toolbar's button
strip and the rebar band's background. Run it again after changing a
drawing."""
import math
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from icon_image import icon_image  # noqa: E402

MAGENTA = (255, 0, 255)  # the toolbar strip's mask colour


def bmp(width, height, pixel):
    """A 24-bit bottom-up BMP of pixel(x, y) -> (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in (pixel(x, y) for x in range(width)))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def bmp8(width, height, pixel):
    """An 8-bit bottom-up BMP with a colour table, which is what LoadImage's
    3D-colour mapping (LR_LOADMAP3DCOLORS) searches for its greys."""
    colours = []
    indexes = []
    for y in reversed(range(height)):
        row = []
        for x in range(width):
            colour = pixel(x, y)
            if colour not in colours:
                colours.append(colour)
            row.append(colours.index(colour))
        indexes.append(row)
    stride = (width + 3) & ~3
    rows = b"".join(bytes(row) + b"\0" * (stride - width) for row in indexes)
    table = b"".join(bytes((b, g, r, 0)) for (r, g, b) in colours)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835,
                         len(colours), 0)
    offset = 14 + 40 + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset) + header + table + rows


def star(x, y, size):
    """Inside a five-pointed star filling a size-pixel square."""
    c = size / 2
    dx, dy = x - c, c - y
    r = math.hypot(dx, dy)
    angle = (math.atan2(dx, dy) / (2 * math.pi) * 5) % 1.0
    # Radius of the star's edge at this angle: 0.48 at the points, 0.2 between.
    edge = size * (0.2 + 0.28 * abs(1 - 2 * angle) ** 1.6)
    return r <= edge


def icon(size):
    samples = 4
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            hits = sum(star(x + (i + 0.5) / samples, y + (j + 0.5) / samples, size)
                       for i in range(samples) for j in range(samples))
            a = round(255 * hits / samples ** 2)
            shade = 1 - 0.35 * y / size
            row.append((255, round(200 * shade), round(30 * shade), a))
        pixels.append(row)
    data = icon_image(pixels)
    return struct.pack("<HHHBBBBHHII", 0, 1, 1, size, size, 0, 0, 1, 32, len(data), 22) + data


FACE_GREY = (192, 192, 192)  # loaded with the 3D colours mapped, it becomes the face colour


def arrow(x, y):
    # A green arrow pointing right on the button face.
    if 3 <= y <= 12 and x <= 14 and (abs(y - 7.5) <= 2 and x >= 2 or x >= 8 and abs(y - 7.5) <= 15 - x):
        return (20, 140, 60)
    return FACE_GREY


def tile(x, y):
    # Four coloured quarters with a dark border.
    if x in (0, 31) or y in (0, 31):
        return (40, 40, 90)
    return [(230, 70, 60), (60, 160, 230), (80, 190, 90), (250, 200, 40)][(x >= 16) + 2 * (y >= 16)]


def landscape(x, y, width=250, height=110):
    # Sky above rolling hills, with a sun.
    hill = height * 0.62 + 10 * math.sin(x / 23) + 6 * math.sin(x / 9 + 1)
    if math.hypot(x - 200, y - 28) < 14:
        return (255, 230, 120)
    if y > hill:
        t = (y - hill) / height
        return (round(60 - 30 * t), round(150 - 50 * t), round(60 - 20 * t))
    t = y / height
    return (round(90 + 100 * t), round(150 + 70 * t), 250)


def toolbar(x, y):
    # Four 16-pixel glyphs on magenta: a page, a folder, a disk, a question mark.
    glyph, gx = divmod(x, 16)
    if glyph == 0 and 3 <= gx <= 12 and 1 <= y <= 14:
        return (40, 40, 40) if gx in (3, 12) or y in (1, 14) else (255, 255, 255)
    if glyph == 1 and 1 <= gx <= 14 and 4 <= y <= 13:
        return (200, 150, 30) if y > 5 or gx < 7 else MAGENTA
    if glyph == 2 and 2 <= gx <= 13 and 2 <= y <= 13:
        return (230, 230, 230) if 5 <= gx <= 10 and 3 <= y <= 6 else (40, 70, 160)
    if glyph == 3 and math.hypot(gx - 7.5, y - 7.5) <= 6.5:
        return (30, 110, 200)
    return MAGENTA


def band(x, y):
    # A soft diagonal stripe pattern.
    return (250, 226, 180) if (x + y) // 6 % 2 else (240, 206, 150)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "gallery"
    (out / "star16.ico").write_bytes(icon(16))
    (out / "star32.ico").write_bytes(icon(32))
    (out / "arrow16.bmp").write_bytes(bmp8(16, 16, arrow))
    (out / "tile32.bmp").write_bytes(bmp(32, 32, tile))
    (out / "landscape.bmp").write_bytes(bmp(250, 110, landscape))
    (out / "toolbar.bmp").write_bytes(bmp(64, 16, toolbar))
    (out / "band.bmp").write_bytes(bmp(64, 32, band))


if __name__ == "__main__":
    main()
