# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Gives a Wine prefix the two fonts the program's windows are drawn in, as
Windows has them: Arial and Times New Roman, made from their metric twins
Liberation Sans and Liberation Serif under the Windows names (Qt 6.8 reads
fonts through DirectWrite, which does not follow Wine's font replacements)."""

import os

from fontTools.ttLib import TTFont

LIBERATION = "/usr/share/fonts/truetype/liberation"
FAMILIES = {"Arial": ("LiberationSans", "arial"), "Times New Roman": ("LiberationSerif", "times")}
# The family, unique, full, PostScript and typographic family names.
NAMES = {1, 3, 4, 6, 16}
STYLES = {"Regular": ("", ""), "Bold": ("bd", " Bold"), "Italic": ("i", " Italic"),
          "BoldItalic": ("bi", " Bold Italic")}


def write_fonts(prefix, registry):
    """Writes the font files into the prefix's Fonts folder, and to the
    registry file the entries that list them."""
    fonts = os.path.join(prefix, "drive_c", "windows", "Fonts")
    print("Windows Registry Editor Version 5.00\n", file=registry)
    print("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]",
          file=registry)
    for family, (liberation, short) in FAMILIES.items():
        for style, (suffix, full_style) in STYLES.items():
            font = TTFont(os.path.join(LIBERATION, "%s-%s.ttf" % (liberation, style)))
            old_family = font["name"].getDebugName(1)
            old_postscript = liberation
            for record in font["name"].names:
                if record.nameID not in NAMES:
                    continue
                text = record.toUnicode()
                text = text.replace(old_family, family)
                text = text.replace(old_postscript, family.replace(" ", ""))
                record.string = text
            name = short + suffix + ".ttf"
            font.save(os.path.join(fonts, name))
            print('"%s%s (TrueType)"="%s"' % (family, full_style, name), file=registry)
