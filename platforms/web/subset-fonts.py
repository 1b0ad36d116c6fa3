#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the faces the browser version brings along, from Debian's
Liberation Sans (package fonts-liberation2): the three styles the windows
use, cut down to the characters the program shows (Latin-1 and a little
punctuation), so that the download stays small.

A cut-down font is a modified version in the sense of the SIL Open Font
License, under which a modified Liberation font may not carry the reserved
name "Liberation": the faces are renamed "RZ Sans". Their widths, outlines,
hinting and kerning are Liberation Sans's own (the widths of Arial), the
copyright and licence entries stay as they are, and the version entry says
what was done.

usage: subset-fonts.py OUTPUT-FOLDER   (run with Debian's python3-fonttools)
"""

import logging
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = pathlib.Path("/usr/share/fonts/truetype/liberation2")
FAMILY = "RZ Sans"
STYLES = {"Regular": "Regular", "Bold": "Bold", "BoldItalic": "Bold Italic"}
# Printable ASCII, Latin-1 (umlauts, ß, the no-break space), and the dashes,
# quotes and the ellipsis of German text.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100),
              0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2026]


def rename(font: TTFont, style: str) -> None:
    names = font["name"]
    postscript = FAMILY.replace(" ", "") + "-" + style.replace(" ", "")
    version = names.getDebugName(5) or ""
    for record in list(names.names):
        if record.nameID in (16, 17, 18, 21, 22):
            names.removeNames(nameID=record.nameID)
    for record in names.names:
        if record.nameID == 1:
            record.string = FAMILY
        elif record.nameID == 3:
            record.string = postscript + "; " + version
        elif record.nameID == 4:
            record.string = FAMILY + ("" if style == "Regular" else " " + style)
        elif record.nameID == 5:
            record.string = version + "; cut down to Latin-1 for Römische Zahlen"
        elif record.nameID == 6:
            record.string = postscript


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    # fontTools says which tables of no use here it drops; that is expected.
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)
    options = subset.Options()
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    for source_style, style in STYLES.items():
        # The time stamps stay Liberation's, so that the same source gives the
        # same bytes.
        font = TTFont(SOURCE / f"LiberationSans-{source_style}.ttf", recalcTimestamp=False)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=CHARACTERS)
        subsetter.subset(font)
        rename(font, style)
        target = out / f"RZSans-{source_style}.ttf"
        font.save(target)
        print(f"{target}: {target.stat().st_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
