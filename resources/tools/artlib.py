"""Drawing helpers shared by the artwork generators: shaded balls and emoji glyphs.

Everything is drawn larger than needed and reduced with premultiplied alpha, so edges stay
smooth and no dark fringe appears around a transparent picture.
"""
import math

from PIL import Image, ImageDraw, ImageFont

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
# The colour emoji font carries bitmaps of one size only.
EMOJI_STRIKE = 109
YELLOW = (255, 255, 0, 255)

# The colours of the five symbol kinds: red, green, blue, yellow, magenta. The yellow leans to
# orange so that its shadow side turns golden rather than olive.
RED, GREEN, BLUE = (220, 30, 30), (30, 165, 45), (35, 75, 220)
GOLD, MAGENTA = (255, 200, 10), (205, 30, 195)
KIND_COLOURS = (RED, GREEN, BLUE, GOLD, MAGENTA)

_emoji_font = None


def reduce(image, size, sharp=True):
    """Shrinks an RGBA picture to size x size without haloes at its transparent edges.

    `sharp` keeps fine detail (photographic glyphs); otherwise each pixel is the plain average
    of the area it covers, which never spreads a drawing beyond its outline."""
    method = Image.LANCZOS if sharp else Image.BOX
    return image.convert("RGBa").resize((size, size), method).convert("RGBA")


def on_ground(image, ground):
    """The picture laid onto an opaque ground colour (an RGBA tuple)."""
    result = Image.new("RGBA", image.size, ground)
    result.alpha_composite(image)
    return result


def emoji(char, size, fill=0.94):
    """One emoji glyph, centred and scaled to fill `fill` of a size x size square."""
    global _emoji_font
    if _emoji_font is None:
        _emoji_font = ImageFont.truetype(EMOJI_FONT, EMOJI_STRIKE)
    canvas = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((0, 0), char, font=_emoji_font, embedded_color=True)
    box = canvas.getbbox()
    if box is None:
        raise ValueError(f"the emoji font has no picture for {char!r}")
    glyph = canvas.crop(box)
    # Square it with a margin, so that every picture of a list has the same visual size.
    side = round(max(glyph.size) / fill)
    square = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    square.paste(glyph, ((side - glyph.size[0]) // 2, (side - glyph.size[1]) // 2))
    return reduce(square, size)


def shade(rgb, nx, ny, nz, pale):
    # Light from the upper left and a little in front; a white specular spot.
    lx, ly, lz = -0.45, -0.55, 0.70
    norm = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / norm, ly / norm, lz / norm
    diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
    # Reflection of the light about the normal, seen from straight in front.
    rz = 2 * diffuse * nz - lz
    specular = max(0.0, rz) ** 24
    ambient, gain = (0.62, 0.45) if pale else (0.42, 0.78)
    out = []
    for c in rgb:
        v = c * (ambient + gain * diffuse)
        if pale:
            v = v * 0.45 + 255 * 0.55
        v = v + (255 - v) * specular * (0.6 if pale else 0.9)
        out.append(max(0, min(255, round(v))))
    return tuple(out)


def ball(size, rgb, pale=False, scale=6, margin=1.0):
    """A shaded ball filling a size x size square with transparency around it."""
    big = size * scale
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    pixels = image.load()
    centre = big / 2
    radius = big / 2 - margin * scale
    for y in range(big):
        for x in range(big):
            dx = (x + 0.5 - centre) / radius
            dy = (y + 0.5 - centre) / radius
            d2 = dx * dx + dy * dy
            if d2 > 1.0:
                continue
            dz = math.sqrt(1.0 - d2)
            r, g, b = shade(rgb, dx, dy, dz, pale)
            # A thin darker rim keeps the ball apart from a pale ground.
            rim = 1.0 - max(0.0, (math.sqrt(d2) - 0.93) / 0.07) * (0.25 if pale else 0.45)
            pixels[x, y] = (round(r * rim), round(g * rim), round(b * rim), 255)
    return reduce(image, size)


def strip(pictures):
    """Lays square pictures side by side in one row, picture n at x = n * size."""
    size = pictures[0].size[0]
    row = Image.new("RGBA", (size * len(pictures), size), (0, 0, 0, 0))
    for n, picture in enumerate(pictures):
        row.paste(picture, (n * size, 0))
    return row
