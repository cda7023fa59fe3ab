# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Real input, as a person gives it: key presses and clicks through XTest
(xdotool)."""

import subprocess


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True, timeout=30).stdout


# xdotool types a key with the modifiers that the keymap's first entry for
# the key's level names: under xkeyboard-config 2.48 (Debian testing) that
# is Alt for a plain F10, and Alt+F10 opens no menu. F10 goes by its keycode,
# the same in every Xvfb's keymap.
KEYCODES = {"F10": 76}


def press(*keys):
    """Presses and releases each key in turn, as a keyboard does."""
    xdotool("key", *(KEYCODES.get(key, key) for key in keys))


def click(x, y):
    xdotool("mousemove", "--sync", x, y, "click", "1")
