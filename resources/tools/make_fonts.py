#!/usr/bin/python3
"""Copies the embedded fonts and their licences from Debian's font packages into
resources/fonts.

The display faces get family names of their own. The game asks for one weight of each
("Berlin Sans FB Demi", "Berlin Sans FB", "Britannic Bold") whatever the weight in its font
request, and a face under a name nobody else uses is the one the font matcher finds, whatever
is installed on the machine. Their licence (SIL Open Font License 1.1) allows the change; none
of the family names is reserved.

Needs the Debian packages fonts-comic-neue, fonts-liberation2, fonts-eurofurence,
fonts-linuxlibertine and python3-fonttools.

The stand-in for "Britannic Bold" joins two exclamation marks into one "‼" glyph, which the
face it stands for never does, and the game-over total ends in "!!": that ligature is dropped.
"""
import os
import shutil
import sys

from fontTools.ttLib import TTFont

PLAIN = {
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf": "ComicNeue-Regular.otf",
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf": "ComicNeue-Bold.otf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf": "LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf": "LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf": "LiberationMono-Regular.ttf",
}
# source: (target, family, ligatures to drop, each as its glyph names)
RENAMED = {
    "/usr/share/fonts/truetype/eurofurence/eurof55.ttf": ("EurofurenceBook.ttf", "Eurofurence Book", []),
    "/usr/share/fonts/truetype/eurofurence/eurof75.ttf": ("EurofurenceDemi.ttf", "Eurofurence Demi", []),
    "/usr/share/fonts/opentype/linux-libertine/LinBiolinum_RB.otf": (
        "BiolinumDisplay.otf", "Biolinum Display", [("exclam", "exclam")]),
}
LICENCES = {
    "fonts-comic-neue": "ComicNeue.copyright",
    "fonts-liberation2": "Liberation.copyright",
    "fonts-eurofurence": "Eurofurence.copyright",
    "fonts-linuxlibertine": "Biolinum.copyright",
}


def drop_ligatures(font, dropped):
    """Removes the ligatures made of exactly the given glyph sequences from every lookup."""
    if not dropped or "GSUB" not in font:
        return
    for lookup in font["GSUB"].table.LookupList.Lookup:
        for subtable in lookup.SubTable:
            if lookup.LookupType == 7:  # an extension wraps the real subtable
                subtable = subtable.ExtSubTable
            ligatures = getattr(subtable, "ligatures", None)
            if not ligatures:
                continue
            for first in list(ligatures):
                kept = [lig for lig in ligatures[first]
                        if (first, *lig.Component) not in dropped]
                if kept:
                    ligatures[first] = kept
                else:
                    del ligatures[first]


def rename(source, target, family, dropped):
    # Keep the source's timestamp, so that every run writes the same file.
    font = TTFont(source, recalcTimestamp=False)
    drop_ligatures(font, dropped)
    postscript = family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (2, 17):
            record.string = "Regular"
        elif record.nameID in (3, 4):
            record.string = family
        elif record.nameID == 6:
            record.string = postscript
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FamilyName = family
        top.FullName = family
    font.save(target)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "fonts")
    for source, name in PLAIN.items():
        shutil.copyfile(source, os.path.join(out, name))
    for source, (name, family, dropped) in RENAMED.items():
        rename(source, os.path.join(out, name), family, dropped)
    for package, name in LICENCES.items():
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", os.path.join(out, name))


if __name__ == "__main__":
    main()
