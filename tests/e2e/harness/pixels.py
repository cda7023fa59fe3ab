# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What the screen and screenshots show, read as pixels."""

import subprocess

GOLD = "#FF9F00"  # the coins' faces


def picture_pixels(command, box=None):
    """The (r, g, b) bytes of the picture an ImageMagick command reads, or of
    a rectangle of it, row by row; read raw, since its text dump takes
    seconds for a window's worth of pixels."""
    crop = ["-crop", "%dx%d+%d+%d" % (box[2], box[3], box[0], box[1])] if box else []
    data = subprocess.run([*command, *crop, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout
    return list(zip(data[0::3], data[1::3], data[2::3]))


def pixels(screenshot, box=None):
    """The pixels of an image file, or of a rectangle of it."""
    return picture_pixels(["convert", screenshot], box)


def colour_count(found, colour):
    """How many of these pixels have exactly this colour, given as #RRGGBB."""
    return found.count(tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5)))


def screen_pixels(box):
    """The pixels of the screen's rectangle."""
    return picture_pixels(["import", "-window", "root"], box)


def screen_colour_count(box, colour):
    """How many pixels of the screen's rectangle have exactly this colour."""
    return colour_count(screen_pixels(box), colour)
