#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's font: the characters of Western European languages taken from a
free font with Arial's metrics, as a web font under a name of its own (the
font's licence reserves its name for the font as it was published).

Beside the web font goes its licence notice, the REUSE way: OUTPUT.license
with the font's copyright lines and its licence's identifier.

Usage: subset_font.py FONT.ttf OUTPUT.woff2 FAMILY
       subset_font.py --licence-text DEBIAN-COPYRIGHT OUTPUT.txt
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Latin-1 and the punctuation and signs a Dutch text uses.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100),
              0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026, 0x20AC, 0x2212]


def main(source, output, family):
    # The font keeps the time of its source, so the same source font gives
    # the same web font whenever it is made.
    font = TTFont(source, recalcTimestamp=False)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    style = font["name"].getDebugName(2) or "Regular"
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 16):
            names.setName(family, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID in (4, 18):
            names.setName(f"{family} {style}", record.nameID, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID in (3, 6):
            names.setName(f"{family.replace(' ', '')}-{style}", record.nameID, record.platformID,
                          record.platEncID, record.langID)
    font.flavor = "woff2"
    font.save(output)

    copyright_lines = (names.getDebugName(0) or "").splitlines()
    spdx = "SPDX-" + "FileCopyrightText: "
    with open(output + ".license", "w", encoding="utf-8") as notice:
        for line in copyright_lines:
            notice.write(spdx + line.strip() + "\n")
        notice.write("SPDX-" + "License-Identifier: OFL-1.1\n")


def licence_text(debian_copyright, output):
    """The font licence's own text, from the paragraph of the font package's
    machine-readable copyright file that holds it."""
    lines, inside = [], False
    with open(debian_copyright, encoding="utf-8") as copyright_file:
        for line in copyright_file:
            if line.startswith(" SIL OPEN FONT LICENSE"):
                inside = True
            elif inside and not line.startswith(" "):
                break
            if inside:
                text = line[1:].rstrip()
                lines.append("" if text == "." else text)
    if not lines:
        sys.exit(f"{debian_copyright}: no font licence found")
    while lines and not lines[-1]:
        lines.pop()
    with open(output, "w", encoding="utf-8") as licence:
        licence.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    if sys.argv[1:2] == ["--licence-text"]:
        licence_text(*sys.argv[2:])
    else:
        main(*sys.argv[1:])
