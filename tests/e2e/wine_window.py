#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Plays the Windows build under Wine as a person would, with real key
presses, as Windows 11 and as Windows 10, on a desktop that asks programs for
a dark scheme: the portable zip unpacked anywhere, in the style Qt picks for
that Windows and with its light colours; then the installer run silently,
for the current user (its default) and for all users, and the MSI, the
installed program played until the coins show, Aide reached through F10 and
closed with Quitter, the program ended with Fin; and the uninstaller, which
must leave nothing behind. On Windows 11, the next release installed over
this one each of the three ways, leaving its files alone, one entry in
"Apps" and a program that plays; this release is then refused over it. Runs
in the Wine prefix and on the display that the harness makes:

    on_a_desktop.py --windows python3 wine_window.py setup.exe setup.msi portable.zip \
        next-setup.exe next-setup.msi next-portable.zip
"""

import getpass
import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest
import zipfile

from harness.pixels import GOLD, screen_colour_count, screen_pixels
from harness.processes import PROCESSES, main, wait_for, wait_for_exit
from harness.tables import CONTROLS, HELP_TITLE, TITLE
from harness.user_input import press, xdotool
from harness.x11_windows import title_start, window_id

INSTALLER = MSI = ZIP = NEXT_INSTALLER = NEXT_MSI = NEXT_ZIP = None  # from the command line
PREFIX = os.environ.get("WINEPREFIX", "")
DRIVE_C = os.path.join(PREFIX, "drive_c")
PROFILE = os.path.join(DRIVE_C, "users", getpass.getuser())
SHORTCUT_NAME = TITLE + ".lnk"
APPS = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
UNINSTALL_KEY = APPS + "\\fr.banditmanchot.banditmanchot"
# Where each way of installing puts the program, its shortcut and its entry.
INSTALLS = {
    "for the current user": {
        "arguments": (), "registry": "HKCU",
        "folder": os.path.join(PROFILE, "AppData", "Local", "Programs", "Bandit Manchot"),
        "shortcuts": os.path.join(PROFILE, "AppData", "Roaming", "Microsoft", "Windows",
                                  "Start Menu", "Programs")},
    "for all users": {
        "arguments": ("/AllUsers",), "registry": "HKLM",
        "folder": os.path.join(DRIVE_C, "Program Files", "Bandit Manchot"),
        "shortcuts": os.path.join(DRIVE_C, "ProgramData", "Microsoft", "Windows", "Start Menu",
                                  "Programs")},
}
# The colour each Windows' style paints the menu bar with, in a light scheme:
# Windows 11's light window colour (the dark scheme's is near black), and the
# system's menu colour that the Vista style takes (white in Wine's scheme).
MENU_BARS = {"win11": "#F3F3F3", "win10": "#FFFFFF"}


def wine(*args):
    """Runs a Windows program to its end, and every program it started;
    returns its exit status."""
    status = subprocess.run(["wine", *args], capture_output=True, timeout=300).returncode
    subprocess.run(["wineserver", "-w"], timeout=300)
    return status


def uninstall_entry(registry):
    """The values of the program's uninstall entry under HKCU or HKLM, as
    regedit writes them (in UTF-16), or None where there is no entry."""
    exported = os.path.join(DRIVE_C, "entry.reg")
    if wine("reg", "export", registry + "\\" + UNINSTALL_KEY, exported, "/y") != 0:
        return None
    with open(exported, encoding="utf-16") as file:
        return file.read()


def versions_in_apps(registry):
    """The versions of the program that "Apps" lists from HKCU or HKLM."""
    exported = os.path.join(DRIVE_C, "apps.reg")
    if wine("reg", "export", registry + "\\" + APPS, exported, "/y") != 0:
        return []
    with open(exported, encoding="utf-16") as file:
        entries = file.read().split("\n[")
    return sorted(re.search(r'"DisplayVersion"="([^"]*)"', entry).group(1) for entry in entries
                  if '"DisplayName"="%s"' % TITLE in entry)


def release(path):
    """The release a release file is of, as the build names it in the file's name."""
    return re.search(r"bandit-manchot-([0-9.]+)-", os.path.basename(path)).group(1)


def files_in(folder):
    return {os.path.relpath(os.path.join(top, name), folder)
            for top, _, names in os.walk(folder) for name in names}


def files_in_zip(path):
    """The files of a portable zip, as installed: without its top folder."""
    with zipfile.ZipFile(path) as archive:
        return {name.split("/", 1)[1] for name in archive.namelist() if not name.endswith("/")}


def geometry(window):
    """The window's rectangle on the screen, as (x, y, width, height)."""
    info = subprocess.run(["xwininfo", "-id", window], check=True, capture_output=True,
                          text=True).stdout
    return tuple(int(re.search(label + r":\s+(-?\d+)", info).group(1))
                 for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width",
                               "Height"))


def visible_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "bandit-manchot"],
                           capture_output=True, text=True).stdout.split()
    return {window: geometry(window)[0] for window in found}


def as_written_in_the_registry(folder):
    """A folder of drive C: as a Windows path in regedit's export, whose
    backslashes are doubled."""
    return "C:\\\\" + os.path.relpath(folder, DRIVE_C).replace("/", "\\\\")


def as_windows(version):
    """Makes the prefix say it is that Windows."""
    if wine("winecfg", "/v", version) != 0:
        raise RuntimeError("winecfg could not make the prefix " + version)


def reels_row(window):
    """The screen's rectangle of the three reels, where each game shows."""
    x, y, _, _ = geometry(window)
    left, top, _, height = CONTROLS["Label1"]
    right = CONTROLS["Label3"][0] + CONTROLS["Label3"][2]
    # the frame's title bar and the menu bar stand above the client area
    return (x + left, y + top, right - left, height + 60)


def menu_bar_pixels(window, colour):
    """How many of the 160 pixels of a strip of the menu bar, to the right of
    its menus, have this colour."""
    x, y, width, _ = geometry(window)
    return screen_colour_count((x + width - 40, y + 4, 20, 8), colour)


def setUpModule():
    # A desktop whose programs are asked for dark colours, as a Windows user may set it.
    for value in ("AppsUseLightTheme", "SystemUsesLightTheme"):
        wine("reg", "add", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\"
             "Personalize", "/v", value, "/t", "REG_DWORD", "/d", "0", "/f")


class WineWindowTest(unittest.TestCase):
    def start(self, exe):
        """Starts the program and waits until it takes keys: its window
        painted (mostly the light grey of its controls' area) and active."""
        program = PROCESSES.start(["wine", exe], env=dict(os.environ, LC_ALL="fr_FR.UTF-8"))
        # A program left running by a failed check would hold up every later wine().
        self.addCleanup(PROCESSES.end, program)
        window = wait_for(lambda: window_id(title_start(TITLE)), "the main window of " + exe)
        wait_for(lambda: screen_colour_count(geometry(window), "#EFEFEF") > 300000,
                 "the window painted")
        xdotool("windowactivate", "--sync", window)
        wait_for(lambda: xdotool("getactivewindow").strip() == window, "the window active")
        return program, window

    def end_with_fin(self, program, window):
        xdotool("windowactivate", "--sync", window)
        press("Tab", "space")  # from Jouer to Fin
        self.assertEqual(wait_for_exit(program, "Fin"), 0)

    def play_to_a_win_and_open_help(self, window):
        # Each game is looked at once drawn: the reels' row changes with
        # every game but one in a thousand, which repeats the digits before.
        reels = reels_row(window)
        for game in range(1, 101):
            before = screen_pixels(reels)
            press("space")
            try:
                wait_for(lambda: screen_pixels(reels) != before, "game %d drawn" % game)
            except AssertionError:
                pass  # the same digits again
            if screen_colour_count(geometry(window), GOLD) > 1000:
                break
        self.assertGreater(screen_colour_count(geometry(window), GOLD), 1000, "no win in 100 games")
        print("the coins showed after %d games" % game)

        # F10 opens "Horloge"; to the right, "?" opens below it, then "Aide".
        before = visible_windows()
        press("F10")
        clock_menu = wait_for(lambda: set(visible_windows()) - set(before), "the menu Horloge")
        clock_x = min(visible_windows()[popup] for popup in clock_menu)
        press("Right")
        wait_for(lambda: any(x > clock_x for popup, x in visible_windows().items()
                             if popup not in before), "the menu ?")
        press("Down", "Return")
        help_window = wait_for(lambda: window_id("^%s$" % HELP_TITLE), "the help window")
        xdotool("windowactivate", "--sync", help_window)
        press("space")  # Quitter has the focus
        wait_for(lambda: window_id("^%s$" % HELP_TITLE) is None, "the help window to close")

    def unpacked_and_played(self, version):
        as_windows(version)
        folder = tempfile.mkdtemp(prefix="unpacked-", dir=DRIVE_C)
        with zipfile.ZipFile(ZIP) as archive:
            archive.extractall(folder)
        exe, = glob.glob(os.path.join(folder, "*", "bandit-manchot.exe"))
        program, window = self.start(exe)
        self.assertEqual(menu_bar_pixels(window, MENU_BARS[version]), 160)
        self.end_with_fin(program, window)

    def install(self, how):
        """Installs silently this way; checks the shortcut and the uninstall
        entry, and returns the shortcut's path."""
        install = INSTALLS[how]
        shortcut = os.path.join(install["shortcuts"], SHORTCUT_NAME)
        self.assertEqual(wine(INSTALLER, "/S", *install["arguments"]), 0)
        self.assertTrue(os.path.isfile(shortcut), shortcut)
        entry = uninstall_entry(install["registry"])
        for value in ('"DisplayName"="%s"' % TITLE,
                      '"DisplayVersion"="%s"' % release(INSTALLER), '"Publisher"="',
                      '"DisplayIcon"="%s\\\\bandit-manchot.exe,0"'
                      % as_written_in_the_registry(install["folder"]), '"EstimatedSize"=dword:'):
            self.assertIn(value, entry)
        return shortcut

    def uninstall(self, how, shortcut):
        """Uninstalls silently as the entry says; nothing may be left."""
        install = INSTALLS[how]
        self.assertEqual(wine(os.path.join(install["folder"], "uninstall.exe"), "/S"), 0)
        left = [os.path.join(top, name) for top, folders, files in os.walk(install["folder"])
                for name in folders + files]
        self.assertFalse(os.path.exists(install["folder"]), left)
        self.assertFalse(os.path.exists(shortcut))
        self.assertIsNone(uninstall_entry(install["registry"]))

    def play_installed(self, folder):
        program, window = self.start(os.path.join(folder, "bandit-manchot.exe"))
        self.play_to_a_win_and_open_help(window)
        self.end_with_fin(program, window)

    def msi_installed_played_and_removed(self, version):
        as_windows(version)
        folder = INSTALLS["for all users"]["folder"]
        # Wine puts a package's shortcuts in the user's menu, even for all users.
        shortcut = os.path.join(INSTALLS["for the current user"]["shortcuts"], SHORTCUT_NAME)
        self.assertEqual(wine("msiexec", "/i", MSI, "/qn"), 0)
        self.assertEqual(files_in(folder), files_in_zip(ZIP))
        self.assertTrue(os.path.isfile(shortcut), shortcut)
        self.assertEqual(versions_in_apps("HKLM"), [release(MSI)])
        # The icon "Apps" shows for a package is kept by Windows Installer.
        icon = os.path.join(DRIVE_C, "windows", "Installer", "*", "bandit_manchot.ico")
        self.assertTrue(glob.glob(icon))
        self.play_installed(folder)
        self.assertEqual(wine("msiexec", "/x", MSI, "/qn"), 0)
        self.assertFalse(os.path.exists(folder), folder)
        self.assertFalse(os.path.exists(shortcut) or glob.glob(icon))
        self.assertEqual(versions_in_apps("HKLM"), [])

    def updated_then_not_downgraded(self, install, releases, registry, folder, files):
        """This release installed, then the next one the same way: the next
        one's files alone, one entry in "Apps", and a program that plays;
        this release, tried again over it, is refused and changes nothing."""
        this, following = releases
        self.assertEqual(install(this), 0)
        self.assertEqual(install(following), 0)
        for moment in ("updated", "a downgrade refused"):
            self.assertEqual(versions_in_apps(registry), [release(following)], moment)
            self.assertEqual(files_in(folder), files, moment)
            if moment == "updated":
                self.play_installed(folder)
                self.assertNotEqual(install(this), 0)

    def test_win11_updates_replace_the_release_before(self):
        as_windows("win11")
        files = files_in_zip(NEXT_ZIP)
        # The next release no longer has a file of this one, which an update removes.
        self.assertTrue(files_in_zip(ZIP) - files)
        for how, install in INSTALLS.items():
            self.updated_then_not_downgraded(
                lambda setup, arguments=install["arguments"]: wine(setup, "/S", *arguments),
                (INSTALLER, NEXT_INSTALLER), install["registry"], install["folder"],
                files | {"uninstall.exe"})
            self.uninstall(how, os.path.join(install["shortcuts"], SHORTCUT_NAME))
        folder = INSTALLS["for all users"]["folder"]
        self.updated_then_not_downgraded(lambda msi: wine("msiexec", "/i", msi, "/qn"),
                                         (MSI, NEXT_MSI), "HKLM", folder, files)
        self.assertEqual(wine("msiexec", "/x", NEXT_MSI, "/qn"), 0)
        self.assertFalse(os.path.exists(folder), folder)
        self.assertEqual(versions_in_apps("HKLM"), [])

    def installed_played_and_uninstalled(self, version, how):
        as_windows(version)
        # Both ways, the current user's first: the installer's default when
        # nothing is installed yet, and later its default is the installation
        # it finds. The other one stays whole when this one goes.
        shortcuts = {way: self.install(way) for way in INSTALLS}
        other = next(way for way in INSTALLS if way != how)
        shortcut, other_shortcut = shortcuts[how], shortcuts[other]

        folder = INSTALLS[how]["folder"]
        program, window = self.start(os.path.join(folder, "bandit-manchot.exe"))
        self.play_to_a_win_and_open_help(window)
        self.assertEqual(menu_bar_pixels(window, MENU_BARS[version]), 160)
        self.end_with_fin(program, window)

        self.uninstall(how, shortcut)
        other_program = os.path.join(INSTALLS[other]["folder"], "bandit-manchot.exe")
        self.assertTrue(os.path.isfile(other_program), other_program)
        self.assertTrue(os.path.isfile(other_shortcut))
        self.assertIsNotNone(uninstall_entry(INSTALLS[other]["registry"]))
        self.uninstall(other, other_shortcut)


# On each Windows, the zip; and the installer, which installs both ways on
# each, played and removed first the current user's way on Windows 11 and
# the all users' way on Windows 10: the installer takes the same path on both.
INSTALLED_FIRST = {"win11": "for the current user", "win10": "for all users"}
for VERSION, HOW in INSTALLED_FIRST.items():
    setattr(WineWindowTest, "test_%s_zip_runs_wherever_it_is_unpacked" % VERSION,
            lambda self, version=VERSION: self.unpacked_and_played(version))
    setattr(WineWindowTest, "test_%s_installed_%s" % (VERSION, HOW.replace(" ", "_")),
            lambda self, version=VERSION, how=HOW: self.installed_played_and_uninstalled(
                version, how))
    setattr(WineWindowTest, "test_%s_msi_installed_played_and_removed" % VERSION,
            lambda self, version=VERSION: self.msi_installed_played_and_removed(version))

if __name__ == "__main__":
    main(sys.modules[__name__], "INSTALLER", "MSI", "ZIP", "NEXT_INSTALLER", "NEXT_MSI", "NEXT_ZIP")
