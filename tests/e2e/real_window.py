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

from harness import (CONTROLS, GOLD, HELP_TEXT, PANEL, PROCESSES, SCREEN, TITLE, MainWindow, click,
                     colour_count, contrast, frame_geometry, icon_sizes, main, pixels, press,
                     scratch_folder, shown_frame, start_desktop, wait_for, wait_for_exit,
                     window_id, window_title)

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

    def play(self, window, games, played_before=0, won=0, press_jouer=lambda: press("space"),
             on_screen=True):
        """Presses Jouer for each game (space, unless told otherwise) and
        checks what the window shows, the coins' gold on the screen too when
        it can be read; returns the games played and won so far."""
        for played in range(played_before + 1, played_before + games + 1):
            reels, won = window.next_game(press_jouer, played - 1, won)
            self.assertEqual(window.text("lblWins"), "Parties gagnantes : %d" % won)
            self.assertEqual(window.picture_shown(), "7" in reels, "picture after %s" % reels)
            if on_screen and ("7" in reels or played == played_before + 1):
                self.assertEqual(window.coins_shown(), "7" in reels,
                                 "the coins' gold after %s" % reels)
        return played_before + games, won

    def test_a_session_of_play(self):
        program, window = self.start_program()
        self.assertEqual(window.reels(), ["", "", ""])
        self.assertEqual(window.text("lblWins"), "Parties gagnantes : 0")
        self.assertEqual(window.text("lblRate"), "0.0%")
        self.assertFalse(window.picture_shown())
        # the controls' area stands at its place, which lies well in the free area
        self.assertEqual(window.origin, (264, 181))
        main = window_id("^Bandit Manchot et Horloge")
        # the title the desktop shows is the window's own, with nothing added
        self.assertEqual(window_title(main), TITLE)
        self.assertIn("32 x 32", icon_sizes(main))
        self.assertEqual([window.control(name).description
                          for name in ("Label1", "Label2", "Label3", "Label5", "Label6")],
                         ["Rouleau 1", "Rouleau 2", "Rouleau 3", "Heure", "Date"])

        played, won = self.play(window, 40)
        print("%d games, %d won" % (played, won))

        # The time shown is the wall clock's, and it moves on.
        def shown_time():
            text = window.text("Label5")
            now = datetime.datetime.now()
            return text and (datetime.datetime.combine(now.date(),
                             datetime.datetime.strptime(text, "%H:%M:%S").time()), now)
        first, now = wait_for(shown_time, "the time")
        self.assertLess(abs((now - first).total_seconds()), 3, window.text("Label5"))
        wait_for(lambda: shown_time()[0] > first, "the time to move on")

        window.open_menu_entry("Horloge", "Date")
        today = datetime.date.today().strftime("%d/%m/%Y")
        wait_for(lambda: window.text("Label6") == today, "today's date in Label6")

        # While the help window is open, nothing reaches the main window.
        for close_by in ("space", "alt+F4"):
            window.open_menu_entry("?", "Aide")
            help_frame = wait_for(lambda: shown_frame(self.pyatspi, program, "Aide"), "the help window")
            self.assertIn(HELP_TEXT, [child.name for child in help_frame if child is not None])
            help_id = window_id("^Aide$")
            self.assertEqual(window_title(help_id), "Aide")
            self.assertIn("32 x 32", icon_sizes(help_id))
            quit_button = next(child for child in help_frame
                               if child is not None and child.name == "Quitter")
            focused = lambda: quit_button.getState().contains(self.pyatspi.STATE_FOCUSED)
            wait_for(focused, "the focus on Quitter")

            before = (window.reels(), window.text("lblRate"), window.text("lblWins"))
            for blocked in (window.control("Command1"), window.control("Command2"),
                            window.menu("Horloge")):
                click(*window.centre(blocked))
            # A click on the help window itself gives it the keyboard back;
            # by then the clicks before it have been handled.
            help_label = next(child for child in help_frame if child.name == HELP_TEXT)
            click(*window.centre(help_label))
            wait_for(focused, "the focus back on Quitter")
            self.assertIsNone(program.poll(), "Fin ended the program under the help window")
            self.assertEqual((window.reels(), window.text("lblRate"), window.text("lblWins")),
                             before)
            self.assertFalse(window.menu("Horloge")[0].getState()
                             .contains(self.pyatspi.STATE_SHOWING))
            press(close_by)
            wait_for(lambda: shown_frame(self.pyatspi, program, "Aide") is None, "the help window to close")

        # Input reaches the main window again.
        self.play(window, 2, played, won)
        click(*window.centre(window.control("Command2")))
        self.assert_ends_cleanly(program, "Fin")

    def text_contrasts(self, scale, extra_env):
        """Starts the program, fills every label and measures on a screenshot
        each text's contrast against what is drawn behind it; checks on the
        way that the window, frame included, lies in the screen's free area."""
        program, window = self.start_program(scale, extra_env)
        press("space")
        window.open_menu_entry("Horloge", "Date")
        wait_for(lambda: all(window.text(name) for name in CONTROLS if name.startswith("Label")),
                 "every label to show a text")

        x, y, width, height = frame_geometry(window_id("^Bandit Manchot et Horloge"))
        self.assertGreaterEqual(min(x, y), 0)
        self.assertLessEqual(x + width, SCREEN[0])
        self.assertLessEqual(y + height, SCREEN[1] - PANEL)

        screenshot = os.path.join(SCRATCH, "contrast.png")
        subprocess.run(["import", "-window", "root", screenshot], check=True)
        contrasts = {}
        for name in CONTROLS:
            if name.startswith(("Label", "lbl")):
                x, y, width, height = window.extents(window.control(name))
                inside = pixels(screenshot, (x + 3, y + 3, width - 6, height - 6))
                contrasts[name] = max(contrast(pixel, inside[0]) for pixel in inside)
        x, y, _, _ = window.extents(window.menu("Horloge"))
        menu_bar = pixels(screenshot, (x - 4, y + 2, 1, 1))[0]
        click(*window.centre(window.control("Command2")))
        self.assert_ends_cleanly(program, "Fin")
        return contrasts, menu_bar

    def test_dark_scheme_on_a_scaled_screen(self):
        """At 150 % on a 1920 x 1080 screen with a panel, under a dark scheme,
        every text is about as readable as under the light one."""
        config = os.path.join(SCRATCH, "config")
        os.makedirs(os.path.join(config, "qt6ct"), exist_ok=True)
        with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w") as file:
            file.write(QT6CT_DARK)
        light, light_menu = self.text_contrasts(1.5, {})
        dark, dark_menu = self.text_contrasts(1.5, {"QT_QPA_PLATFORMTHEME": "qt6ct",
                                                    "XDG_CONFIG_HOME": config})
        # the menus follow the desktop's scheme, so it is in force
        self.assertLess(sum(dark_menu), sum(light_menu) / 2)
        for name, measured in dark.items():
            print("%s: %.2f : 1 dark, %.2f : 1 light" % (name, measured, light[name]))
            self.assertGreaterEqual(measured, 3.0, name)
            self.assertGreaterEqual(measured, 0.9 * light[name], name)

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
            played, won = self.play(window, 1, played, won, lambda: act("Command1"), False)
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
