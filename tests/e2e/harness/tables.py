# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""The tests' own tables, shared with the widget tests: where each control
stands (tests/layout.tsv) and the program's words (tests/texts.tsv)."""

import os

TESTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def rows(name):
    """A table's rows of tab-separated fields, comment lines left out."""
    with open(os.path.join(TESTS, name), encoding="utf-8") as table:
        return [line.rstrip("\n").split("\t") for line in table
                if line.strip() and not line.startswith("#")]


def layout(window):
    """Each control's rectangle in the window's client area, in pixels at
    100 % (the table has twips, 15 to a pixel)."""
    return {row[1]: tuple(int(twips) // 15 for twips in row[2:6]) for row in rows("layout.tsv")
            if row[0] == window}


CONTROLS = layout("Form1")
TEXTS = dict(rows("texts.tsv"))
TITLE = TEXTS["title"]


def text(name, *values):
    """The program's words of this name, with these values where it fills
    in %1, %2 and %3."""
    said = TEXTS[name]
    for number, value in enumerate(values, 1):
        said = said.replace("%%%d" % number, str(value))
    return said

HELP_TITLE = TEXTS["help title"]
