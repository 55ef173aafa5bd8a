#!/usr/bin/python3
"""Writes the standard balls, the menu icons, the About window's pictures and the game-over
background into resources/pictures. The window icon is the application icon (make_icons.py).

The balls, the menu icons and the About window's pictures also come at twice the size ("@2x"),
drawn afresh rather than enlarged, for screens scaled to 200 %.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

from artlib import KIND_COLOURS, ball, on_ground, reduce, strip

# The board's standard pictures lie on a ground just off white, so a ball cell stays apart from
# an empty (pure white) one.
BALL_GROUND = (246, 246, 242, 255)
NAVY = (0, 0, 128, 255)
BOLD_FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"

S = 8  # menu icons are drawn eight times larger, then reduced


class Sketch:
    """A 16 x 16 icon drawn on a larger canvas with coordinates in icon pixels; the same drawing
    gives the icon at any of its scales."""

    def __init__(self, size=16):
        self.size = size
        self.image = Image.new("RGBA", (size * S, size * S), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def _xy(points):
        return [(x * S, y * S) for x, y in points]

    def polygon(self, points, fill, outline=None, width=0):
        self.draw.polygon(self._xy(points), fill=fill)
        if outline:
            self.line(points + [points[0]], outline, width)

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=1.0):
        self.draw.rectangle([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], fill=fill)
        if outline:
            w = round(width * S)
            self.draw.rectangle([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], outline=outline, width=w)

    def ellipse(self, x0, y0, x1, y1, fill, outline=None, width=1.0):
        self.draw.ellipse([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], fill=fill,
                          outline=outline, width=round(width * S))

    def line(self, points, colour, width):
        self.draw.line(self._xy(points), fill=colour, width=round(width * S), joint="curve")
        r = width * S / 2
        for x, y in self._xy(points):
            self.draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)

    def arc_points(self, cx, cy, r, start, end, steps=24):
        return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
                for a in (start + (end - start) * i / steps for i in range(steps + 1))]

    def text(self, x, y, text, size, fill, outline=None):
        font = ImageFont.truetype(BOLD_FONT, round(size * S))
        self.draw.text((x * S, y * S), text, font=font, fill=fill, anchor="mm",
                       stroke_width=round(S * 0.9) if outline else 0, stroke_fill=outline)

    def result(self, scale=1):
        return reduce(self.image, self.size * scale, sharp=False)


def round_badge(colour, dark):
    sk = Sketch()
    sk.ellipse(0.5, 0.5, 15.5, 15.5, fill=dark)
    sk.ellipse(1.5, 1.5, 14.5, 14.5, fill=colour)
    return sk


def icon_information():
    sk = round_badge((30, 95, 215, 255), (10, 45, 140, 255))
    sk.ellipse(7, 2.8, 9.2, 5, fill="white")
    sk.rect(7, 6.6, 9.2, 13, fill="white")
    return sk


def icon_star():
    sk = Sketch()
    points = []
    for i in range(10):
        r = 7.4 if i % 2 == 0 else 3.1
        a = math.radians(-90 + 36 * i)
        points.append((8 + r * math.cos(a), 8.6 + r * math.sin(a)))
    sk.polygon(points, fill=(255, 200, 20, 255), outline=(190, 120, 0, 255), width=0.8)
    return sk


def icon_exit():
    sk = Sketch()
    # An open door in its frame, with a red arrow leaving through it.
    sk.rect(2, 1, 11, 15, fill=(90, 90, 100, 255))
    sk.rect(3, 2, 10, 15, fill=(255, 255, 255, 255))
    sk.polygon([(3, 2), (8, 3.5), (8, 15.5), (3, 15)], fill=(170, 100, 40, 255),
               outline=(110, 60, 20, 255), width=0.6)
    sk.ellipse(6.3, 8.5, 7.5, 9.7, fill=(250, 210, 60, 255))
    sk.line([(8.5, 8.5), (13, 8.5)], (220, 30, 30, 255), 2.0)
    sk.polygon([(12, 5.2), (15.6, 8.5), (12, 11.8)], fill=(220, 30, 30, 255))
    return sk


def icon_disk():
    sk = Sketch()
    sk.rect(1.5, 1.5, 14.5, 14.5, fill=(40, 70, 150, 255), outline=(20, 35, 90, 255), width=0.8)
    sk.rect(4, 1.5, 12, 6.5, fill=(215, 220, 230, 255))
    sk.rect(9.5, 2.3, 11, 5.7, fill=(40, 70, 150, 255))
    sk.rect(3.5, 9, 12.5, 14.5, fill=(250, 250, 250, 255))
    return sk


def icon_question():
    sk = Sketch()
    sk.text(8, 8.4, "?", 17, fill=(30, 90, 220, 255), outline=(10, 40, 120, 255))
    return sk


def icon_turn(forward):
    sk = Sketch()
    blue, dark = (40, 110, 230, 255), (15, 55, 150, 255)
    # An arc over the top that comes down on the side the arrow points to.
    points = sk.arc_points(8, 9, 5, 200, 370)
    if not forward:
        points = [(16 - x, y) for x, y in points]
    sk.line(points, dark, 3.4)
    sk.line(points, blue, 2.0)
    tip_x = 13 if forward else 3
    side = 1 if forward else -1
    head = [(tip_x - side * 3.6, 9.5), (tip_x + side * 3.6, 9.5), (tip_x, 14.5)]
    sk.polygon(head, fill=blue, outline=dark, width=0.7)
    return sk


def icon_chart(bar_colour, arrow):
    sk = Sketch()
    axis = (70, 70, 80, 255)
    for i, height in enumerate((4, 7, 10)):
        x = 3 + i * 4
        sk.rect(x, 14 - height, x + 3, 14, fill=bar_colour, outline=(0, 0, 0, 120), width=0.5)
    sk.line([(1.5, 1.5), (1.5, 14.5), (14.5, 14.5)], axis, 1.0)
    if arrow:
        green, dark = (30, 190, 40, 255), (10, 100, 20, 255)
        sk.line([(3, 10), (7.5, 6.5), (9.5, 8), (12, 4.8)], dark, 2.4)
        sk.line([(3, 10), (7.5, 6.5), (9.5, 8), (12, 4.8)], green, 1.3)
        sk.polygon([(9.8, 2.6), (15.2, 1.2), (13.8, 6.6)], fill=green, outline=dark, width=0.5)
    return sk


def icon_smile():
    sk = round_badge((255, 215, 30, 255), (190, 120, 0, 255))
    sk.ellipse(4.6, 4.6, 6.8, 7.6, fill=(60, 35, 0, 255))
    sk.ellipse(9.2, 4.6, 11.4, 7.6, fill=(60, 35, 0, 255))
    sk.line(sk.arc_points(8, 7.5, 4.2, 25, 155), (60, 35, 0, 255), 1.3)
    return sk


def icon_check():
    sk = Sketch()
    sk.line([(2.2, 8.6), (6, 12.6), (14, 3)], (120, 0, 0, 255), 3.6)
    sk.line([(2.2, 8.6), (6, 12.6), (14, 3)], (230, 20, 20, 255), 2.4)
    return sk


def icon_list():
    sk = Sketch()
    sk.rect(2, 0.5, 14, 15, fill=(255, 255, 255, 255), outline=(90, 100, 120, 255), width=0.8)
    for row in range(4):
        y = 3.5 + row * 3
        sk.ellipse(3.7, y - 0.9, 5.5, y + 0.9, fill=(40, 110, 230, 255))
        sk.line([(7, y), (12.2, y)], (60, 60, 70, 255), 1.0)
    return sk


def icon_scales():
    sk = Sketch()
    brass, dark = (205, 150, 30, 255), (120, 80, 10, 255)
    sk.line([(8, 2.5), (8, 13.5)], dark, 1.6)
    sk.rect(4.5, 13.2, 11.5, 15, fill=dark)
    sk.line([(1.8, 4), (14.2, 4)], dark, 1.4)
    sk.ellipse(6.8, 1, 9.2, 3.4, fill=brass)
    for cx in (3.2, 12.8):
        sk.line([(cx, 4), (cx - 2.4, 9)], dark, 0.6)
        sk.line([(cx, 4), (cx + 2.4, 9)], dark, 0.6)
        sk.polygon([(cx - 3, 8.8), (cx + 3, 8.8), (cx + 1.8, 11), (cx - 1.8, 11)],
                   fill=brass, outline=dark, width=0.5)
    return sk


def menu_icons(scale):
    sketches = [
        icon_information(),                  # 0
        icon_star(),                         # 1, not used by a menu item
        icon_exit(),                         # 2
        icon_disk(),                         # 3, not used by a menu item
        icon_question(),                     # 4
        icon_turn(False),                    # 5 undo
        icon_turn(True),                     # 6 redo
        icon_chart((40, 110, 230, 255), False),   # 7 Standard
        icon_chart((220, 60, 40, 255), True),     # 8 Shift Mega Row
        icon_chart((240, 150, 20, 255), True),    # 9 Add Mega Row
        icon_chart((150, 70, 200, 255), True),    # 10 Shifter
        icon_smile(),                        # 11
        icon_check(),                        # 12
        icon_list(),                         # 13
        icon_scales(),                       # 14
    ]
    icons = [sketch.result(scale) for sketch in sketches]
    for n, icon in enumerate(icons):
        # The menu skin takes an icon's bottom-left pixel as its transparent colour.
        if icon.getpixel((0, icon.height - 1))[3] != 0:
            sys.exit(f"menu icon {n}: the bottom-left pixel must be transparent")
    return icons


def about_header(k):
    """The About page's header, 431 x 153, drawn k times larger."""
    width, height = 431 * k, 153 * k
    image = Image.new("RGB", (width, height), "white")
    d = ImageDraw.Draw(image)
    # The band along the top: grey shading down into a dark-blue rule.
    for y in range(9 * k):
        g = 212 - round(y * 6 / k)
        d.line([(0, y), (width, y)], fill=(g, g, g + 4))
    d.rectangle([0, 9 * k, width, 13 * k - 1], fill=(0, 0, 128))
    d.rectangle([0, 13 * k, width, 14 * k - 1], fill=(150, 160, 200))
    # The folded corner at the top left: the page's corner turned down over itself, small
    # enough to end before the program's icon, which sits at (19, 20).
    fold = 16 * k
    d.polygon([(0, 0), (fold, 0), (0, fold)], fill="white")
    for i in range(3 * k):  # the flap's soft shadow on the page, below the band
        g = 232 + round(i * 8 / k)
        edge = fold + k + i
        d.line([(edge, 14 * k), (edge, edge), (k + i, edge)], fill=(g, g, g))
    for y in range(fold + 1):  # the flap, lit at the crease and darker towards its tip
        x0 = fold - y
        for x in range(x0, fold + 1):
            g = round(214 - 40 * (x + y - fold) / fold)
            d.point((x, y), fill=(g, g, g + 4))
    for i in range(k):
        d.line([(fold + i, 0), (0, fold + i)], fill=(150, 150, 158))
    for i in range(k):
        d.line([(fold + i, 0), (fold + i, fold + i), (0, fold + i)], fill=(120, 120, 130))
    # A faint row of balls along the bottom edge, the game's own pattern.
    for i in range(0, 431 // 18 + 1):
        colour = KIND_COLOURS[i % 5]
        pale = tuple(255 - (255 - c) // 9 for c in colour)
        d.ellipse([(i * 18 + 2) * k, height - 16 * k, (i * 18 + 16) * k - 1, height - 2 * k - 1],
                  fill=pale)
    return image


def about_background_tile(k):
    """The "BACKGND" tile, 48 x 48, drawn k times larger."""
    image = Image.new("RGB", (48 * k, 48 * k), (244, 246, 252))
    d = ImageDraw.Draw(image)
    for (x, y), colour in zip(((6, 6), (30, 30)), (KIND_COLOURS[2], KIND_COLOURS[4])):
        pale = tuple(255 - (255 - c) // 12 for c in colour)
        d.ellipse([x * k, y * k, (x + 13) * k - 1, (y + 13) * k - 1], fill=pale)
    return image


def about_tool_band(k):
    """The tool strip's band, 440 x 25, drawn k times larger."""
    width, height = 440 * k, 25 * k
    image = Image.new("RGB", (width, height))
    d = ImageDraw.Draw(image)
    for y in range(height):
        t = y / (height - 1)
        d.line([(0, y), (width, y)], fill=(round(246 - 40 * t), round(248 - 34 * t), 255 - round(14 * t)))
    d.rectangle([0, 0, width, k - 1], fill=(255, 255, 255))
    d.rectangle([0, height - k, width, height - 1], fill=(120, 130, 170))
    return image


def about_info_glyph():
    sk = Sketch(20)
    # A hard disk seen from the front, with its green light and a blue "i".
    sk.rect(1, 6, 19, 16, fill=(170, 175, 185, 255), outline=(80, 85, 95, 255), width=0.8)
    sk.rect(2, 7, 18, 9, fill=(215, 218, 225, 255))
    sk.ellipse(14.5, 12, 17, 14.5, fill=(40, 210, 60, 255))
    sk.ellipse(3, 1, 13, 11, fill=(40, 110, 230, 255), outline=(10, 50, 150, 255), width=0.8)
    sk.text(8, 6.2, "i", 8.5, fill="white")
    return sk


def about_close_glyph():
    sk = Sketch(20)
    sk.ellipse(1, 1, 19, 19, fill=(150, 20, 20, 255))
    sk.ellipse(2, 2, 18, 18, fill=(225, 45, 45, 255))
    sk.line([(6.5, 6.5), (13.5, 13.5)], "white", 2.4)
    sk.line([(13.5, 6.5), (6.5, 13.5)], "white", 2.4)
    return sk


def game_over_background():
    width, height = 295, 188
    image = Image.new("RGB", (width, height), "white")
    d = ImageDraw.Draw(image)
    border = 7
    # A dark-blue frame, lit from the upper left: light outer edges top and left, dark bottom
    # and right, and the opposite on the inner edges so the white field looks sunk.
    d.rectangle([0, 0, width - 1, height - 1], fill=(0, 0, 128))
    d.rectangle([border, border, width - 1 - border, height - 1 - border], fill="white")
    for i, (light, dark) in enumerate((((90, 110, 220), (0, 0, 60)), ((50, 70, 190), (0, 0, 85)))):
        d.line([(i, height - 1 - i), (i, i), (width - 1 - i, i)], fill=light)
        d.line([(i + 1, height - 1 - i), (width - 1 - i, height - 1 - i), (width - 1 - i, i + 1)], fill=dark)
    inner = border - 1
    d.line([(inner, height - 1 - inner), (inner, inner), (width - 1 - inner, inner)], fill=(0, 0, 70))
    d.line([(inner + 1, height - 1 - inner), (width - 1 - inner, height - 1 - inner),
            (width - 1 - inner, inner + 1)], fill=(120, 140, 230))
    return image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
    info, close = about_info_glyph(), about_close_glyph()
    for k, suffix in ((1, ""), (2, "@2x")):
        def save(image, name):
            image.save(os.path.join(out, f"{name}{suffix}.png"), optimize=True)

        normal = [on_ground(ball(24 * k, c, margin=k), BALL_GROUND) for c in KIND_COLOURS]
        selected = [on_ground(ball(24 * k, c, pale=True, margin=k), BALL_GROUND) for c in KIND_COLOURS]
        save(strip(normal + selected).convert("RGB"), "standard")
        save(strip(menu_icons(k)), "menu_icons")
        save(about_header(k), "about_header")
        save(about_background_tile(k), "backgnd")
        save(about_tool_band(k), "about_band")
        save(info.result(k), "about_info")
        save(close.result(k), "about_close")
    game_over_background().save(os.path.join(out, "gameover.jpg"), quality=92)


if __name__ == "__main__":
    main()
