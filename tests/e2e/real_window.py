#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Plays the real program as a person would, from outside its process: real
input (XTest through xdotool) on a desktop of its own, and what it shows read
back through the accessibility bus and from screenshots.

    real_window.py path/to/bandit-manchot
"""

import datetime
import os
import re
import subprocess
import sys
import tempfile
import unittest

from harness.desktop import PANEL, SCREEN, start_desktop
from harness.main_window import MainWindow, shown_frame
from harness.pixels import GOLD, colour_count, pixels, screen_pixels
from harness.processes import PROCESSES, main, scratch_folder, wait_for, wait_for_exit
from harness.tables import HELP_TITLE, TITLE, text
from harness.user_input import click, press
from harness.x11_windows import (frame_geometry, icon_sizes, title_start, window_id,
                                 window_title)

PROGRAM = None  # set from the command line
SCRATCH = scratch_folder("real-window-")
# A dark colour scheme as qt6ct gives one on a desktop without its own.
QT6CT_DARK = """[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
"""


class RealWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.env = start_desktop(SCRATCH)
        import pyatspi  # reads the session bus address from the environment
        cls.pyatspi = pyatspi

    @classmethod
    def tearDownClass(cls):
        PROCESSES.end_all()

    def start_program(self, scale=1.0, extra_env=None):
        env = dict(self.env, **(extra_env or {}))
        if scale != 1.0:
            env["QT_SCALE_FACTOR"] = str(scale)
        program = self.start_quietly(env)
        frame = wait_for(lambda: shown_frame(self.pyatspi, program, TITLE), "the main window")
        window = MainWindow(self.pyatspi, frame, scale)
        wait_for(lambda: window.control("Command1").getState().contains(self.pyatspi.STATE_FOCUSED),
                 "the focus on Jouer")
        return program, window

    @staticmethod
    def start_quietly(env):
        """The program, with what it prints kept for assert_ends_cleanly."""
        printed = tempfile.TemporaryFile("w+")
        program = PROCESSES.start([PROGRAM], env=env, stderr=printed)
        program.printed = printed
        return program

    def assert_ends_cleanly(self, program, what):
        """The program ends with status 0; otherwise the failure shows what
        it printed (a sanitizer's report, say)."""
        status = wait_for_exit(program, what)
        program.printed.seek(0)
        self.assertEqual(status, 0, program.printed.read())

    def play(self, window, games, played_before=0, won=0, press_jouer=None, on_screen=True):
        """Presses Jouer for each game (with the keyboard, unless told
        otherwise) and checks what the window shows, the coins' gold on the
        screen too when it can be read; returns the games played and won so
        far."""
        press_jouer = press_jouer or window.press_jouer_with_the_keyboard
        for played in range(played_before + 1, played_before + games + 1):
            reels, won = window.next_game(press_jouer, played - 1, won)
            self.assertEqual(window.text("lblWins"), text("wins", won))
            self.assertEqual(window.picture_shown(), "7" in reels, "picture after %s" % reels)
            if on_screen and ("7" in reels or played == played_before + 1):
                self.assertEqual(window.coins_shown(), "7" in reels,
                                 "the coins' gold after %s" % reels)
        return played_before + games, won

    def test_a_session_of_play(self):
        program, window = self.start_program()
        # the controls' area stands at its place, which lies well in the free area
        self.assertEqual(window.origin, (264, 181))
        main = window_id(title_start(TITLE))
        # the title the desktop shows is the window's own, with nothing added
        self.assertEqual(window_title(main), TITLE)
        self.assertIn((32, 32), icon_sizes(main))

        played, won = self.play(window, 40)
        print("%d games, %d won" % (played, won))

        # The time shown is the wall clock's, and it moves on: a reading lies
        # between the second before the one it was asked in and the moment
        # it came back, however slow the machine.
        def shown_time():
            asked = datetime.datetime.now().replace(microsecond=0)
            shown = window.text("Label5")
            answered = datetime.datetime.now()
            if not shown:
                return None
            at = datetime.datetime.combine(asked.date(),
                                           datetime.datetime.strptime(shown, "%H:%M:%S").time())
            return at if asked - datetime.timedelta(seconds=1) <= at <= answered else None
        first = wait_for(shown_time, "the wall clock's time")
        wait_for(lambda: (shown_time() or first) > first, "the time to move on")

        window.open_menu_entry("Horloge", "Date")
        today = datetime.date.today().strftime("%d/%m/%Y")
        wait_for(lambda: window.text("Label6") == today, "today's date in Label6")

        # The help window, from its menu entry, as the desktop shows it; closed
        # with Quitter or through its frame. (What it says and blocks is the
        # widget tests'.)
        for close_by in ("space", "alt+F4"):
            window.open_menu_entry("?", "Aide")
            help_frame = wait_for(lambda: shown_frame(self.pyatspi, program, HELP_TITLE), "the help window")
            self.assertIn((32, 32), icon_sizes(window_id("^%s$" % HELP_TITLE)))
            quit_button = next(child for child in help_frame
                               if child is not None and child.name == text("quit"))
            wait_for(lambda: quit_button.getState().contains(self.pyatspi.STATE_FOCUSED),
                     "the focus on Quitter")
            press(close_by)
            wait_for(lambda: shown_frame(self.pyatspi, program, HELP_TITLE) is None, "the help window to close")

        # Input reaches the main window again.
        self.play(window, 2, played, won)
        click(*window.centre(window.control("Command2")))
        self.assert_ends_cleanly(program, "Fin")

    def test_dark_scheme_on_a_scaled_screen(self):
        """At 150 % on a 1920 x 1080 screen with a panel, under a dark scheme
        from the desktop's theme: the scheme reaches the program, and the
        window, frame included, lies in the screen's free area. (How readable
        each text is under a dark palette is the widget tests'.)"""
        config = os.path.join(SCRATCH, "config")
        os.makedirs(os.path.join(config, "qt6ct"), exist_ok=True)
        with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w") as file:
            file.write(QT6CT_DARK)
        program, window = self.start_program(1.5, {"QT_QPA_PLATFORMTHEME": "qt6ct",
                                                   "XDG_CONFIG_HOME": config})
        frame = lambda: frame_geometry(window_id(title_start(TITLE)))
        in_free_area = lambda x, y, width, height: (
            min(x, y) >= 0 and x + width <= SCREEN[0] and y + height <= SCREEN[1] - PANEL)
        # the window manager may still be placing the frame
        wait_for(lambda: in_free_area(*frame()), "the frame to lie in the screen's free area")
        # the menu bar, which follows the desktop's scheme, is dark
        x, y, _, _ = window.extents(window.menu("Horloge"))
        menu_bar = screen_pixels((x - 4, y + 2, 1, 1))[0]
        self.assertLess(sum(menu_bar), 3 * 128, menu_bar)
        click(*window.centre(window.control("Command2")))
        self.assert_ends_cleanly(program, "Fin")

    def test_wayland(self):
        """On a headless Wayland compositor, played as a screen reader's user
        does, through the accessibility bus's actions."""
        runtime = tempfile.mkdtemp(prefix="wayland-", dir=SCRATCH)
        os.chmod(runtime, 0o700)
        socket = "bandit-test"
        env = dict(self.env, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket,
                   QT_QPA_PLATFORM="wayland")
        env.pop("DISPLAY")
        version = subprocess.run(["weston", "--version"], capture_output=True, text=True).stdout
        if int(re.search(r"(\d+)\.", version).group(1)) >= 11:
            backend = ["--backend=headless", "--renderer=pixman"]
        else:
            backend = ["--backend=headless-backend.so", "--use-pixman"]
        # No fade at start and no dimming when idle: either leaves the
        # screenshot dark and stale.
        config = os.path.join(runtime, "weston.ini")
        with open(config, "w") as file:
            file.write("[core]\nidle-time=0\n[shell]\nstartup-animation=none\n")
        PROCESSES.start(["weston", *backend, "--debug", "--config=" + config,
                         "--socket=" + socket, "--width=%d" % SCREEN[0],
                         "--height=%d" % SCREEN[1]], env=env)
        wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), "weston")

        # Libraries the program must keep loaded to the end (see tests/CMakeLists.txt).
        if os.environ.get("E2E_WAYLAND_PRELOAD"):
            env["LD_PRELOAD"] = os.environ["E2E_WAYLAND_PRELOAD"]
        program = self.start_quietly(env)
        frame = wait_for(lambda: shown_frame(self.pyatspi, program, TITLE),
                         "the window on Wayland")
        window = MainWindow(self.pyatspi, frame)
        act = lambda name: window.control(name).queryAction().doAction(0)
        played = won = 0
        while not won:
            played, won = self.play(window, 1, played, won, window.press_jouer_through_the_bus,
                                    False)
            self.assertLess(played, 100, "no win in 100 games")

        shots = tempfile.mkdtemp(prefix="shots-", dir=SCRATCH)
        subprocess.run(["weston-screenshooter"], env=env, cwd=shots, check=True,
                       capture_output=True, timeout=30)
        shot = os.path.join(shots, os.listdir(shots)[0])
        self.assertGreater(colour_count(pixels(shot), GOLD), 1000,
                           "the coins' gold on the screen")

        act("Command2")
        self.assert_ends_cleanly(program, "Fin on Wayland")

    def test_closing_through_the_frame_ends_the_program(self):
        program, window = self.start_program()
        self.play(window, 3)
        press("alt+F4")
        self.assert_ends_cleanly(program, "closing the frame")


if __name__ == "__main__":
    main(sys.modules[__name__], "PROGRAM")
