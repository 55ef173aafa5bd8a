#!/usr/bin/python3
"""Writes the two picture libraries (87 big pictures of 32 x 32, 80 small of 16 x 16).

Each library becomes two strips, picture n at x = n * size: the plain form with alpha and the
same pictures laid onto pure yellow. Both come from the same drawing, so they never disagree.
Every strip also comes at twice the size ("@2x"), drawn afresh from the large originals, for
screens scaled to 200 %.
"""
import os
import sys

from artlib import BLUE, GOLD, GREEN, MAGENTA, RED, YELLOW, ball, emoji, on_ground, strip

# Colours of the other drawn balls.
ORANGE, CYAN, PURPLE = (245, 125, 0), (0, 185, 210), (120, 50, 190)
PINK, BROWN, SILVER, BLACK = (255, 130, 180), (135, 80, 35), (200, 200, 205), (45, 45, 50)

# Big pictures 0 to 4 are what a new player sees: five animals of clearly different colour and
# shape (red, green, blue, yellow and black, black and white).
BIG = (
    ["🐞", "🐸", "🐳", "🐝", "🐼"]
    # animals
    + list("🐶🐱🐭🐹🐰🦊🐻🐙🐨🐯🦁🐮🐷🐵🐔🐧🐤🦆🦉🐴🐢🐍🦀🐠🐬🐘🦒🐌🦋🦜")
    # toys
    + list("🧸🪁🎈🪀🎲🧩🚂🚗🚀🥁🎺🎸⛵🤖🎁🚁")
    # everyday things
    + list("☂🔑💡⏰📚✏✂🔨🎩👓👟☕🍎🍌🍓🍉🍕🍦🔔⚓🏠🌵🌻🍄")
    # balls
    + list("⚽🏀⚾🎾🏐🎱")
    + [RED, ORANGE, GREEN, CYAN, BLUE, PURPLE]
)

# Small pictures must read at 16 x 16: bold, simple subjects. 0 to 4 are the balls of the
# standard set; 5 to 9 (a new player's board) match their colours: red, green, blue, yellow,
# purple. The yellow one has a dark heart, so it still shows when selected on yellow.
SMALL = (
    [RED, GREEN, BLUE, GOLD, MAGENTA]
    + ["❤", "🍀", "💧", "🌻", "🍇"]
    # fruit, plants, sky and weather
    + list("🍎🍊🍋🍒🍓🍉🍌🥕🍄🌵🌷🌲🍁☀🌙⭐⚡🔥❄🌈")
    # animals
    + list("🐟🐞🐝🐌🦋🐸🐷🐱🐶🐭🐰🐧🐤🐢🐙🦀🐳")
    # toys and everyday things
    + list("🔑💡🔔⚓🎈🎁🎲🚗🚀⛵🏠⏰✏✂🔨👑💎🎩👟☕🍦☂")
    # balls
    + list("⚽🏀🎾🎱")
    + [ORANGE, CYAN, PINK, BROWN, SILVER, BLACK, PURPLE]
)


def picture(item, size, scale, fill):
    """One picture of a size x size list, drawn scale times larger."""
    if isinstance(item, tuple):
        return ball(size * scale, item, margin=(0.5 if size <= 16 else 1.0) * scale)
    return emoji(item, size * scale, fill)


def write_library(name, items, size, count, fill, out_dir):
    if len(items) != count:
        sys.exit(f"{name}: {len(items)} pictures, {count} expected")
    if len(set(map(str, items))) != count:
        sys.exit(f"{name}: a picture appears twice")
    for scale, suffix in ((1, ""), (2, "@2x")):
        plain = [picture(item, size, scale, fill) for item in items]
        strip(plain).save(os.path.join(out_dir, f"{name}_plain{suffix}.png"), optimize=True)
        strip([on_ground(p, YELLOW) for p in plain]).save(
            os.path.join(out_dir, f"{name}_yellow{suffix}.png"), optimize=True)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
    write_library("big", BIG, 32, 87, 0.95, out_dir)
    write_library("small", SMALL, 16, 80, 1.0, out_dir)


if __name__ == "__main__":
    main()
