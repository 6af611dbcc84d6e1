#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""Gives a font file a family name of its own.

Usage: rename-font-family.py INPUT OUTPUT OLD NEW

Every name record that starts with the family OLD (family, full and unique
names, typographic family) starts with NEW instead; the PostScript names take
NEW without spaces. Styles, outlines, the licence records and the font's
timestamp are unchanged.
"""

import sys

from fontTools.ttLib import TTFont

FAMILY_IDS = (1, 3, 4, 16, 21)
POSTSCRIPT_IDS = (3, 6, 20)


def main(source, target, old, new):
    # The source's timestamp stays, so that two builds of one commit embed
    # the same bytes.
    font = TTFont(source, recalcTimestamp=False)
    old_ps, new_ps = old.replace(" ", ""), new.replace(" ", "")
    renamed = 0
    for record in font["name"].names:
        text = record.toUnicode()
        if record.nameID in FAMILY_IDS and text.startswith(old) and not text.startswith(new):
            record.string = new + text[len(old):]
            renamed += 1
        elif (record.nameID in POSTSCRIPT_IDS and text.startswith(old_ps)
              and not text.startswith(new_ps)):
            record.string = new_ps + text[len(old_ps):]
            renamed += 1
    if not renamed and not any(r.toUnicode().startswith(new) for r in font["name"].names):
        sys.exit(f"{source}: no name record starts with {old!r}")
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__.strip())
    main(*sys.argv[1:])
