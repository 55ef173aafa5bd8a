#!/usr/bin/python3
"""Writes the application icon, four shaded balls in a square, as the desktop's hicolor icon
set: PNG pictures of every size the menus and task bars ask for, and a scalable SVG.

The 32 x 32 picture is also the in-game window icon, so its pixels are those the game has
always shown; the other sizes are drawn afresh, never scaled from another size."""
import math
import os
import sys

from PIL import Image

from artlib import KIND_COLOURS, ball, shade

APP_ID = "org.example.quorbix"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
MARGIN = 0.3  # of a ball's pixels at 16 per ball; the balls nearly touch


def window_icon(size):
    """Red, green, blue and gold balls in the four quarters of a size x size square."""
    half = size // 2
    icon = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for i, colour in enumerate(KIND_COLOURS[:4]):
        icon.alpha_composite(ball(half, colour, margin=MARGIN * half / 16),
                             ((i % 2) * half, (i // 2) * half))
    return icon


def _gradient_stops(colour, fx, fy, steps=12):
    """Shades along the line from the highlight (fx, fy) to the far rim, on the unit ball;
    closer together near the highlight, where the shading changes fastest."""
    length = math.hypot(fx, fy)
    ux, uy = -fx / length, -fy / length
    stops = []
    for i in range(steps + 1):
        t = (i / steps) ** 2
        # From the highlight to the rim point opposite it.
        x, y = fx + t * (ux - fx), fy + t * (uy - fy)
        d = min(1.0, math.hypot(x, y))
        r, g, b = shade(colour, x, y, math.sqrt(max(0.0, 1.0 - d * d)), False)
        rim = 1.0 - max(0.0, (d - 0.93) / 0.07) * 0.45
        stops.append((t, f"#{round(r * rim):02x}{round(g * rim):02x}{round(b * rim):02x}"))
    return stops


def _brightest_spot(colour, steps=100):
    """The point of the unit ball's face where the shading is brightest: the highlight."""
    best = (-1, 0.0, 0.0)
    for i in range(steps + 1):
        for j in range(steps + 1):
            x, y = -1 + 2 * i / steps, -1 + 2 * j / steps
            if x * x + y * y < 0.9:
                lit = sum(shade(colour, x, y, math.sqrt(1.0 - x * x - y * y), False))
                best = max(best, (lit, x, y))
    return best[1], best[2]


def window_icon_svg():
    """The same four balls as radial gradients on a 32 x 32 canvas."""
    fx, fy = _brightest_spot(KIND_COLOURS[0])
    radius = 8 - MARGIN
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
             "<defs>"]
    for i, colour in enumerate(KIND_COLOURS[:4]):
        parts.append(f'<radialGradient id="ball{i}" cx="0.5" cy="0.5" r="0.5" '
                     f'fx="{0.5 + fx / 2:.3f}" fy="{0.5 + fy / 2:.3f}">')
        for offset, rgb in _gradient_stops(colour, fx, fy):
            parts.append(f'<stop offset="{offset:.3f}" stop-color="{rgb}"/>')
        parts.append("</radialGradient>")
    parts.append("</defs>")
    for i in range(4):
        cx, cy = 8 + (i % 2) * 16, 8 + (i // 2) * 16
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="{radius}" fill="url(#ball{i})"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "icons", "hicolor")
    for size in SIZES:
        folder = os.path.join(out, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        window_icon(size).save(os.path.join(folder, APP_ID + ".png"), optimize=True)
    folder = os.path.join(out, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, APP_ID + ".svg"), "w", encoding="ascii") as svg:
        svg.write(window_icon_svg())


if __name__ == "__main__":
    main()
