#!/usr/bin/env python3
"""Draws the Settings icon (a white gear on a blue tile) at 16, 32 and 48
pixels and writes app/settings.ico. Run it again after changing the drawing."""
import math
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from icon_image import icon_image  # noqa: E402

SAMPLES = 6  # sub-samples per pixel side, for smooth edges


def rounded_tile(x, y, size):
    inset, radius = size * 0.04, size * 0.2
    lo, hi = inset, size - inset
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and lo <= x <= hi and lo <= y <= hi


def gear(x, y, size, teeth):
    c = size / 2
    dx, dy = x - c, y - c
    d = math.hypot(dx, dy)
    if d < size * 0.12:
        return False  # the hub's hole
    if d <= size * 0.27:
        return True
    if d > size * 0.38:
        return False
    # Teeth: trapezoids, wider at the body than at the tip.
    angle = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
    half = 0.26 - 0.08 * (d - size * 0.27) / (size * 0.11)
    return abs(angle - 0.5) < half


def pixel(px, py, size, teeth):
    tile = cog = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if rounded_tile(x, y, size):
                tile += 1
                if gear(x, y, size, teeth):
                    cog += 1
    n = SAMPLES * SAMPLES
    alpha = tile / n
    if tile == 0:
        return (0, 0, 0, 0)
    # Blue tile, lighter at the top; the gear is near-white.
    t = (py + 0.5) / size
    blue = (int(58 - 30 * t), int(132 - 50 * t), int(230 - 60 * t))
    white = (246, 248, 252)
    w = cog / tile
    rgb = [round(blue[i] * (1 - w) + white[i] * w) for i in range(3)]
    return (rgb[0], rgb[1], rgb[2], round(alpha * 255))


def image(size):
    teeth = 6 if size <= 16 else 8
    rows = [[pixel(x, y, size, teeth) for x in range(size)] for y in range(size)]
    return icon_image(rows)


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "app" / "settings.ico"
    target.write_bytes(out)


if __name__ == "__main__":
    main()
