#pragma once
// One line of the credits scroller's text, read with its formatting tags.
//
// Tags stand in square brackets anywhere in a line and act on the whole line:
//   [size=N]  size in points (a negative N is a character height in pixels)
//   [font=Name]  [center]  [b]  [i]  [u]
//   [color=N] a colour value (0x00BBGGRR, or a system colour), decimal or hexadecimal with "$"
// Other tags are ignored, a "]" outside a tag is dropped, and a size or colour that is not a
// number leaves the line as it was.

#include "TextFont.h"

#include <QString>

#include <cstdint>
#include <optional>

struct MovieLine {
    QString text;   // what is drawn: the line without its tags
    TextFont font;  // the line's font and colour
    bool centred = false;
};

// Every line starts again from `defaultFont` with no bold, italic or underline, and left-aligned.
MovieLine parseMovieLine(const QString &line, const TextFont &defaultFont);

// A whole number as the tags write it: decimal with an optional sign, or hexadecimal after "$"
// or "0x" (up to 8 digits, read as a 32-bit pattern). Anything else gives nothing.
std::optional<std::int32_t> parseTagNumber(const QString &text);
