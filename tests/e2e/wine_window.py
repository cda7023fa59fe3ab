#!/usr/bin/python3
"""Plays the Windows build under Wine as a person would, with real key
presses: the portable zip unpacked anywhere; then the installer run silently,
the installed program played until the coins show, Aide reached through F10
and closed with Quitter, the program ended with Fin; and the uninstaller,
which must leave nothing behind. Runs in the Wine prefix and on the display
that scripts/windows/under-wine.sh makes.

    wine_window.py setup.exe portable.zip
"""

import glob
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

from harness import (GOLD, PROCESSES, main, screen_colour_count, wait_for, wait_for_exit,
                     window_id, xdotool)

INSTALLER = ZIP = None  # set from the command line
# xdotool matches titles as bytes: the title's ASCII start.
TITLE = "^Bandit Manchot et Horloge Num"
PREFIX = os.environ.get("WINEPREFIX", "")
INSTALLED = os.path.join(PREFIX, "drive_c", "Program Files", "Bandit Manchot")
SHORTCUT = os.path.join(PREFIX, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                        "Programs", "Bandit Manchot et Horloge Numérique.lnk")
UNINSTALL_KEY = ("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                 "fr.banditmanchot.banditmanchot")


def wine(*args):
    """Runs a Windows program to its end, and every program it started;
    returns its exit status."""
    status = subprocess.run(["wine", *args], capture_output=True, timeout=300).returncode
    subprocess.run(["wineserver", "-w"], timeout=300)
    return status


def uninstall_entry():
    """The values of the program's uninstall entry, as regedit writes them
    (in UTF-16), or None where there is no entry."""
    exported = os.path.join(PREFIX, "drive_c", "entry.reg")
    if wine("reg", "export", UNINSTALL_KEY, exported, "/y") != 0:
        return None
    with open(exported, encoding="utf-16") as file:
        return file.read()


def geometry(window):
    """The window's rectangle on the screen, as (x, y, width, height)."""
    shape = dict(line.split("=") for line in
                 xdotool("getwindowgeometry", "--shell", window).split())
    return tuple(int(shape[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def visible_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "bandit-manchot"],
                           capture_output=True, text=True).stdout.split()
    return {window: geometry(window)[0] for window in found}


class WineWindowTest(unittest.TestCase):
    def start(self, exe):
        """Starts the program and waits until it takes keys: its window
        painted (mostly the light grey of its controls' area) and active."""
        program = PROCESSES.start(["wine", exe], env=dict(os.environ, LC_ALL="fr_FR.UTF-8"))
        window = wait_for(lambda: window_id(TITLE), "the main window of " + exe)
        wait_for(lambda: screen_colour_count(geometry(window), "#EFEFEF") > 300000,
                 "the window painted")
        xdotool("windowactivate", "--sync", window)
        wait_for(lambda: xdotool("getactivewindow").strip() == window, "the window active")
        return program, window

    def end_with_fin(self, program, window):
        xdotool("windowactivate", "--sync", window)
        xdotool("key", "Tab", "space")  # from Jouer to Fin
        self.assertEqual(wait_for_exit(program, "Fin"), 0)

    def test_the_zip_runs_wherever_it_is_unpacked(self):
        folder = tempfile.mkdtemp(prefix="unpacked-", dir=os.path.join(PREFIX, "drive_c"))
        with zipfile.ZipFile(ZIP) as archive:
            archive.extractall(folder)
        exe, = glob.glob(os.path.join(folder, "*", "bandit-manchot.exe"))
        self.end_with_fin(*self.start(exe))

    def test_installed_played_and_uninstalled(self):
        self.assertEqual(wine(INSTALLER, "/S"), 0)
        self.assertTrue(os.path.isfile(SHORTCUT), SHORTCUT)
        entry = uninstall_entry()
        for value in ('"DisplayName"="Bandit Manchot et Horloge Numérique"',
                      '"DisplayVersion"="1.0.0"', '"Publisher"="',
                      '"DisplayIcon"="C:\\\\Program Files\\\\Bandit Manchot\\\\'
                      'bandit-manchot.exe,0"', '"EstimatedSize"=dword:'):
            self.assertIn(value, entry)

        program, window = self.start(os.path.join(INSTALLED, "bandit-manchot.exe"))
        for game in range(1, 101):
            xdotool("key", "space")
            if screen_colour_count(geometry(window), GOLD) > 1000:
                break
        wait_for(lambda: screen_colour_count(geometry(window), GOLD) > 1000, "the coins")
        print("the coins showed after %d games" % game)

        # F10 opens "Horloge"; to the right, "?" opens below it, then "Aide".
        before = visible_windows()
        xdotool("key", "F10")
        clock_menu = wait_for(lambda: set(visible_windows()) - set(before), "the menu Horloge")
        clock_x = min(visible_windows()[popup] for popup in clock_menu)
        xdotool("key", "Right")
        wait_for(lambda: any(x > clock_x for popup, x in visible_windows().items()
                             if popup not in before), "the menu ?")
        xdotool("key", "Down", "Return")
        help_window = wait_for(lambda: window_id("^Aide$"), "the help window")
        xdotool("windowactivate", "--sync", help_window)
        xdotool("key", "space")  # Quitter has the focus
        wait_for(lambda: window_id("^Aide$") is None, "the help window to close")
        self.end_with_fin(program, window)

        self.assertEqual(wine(os.path.join(INSTALLED, "uninstall.exe"), "/S"), 0)
        left = [os.path.join(top, name) for top, folders, files in os.walk(INSTALLED)
                for name in folders + files]
        self.assertFalse(os.path.exists(INSTALLED), left)
        self.assertFalse(os.path.exists(SHORTCUT))
        self.assertIsNone(uninstall_entry())


if __name__ == "__main__":
    main(sys.modules[__name__], "INSTALLER", "ZIP")
