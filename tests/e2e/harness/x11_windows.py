# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What the X server and the window manager know of a window: its id, its
title, its icon and its frame."""

import codecs
import itertools
import re
import subprocess


def title_start(title):
    """A pattern for the titles that begin as this one does: xdotool matches
    titles as bytes, so the title's ASCII start."""
    return "^" + "".join(itertools.takewhile(str.isascii, title))


def window_id(title_pattern):
    """The first X window whose title matches, or None."""
    found = subprocess.run(["xdotool", "search", "--name", title_pattern], capture_output=True,
                           text=True, timeout=30).stdout.split()
    return found[0] if found else None


def window_title(window):
    """The title the window manager shows (xprop writes its UTF-8 bytes as
    octal escapes)."""
    said = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], check=True,
                          capture_output=True, text=True).stdout
    escaped = re.search(r'= "(.*)"', said).group(1)
    return codecs.escape_decode(escaped.encode())[0].decode("utf-8")


def icon_sizes(window):
    """The sizes of the icon the window gives the window manager."""
    icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], check=True,
                          capture_output=True, text=True).stdout
    return re.findall(r"Icon \((\d+ x \d+)\)", icon)


def frame_geometry(window):
    """The window's rectangle on the screen, its frame included."""
    info = subprocess.run(["xwininfo", "-id", window], check=True, capture_output=True,
                          text=True).stdout
    field = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
    extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], check=True,
                             capture_output=True, text=True).stdout
    left, right, top, bottom = (int(v) for v in re.findall(r"\d+", extents.split("=")[1]))
    return (field("Absolute upper-left X") - left, field("Absolute upper-left Y") - top,
            field("Width") + left + right, field("Height") + top + bottom)
