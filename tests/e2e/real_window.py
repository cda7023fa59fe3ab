#!/usr/bin/python3
"""Plays the real program as a person would, from outside its process.

Starts its own Xvfb, D-Bus session, accessibility bus and window manager,
then the built program; drives it only with real input (XTest through
xdotool) and reads back what it shows through the accessibility bus and
from screenshots. Every process it starts is ended by its own id, whatever
happens.

    real_window.py path/to/bandit-manchot
"""

import ctypes
import datetime
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None  # set from the command line
GOLD = "#FF9F00"
HELP_TEXT = (
    "Le jeu Bandit Manchot. Instructions de jeu : But du jeu : Faire apparaître le chiffre 7 "
    "dans un groupe de trois chiffres aléatoires. Probabilité : Un 7 s’affiche au moins une "
    "fois, dans 28 lancés sur 100."
)
# Where each control stands in the main window's client area.
CONTROLS = {
    "Command1": (40, 40),
    "Command2": (40, 104),
    "Label1": (216, 40),
    "Label2": (384, 40),
    "Label3": (576, 40),
    "lblWins": (24, 256),
    "lblRate": (40, 312),
    "Label5": (16, 376),
    "Label6": (16, 440),
}
IMAGE1 = (208, 128, 521, 313)


def die_with_the_test():
    """Asks the kernel to end the child when the test itself is killed
    outright (as a test runner does on a time-out), so that nothing is left
    running even then."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


class Processes:
    """Every process the test starts, each in a session of its own."""

    def __init__(self):
        self.started = []

    def start(self, args, env=None, stderr=subprocess.DEVNULL, **kwargs):
        process = subprocess.Popen(args, env=env, start_new_session=True,
                                   preexec_fn=die_with_the_test, stdout=subprocess.DEVNULL,
                                   stderr=stderr, **kwargs)
        self.started.append(process)
        return process

    def end(self, process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(timeout=3)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()

    def end_all(self):
        for process in reversed(self.started):
            self.end(process)
        self.started.clear()


PROCESSES = Processes()


def wait_for(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def window_manager_running():
    check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                           text=True, timeout=5)
    return "window id" in check.stdout


def start_window_manager(env):
    """openbox; what it printed is shown should it never take the display."""
    log = tempfile.TemporaryFile("w+")
    openbox = PROCESSES.start(["openbox"], env=env, stderr=log)
    try:
        wait_for(window_manager_running, 10, "the window manager")
    except AssertionError:
        log.seek(0)
        print("openbox on %s, exit %s: %s" % (env["DISPLAY"], openbox.poll(), log.read()),
              file=sys.stderr)
        raise
    finally:
        log.close()


def start_desktop():
    """Xvfb on a free display, a D-Bus session with its accessibility bus,
    and openbox; returns the environment that reaches all of them."""
    read_end, write_end = os.pipe()
    PROCESSES.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as display_pipe:
        number = display_pipe.readline().strip()
    if not number.isdigit():
        raise AssertionError("Xvfb did not start")
    display = ":" + number
    env = dict(os.environ, DISPLAY=display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LC_ALL="fr_FR.UTF-8", NO_AT_BRIDGE="0")
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("WAYLAND_DISPLAY", None)

    read_end, write_end = os.pipe()
    PROCESSES.start(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write_end],
                    pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as address_pipe:
        env["DBUS_SESSION_BUS_ADDRESS"] = address_pipe.readline().strip()
    PROCESSES.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    os.environ.update(env)  # for pyatspi, xdotool and xprop, in this process
    start_window_manager(env)
    return env


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True)


def click(x, y):
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def icon_sizes(title_pattern):
    """The sizes of the icon that the window whose title matches gives the
    window manager to draw in its title bar."""
    window = subprocess.run(["xdotool", "search", "--name", title_pattern], check=True,
                            capture_output=True, text=True).stdout.split()[0]
    icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], check=True,
                          capture_output=True, text=True).stdout
    return re.findall(r"Icon \((\d+ x \d+)\)", icon)


def gold_pixels(x, y, width, height):
    """How many pixels of the screen's rectangle have the coins' gold."""
    dump = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                           "-depth", "8", "txt:-"], capture_output=True, text=True, check=True)
    return dump.stdout.count(GOLD)


class Window:
    """The program's main window as the accessibility bus shows it."""

    def __init__(self, pyatspi, frame):
        self.pyatspi = pyatspi
        self.frame = frame
        self.client = next(child for child in frame
                           if child is not None and child.getRoleName() == "filler")
        self.origin = self.extents(self.client)[:2]

    def extents(self, node):
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def control(self, name):
        wanted = CONTROLS[name]
        for child in self.client:
            x, y, _, _ = self.extents(child)
            if (x - self.origin[0], y - self.origin[1]) == wanted:
                return child
        raise AssertionError(name + " is not where the layout puts it")

    def text(self, name):
        return self.control(name).name

    def reels(self):
        return [self.text("Label%d" % reel) for reel in (1, 2, 3)]

    def picture_shown(self):
        picture = [child for child in self.client if child is not None
                   and child.getRoleName() == "filler"]
        return picture[0].getState().contains(self.pyatspi.STATE_SHOWING)

    def centre(self, name):
        x, y, width, height = self.extents(self.control(name))
        return x + width // 2, y + height // 2

    def menu(self, title):
        for child in self.frame:
            if child is not None and child.getRoleName() == "menu bar":
                for item in child:
                    if item.name == title:
                        return item
        raise AssertionError("no menu " + title)

    def open_menu_entry(self, title, entry):
        menu = self.menu(title)
        x, y, width, height = self.extents(menu)
        click(x + width // 2, y + height // 2)
        popup = menu[0]
        wait_for(lambda: popup.getState().contains(self.pyatspi.STATE_SHOWING), 3,
                 "the menu " + title)
        item = next(child for child in popup if child.name == entry)
        wait_for(lambda: self.extents(item)[2] > 0 and self.extents(item)[0] > 0, 3, entry)
        x, y, width, height = self.extents(item)
        click(x + width // 2, y + height // 2)


def win_rate(won, played):
    tenths = (2000 * won + played) // (2 * played)  # rounded half up
    return "%d,%d%%" % (tenths // 10, tenths % 10)


class RealWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.env = start_desktop()
        import pyatspi  # reads the session bus address from the environment
        cls.pyatspi = pyatspi

    @classmethod
    def tearDownClass(cls):
        PROCESSES.end_all()

    def start_program(self):
        started = time.monotonic()
        program = PROCESSES.start([PROGRAM], env=self.env)

        def find_frame():
            desktop = self.pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.get_process_id() == program.pid:
                    for frame in app:
                        if frame is not None and frame.name.startswith("Bandit Manchot"):
                            return frame
            return None

        frame = wait_for(find_frame, 10, "the main window on the accessibility bus")
        window = Window(self.pyatspi, frame)
        wait_for(lambda: window.control("Command1").getState().contains(self.pyatspi.STATE_FOCUSED),
                 5, "the focus on Jouer")
        return program, window, time.monotonic() - started

    def wait_for_exit(self, program, within):
        try:
            return program.wait(timeout=within)
        except subprocess.TimeoutExpired:
            self.fail("the program was still running %.1f s after it was told to end" % within)

    def find_help(self, program):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == program.pid:
                for frame in app:
                    if frame is not None and frame.name == "Aide" and \
                            frame.getState().contains(self.pyatspi.STATE_SHOWING):
                        return frame
        return None

    def play(self, window, games, played_before=0, won=0):
        """Presses space for each game and checks what the window shows;
        returns the games played and won so far."""
        previous = (window.reels(), window.text("lblRate"))
        for played in range(played_before + 1, played_before + games + 1):
            xdotool("key", "space")
            pressed = time.monotonic()

            def settled():
                reels = window.reels()
                if not all(re.fullmatch(r"[0-9]", reel) for reel in reels):
                    return None
                wins = won + ("7" in reels)
                shown = (reels, window.text("lblRate"))
                # The same digits twice in a row are possible: accept them late.
                if shown == previous and time.monotonic() - pressed < 0.3:
                    return None
                if shown[1] != win_rate(wins, played):
                    return None
                return reels, wins

            reels, won = wait_for(settled, 3, "game %d to show" % played)
            previous = (reels, window.text("lblRate"))
            self.assertEqual(window.text("lblWins"), "Parties gagnantes : %d" % won)
            is_win = "7" in reels
            self.assertEqual(window.picture_shown(), is_win, "picture after %s" % reels)
            if is_win or played == played_before + 1:
                x, y = window.origin
                gold = gold_pixels(x + IMAGE1[0], y + IMAGE1[1], IMAGE1[2], IMAGE1[3])
                if is_win:
                    self.assertGreater(gold, 1000, "the coins' gold after a win")
                else:
                    self.assertEqual(gold, 0, "gold after a lost game")
        return played_before + games, won

    def test_a_session_of_play(self):
        program, window, took = self.start_program()
        self.assertEqual(window.reels(), ["", "", ""])
        self.assertEqual(window.text("lblWins"), "Parties gagnantes : 0")
        self.assertEqual(window.text("lblRate"), "0.0%")
        self.assertFalse(window.picture_shown())
        self.assertIn("32 x 32", icon_sizes("^Bandit Manchot et Horloge"))
        if took < 0.8:
            self.assertEqual(window.text("Label5"), "", "time shown before the first second")

        played, won = self.play(window, 40)
        print("%d games, %d won" % (played, won))

        # The time changes every second, by one second.
        seen = []
        deadline = time.monotonic() + 3.6
        while time.monotonic() < deadline:
            text = window.text("Label5")
            if text and (not seen or seen[-1] != text):
                seen.append(text)
            time.sleep(0.05)
        times = [datetime.datetime.strptime(text, "%H:%M:%S") for text in seen]
        self.assertGreaterEqual(len(times), 3, seen)
        for earlier, later in zip(times, times[1:]):
            self.assertIn((later - earlier).seconds, (1,), seen)

        window.open_menu_entry("Horloge", "Date")
        today = datetime.date.today().strftime("%d/%m/%Y")
        wait_for(lambda: window.text("Label6") == today, 3, "today's date in Label6")

        # While the help window is open, nothing reaches the main window.
        for close_by in ("Quitter", "frame"):
            window.open_menu_entry("?", "Aide")
            help_frame = wait_for(lambda: self.find_help(program), 5, "the help window")
            texts = [child.name for child in help_frame if child is not None]
            self.assertIn(HELP_TEXT, texts)
            self.assertIn("32 x 32", icon_sizes("^Aide$"))
            quit_button = next(child for child in help_frame
                               if child is not None and child.name == "Quitter")
            wait_for(lambda: quit_button.getState().contains(self.pyatspi.STATE_FOCUSED), 3,
                     "the focus on Quitter")

            before = (window.reels(), window.text("lblRate"), window.text("lblWins"))
            click(*window.centre("Command1"))
            click(*window.centre("Command2"))
            x, y, width, height = window.extents(window.menu("Horloge"))
            click(x + width // 2, y + height // 2)
            time.sleep(0.4)
            self.assertIsNone(program.poll(), "Fin ended the program under the help window")
            self.assertEqual((window.reels(), window.text("lblRate"), window.text("lblWins")),
                             before)
            self.assertFalse(window.menu("Horloge")[0].getState()
                             .contains(self.pyatspi.STATE_SHOWING))

            # A click on the help window itself gives it the keyboard back.
            help_label = next(child for child in help_frame
                              if child is not None and child.name == HELP_TEXT)
            x, y, width, height = window.extents(help_label)
            click(x + width // 2, y + height // 2)
            wait_for(lambda: quit_button.getState().contains(self.pyatspi.STATE_FOCUSED), 3,
                     "the focus back on Quitter")
            time.sleep(0.2)
            xdotool("key", "space" if close_by == "Quitter" else "alt+F4")
            wait_for(lambda: self.find_help(program) is None, 3, "the help window to close")

        # Input reaches the main window again.
        self.play(window, 2, played, won)

        x, y = window.centre("Command2")
        xdotool("mousemove", "--sync", str(x), str(y))
        clicked = time.monotonic()
        xdotool("click", "1")
        self.assertEqual(self.wait_for_exit(program, 1.0), 0)
        print("Fin ended the program in %.0f ms" % (1000 * (time.monotonic() - clicked)))

    def test_closing_through_the_frame_ends_the_program(self):
        program, window, _ = self.start_program()
        self.play(window, 3)
        closed = time.monotonic()
        xdotool("key", "alt+F4")
        self.assertEqual(self.wait_for_exit(program, 1.0), 0)
        print("closing the frame ended the program in %.0f ms" % (1000 * (time.monotonic() - closed)))


def main():
    global PROGRAM
    PROGRAM = os.path.abspath(sys.argv.pop(1))

    def stop(signum, _frame):
        PROCESSES.end_all()
        sys.exit(128 + signum)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    try:
        result = unittest.main(exit=False, verbosity=2).result
    finally:
        PROCESSES.end_all()
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
