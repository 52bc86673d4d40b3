#!/usr/bin/python3
"""subset_font.py IN.ttf OUT.ttf FAMILY [UNICODES]

Makes the face the program embeds from one of the bundled font files: the
glyphs of the characters UNICODES names (comma-separated code points and
ranges as pyftsubset takes them, "U+0020-007E,U+00B5"), or of every
character when UNICODES is left out, renamed to FAMILY.

The glyphs keep their outlines, hinting programs, metrics and layout rules
unchanged, and the .notdef glyph keeps its box, so every character the face
holds is drawn pixel for pixel as the original file draws it. Copyright and
licence records stay. The new family name is the licences' due: a changed
Liberation face may not carry the name "Liberation", nor a changed Bitstream
Vera face "Bitstream" or "Vera".

Runs at build time with fontTools (Debian: fonttools); the output depends on
its inputs alone, so builds repeat byte for byte."""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Name records that hold the family: family, unique id, full name,
# PostScript name, typographic family, compatible full name, WWS family.
FAMILY_NAME_IDS = {1, 3, 4, 6, 16, 18, 21}


def options():
    o = subset.Options()
    o.layout_features = ["*"]  # ligatures and every rule the shaper may use
    o.name_IDs = ["*"]  # copyright, licence and trademark records included
    o.name_languages = ["*"]
    o.notdef_outline = True  # a missing character shows the same box
    o.legacy_kern = True
    o.recalc_timestamp = False
    o.drop_tables += ["FFTM"]  # the font editor's own time stamps
    return o


def rename(font, family):
    """Every family name record: the original family (its first record's
    text) becomes FAMILY, also where it is written without blanks."""
    names = font["name"]
    old = names.getDebugName(16) or names.getDebugName(1)
    if not old:
        raise SystemExit("subset_font.py: the font names no family")
    for record in names.names:
        if record.nameID not in FAMILY_NAME_IDS:
            continue
        text = record.toUnicode()
        text = text.replace(old, family).replace(old.replace(" ", ""), family.replace(" ", ""))
        record.string = text


def main(argv):
    if len(argv) not in (4, 5):
        raise SystemExit(__doc__.split("\n\n")[0])
    source, target, family = argv[1:4]
    o = options()
    font = subset.load_font(source, o)
    subsetter = subset.Subsetter(o)
    if len(argv) == 5:
        subsetter.populate(unicodes=subset.parse_unicodes(argv[4]))
    else:
        subsetter.populate(unicodes=font.getBestCmap().keys())
    subsetter.subset(font)
    rename(font, family)
    subset.save_font(font, target, o)


if __name__ == "__main__":
    main(sys.argv)
