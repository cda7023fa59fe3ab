# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What the X server and the window manager know of a window: its id, its
title, its icon and its frame."""

import functools
import itertools
import os
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


@functools.cache
def connection(name):
    # Imported here: the Windows build's tests find windows alone, with xdotool.
    from Xlib.display import Display
    return Display(name)


def x_window(window):
    """The X window of this id, as xdotool writes it, on the desktop's display."""
    return connection(os.environ["DISPLAY"]).create_resource_object("window", int(window))


def window_property(window, name, kind):
    atom = connection(os.environ["DISPLAY"]).intern_atom
    return x_window(window).get_full_property(atom(name), atom(kind)).value


def window_title(window):
    """The title the window manager shows."""
    return window_property(window, "_NET_WM_NAME", "UTF8_STRING").decode("utf-8")


def icon_sizes(window):
    """The (width, height) of each image of the window's icon, which come
    one after the other, each as its width, its height, then its pixels."""
    icon, at, sizes = window_property(window, "_NET_WM_ICON", "CARDINAL"), 0, []
    while at < len(icon):
        sizes.append((icon[at], icon[at + 1]))
        at += 2 + icon[at] * icon[at + 1]
    return sizes


def frame_geometry(window):
    """The window's rectangle on the screen, its frame included."""
    inside = x_window(window)
    corner, size = inside.query_tree().root.translate_coords(inside, 0, 0), inside.get_geometry()
    left, right, top, bottom = window_property(window, "_NET_FRAME_EXTENTS", "CARDINAL")
    return corner.x - left, corner.y - top, size.width + left + right, size.height + top + bottom
