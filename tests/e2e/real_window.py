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
    "Label4": (24, 168),
    "lblWins": (24, 256),
    "lblRate": (40, 312),
    "Label5": (16, 376),
    "Label6": (16, 440),
}
IMAGE1 = (208, 128, 521, 313)
CLIENT_WIDTH = 798
SCREEN = (1920, 1080)
PANEL = 48  # pixels kept free at the bottom, as a panel does
SCRATCH = tempfile.mkdtemp(prefix="real-window-")
# A dark colour scheme as qt6ct gives one on a desktop without its own.
QT6CT_DARK = """[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
"""


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
    """openbox, started again when it exits without taking the display (it
    does so now and then, silently, with status 1); what it printed is shown
    should it never take it."""
    config = os.path.join(SCRATCH, "openbox.xml")
    with open(config, "w") as file:
        file.write('<openbox_config xmlns="http://openbox.org/3.4/rc"><margins>'
                   '<bottom>%d</bottom></margins></openbox_config>' % PANEL)
    for attempt in range(1, 4):
        with tempfile.TemporaryFile("w+") as log:
            openbox = PROCESSES.start(["openbox", "--config-file", config], env=env, stderr=log)
            try:
                wait_for(lambda: window_manager_running() or openbox.poll() is not None, 10,
                         "the window manager")
            finally:
                log.seek(0)
                said = log.read()
        if window_manager_running():
            return
        print("openbox on %s, attempt %d, exit %s: %s"
              % (env["DISPLAY"], attempt, openbox.poll(), said), file=sys.stderr)
        PROCESSES.end(openbox)
    raise AssertionError("no window manager took the display")


def start_desktop():
    """Xvfb on a free display of 1920 x 1080, a D-Bus session with its
    accessibility bus, and openbox keeping a 48-pixel panel's room free at the
    bottom; returns the environment that reaches all of them."""
    read_end, write_end = os.pipe()
    PROCESSES.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                     "%dx%dx24" % SCREEN, "-nolisten", "tcp"], pass_fds=(write_end,))
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


def window_id(title_pattern):
    """The X window whose title matches."""
    return subprocess.run(["xdotool", "search", "--name", title_pattern], check=True,
                          capture_output=True, text=True).stdout.split()[0]


def icon_sizes(title_pattern):
    """The sizes of the icon that the window whose title matches gives the
    window manager to draw in its title bar."""
    window = window_id(title_pattern)
    icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], check=True,
                          capture_output=True, text=True).stdout
    return re.findall(r"Icon \((\d+ x \d+)\)", icon)


def frame_geometry(title_pattern):
    """The window's rectangle on the screen, its frame included."""
    window = window_id(title_pattern)
    info = subprocess.run(["xwininfo", "-id", window], check=True, capture_output=True,
                          text=True).stdout
    field = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
    extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], check=True,
                             capture_output=True, text=True).stdout
    left, right, top, bottom = (int(v) for v in re.findall(r"\d+", extents.split("=")[1]))
    return (field("Absolute upper-left X") - left, field("Absolute upper-left Y") - top,
            field("Width") + left + right, field("Height") + top + bottom)


def contrast(first, second):
    """The WCAG contrast ratio of two colours given as (r, g, b) bytes."""
    def luminance(colour):
        linear = [c / 255 / 12.92 if c / 255 <= 0.03928 else ((c / 255 + 0.055) / 1.055) ** 2.4
                  for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    high, low = sorted((luminance(first), luminance(second)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def pixels(screenshot, box):
    """The (r, g, b) bytes of a rectangle of a screenshot, row by row."""
    dump = subprocess.run(["convert", screenshot, "-crop", "%dx%d+%d+%d" % (box[2], box[3],
                           box[0], box[1]), "-depth", "8", "txt:-"],
                          capture_output=True, text=True, check=True).stdout
    return [tuple(int(v) for v in match) for match in re.findall(r"\((\d+),(\d+),(\d+)", dump)]


def text_contrast(screenshot, box):
    """A label's text against what is drawn behind it: the background inside
    the label's corner, the text the pixel that stands out from it most."""
    x, y, width, height = box
    inside = pixels(screenshot, (x + 3, y + 3, width - 6, height - 6))
    return max(contrast(pixel, inside[0]) for pixel in inside)


def gold_pixels(x, y, width, height):
    """How many pixels of the screen's rectangle have the coins' gold."""
    dump = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                           "-depth", "8", "txt:-"], capture_output=True, text=True, check=True)
    return dump.stdout.count(GOLD)


class Window:
    """The program's main window as the accessibility bus shows it."""

    def __init__(self, pyatspi, frame, scale=1.0):
        self.pyatspi = pyatspi
        self.frame = frame
        self.scale = scale
        self.client = next(child for child in frame
                           if child is not None and child.getRoleName() == "filler")
        # Some Qt versions give the bus device-independent pixels on a scaled
        # screen; the client area's width tells which.
        self.unit = 1.0
        if abs(self.extents(self.client)[2] - CLIENT_WIDTH) <= 1:
            self.unit = scale

    @property
    def origin(self):
        """The client area's corner, read afresh: the window may still move
        into the screen's free area once it is framed."""
        return self.extents(self.client)[:2]

    def extents(self, node):
        """Where the node lies on the screen, in the screen's pixels."""
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return tuple(round(self.unit * v) for v in (box.x, box.y, box.width, box.height))

    def control(self, name):
        """The control the layout puts at this place; looked for again for a
        moment, since the window may still be moving into place."""
        wanted = [round(self.scale * v) for v in CONTROLS[name]]

        def find():
            origin = self.origin
            for child in self.client:
                x, y, _, _ = self.extents(child)
                if abs(x - origin[0] - wanted[0]) <= 1 and abs(y - origin[1] - wanted[1]) <= 1:
                    return child
            return None

        return wait_for(find, 3, name + " where the layout puts it")

    def text(self, name):
        return self.control(name).name

    def reels(self):
        return [self.text("Label%d" % reel) for reel in (1, 2, 3)]

    def picture(self):
        return next(child for child in self.client
                    if child is not None and child.getRoleName() == "image")

    def picture_shown(self):
        """Whether the win picture shows; a screen reader finds it by its name
        then, and without a name while it is hidden."""
        picture = self.picture()
        shown = picture.getState().contains(self.pyatspi.STATE_SHOWING)
        assert picture.name == ("Pièces d’or" if shown else ""), picture.name
        return shown

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

    def start_program(self, scale=1.0, extra_env=None):
        started = time.monotonic()
        env = dict(self.env, **(extra_env or {}))
        if scale != 1.0:
            env["QT_SCALE_FACTOR"] = str(scale)
        program = PROCESSES.start([PROGRAM], env=env)

        frame = wait_for(lambda: self.find_frame(program), 10,
                         "the main window on the accessibility bus")
        window = Window(self.pyatspi, frame, scale)
        wait_for(lambda: window.control("Command1").getState().contains(self.pyatspi.STATE_FOCUSED),
                 5, "the focus on Jouer")
        return program, window, time.monotonic() - started

    def find_frame(self, program):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == program.pid:
                for frame in app:
                    if frame is not None and frame.name.startswith("Bandit Manchot"):
                        return frame
        return None

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
            # what a screen reader hears of the game, on the focused button
            said = "Rouleaux : %s. Partie %s." % (", ".join(reels),
                                                  "gagnée" if is_win else "perdue")
            wait_for(lambda: window.control("Command1").description == said, 3,
                     "Jouer to describe " + said)
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
        # the controls' area stands at its place, which lies well in the free area
        self.assertEqual(window.origin, (264, 181))
        self.assertIn("32 x 32", icon_sizes("^Bandit Manchot et Horloge"))
        self.assertEqual([window.control("Label%d" % reel).description for reel in (1, 2, 3)],
                         ["Rouleau 1", "Rouleau 2", "Rouleau 3"])
        self.assertEqual(window.control("Label5").description, "Heure")
        self.assertEqual(window.control("Label6").description, "Date")
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

    def text_contrasts(self, scale, extra_env):
        """Starts the program, fills every label and measures on a screenshot
        each text's contrast against what is drawn behind it; checks on the
        way that the window, frame included, lies in the screen's free area."""
        program, window, _ = self.start_program(scale, extra_env)
        xdotool("key", "space")
        window.open_menu_entry("Horloge", "Date")
        wait_for(lambda: all(window.text(name) for name in CONTROLS if name.startswith("Label")),
                 5, "every label to show a text")

        x, y, width, height = frame_geometry("^Bandit Manchot et Horloge")
        self.assertGreaterEqual(x, 0)
        self.assertGreaterEqual(y, 0)
        self.assertLessEqual(x + width, SCREEN[0])
        self.assertLessEqual(y + height, SCREEN[1] - PANEL)

        screenshot = os.path.join(SCRATCH, "contrast.png")
        subprocess.run(["import", "-window", "root", screenshot], check=True)
        contrasts = {}
        for name in CONTROLS:
            if not name.startswith("Command"):
                contrasts[name] = text_contrast(screenshot, window.extents(window.control(name)))
        x, y, _, _ = window.extents(window.menu("Horloge"))
        menu_bar = pixels(screenshot, (x - 4, y + 2, 1, 1))[0]
        click(*window.centre("Command2"))
        self.assertEqual(self.wait_for_exit(program, 2.0), 0)
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
        for name, contrast in dark.items():
            print("%s: %.2f : 1 dark, %.2f : 1 light" % (name, contrast, light[name]))
            self.assertGreaterEqual(contrast, 3.0, name)
            self.assertGreaterEqual(contrast, 0.9 * light[name], name)

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
        wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), 10, "weston")

        said = tempfile.TemporaryFile("w+")
        program = PROCESSES.start([PROGRAM], env=env, stderr=said)
        frame = wait_for(lambda: self.find_frame(program), 10, "the main window on Wayland")
        window = Window(self.pyatspi, frame)
        press = lambda name: window.control(name).queryAction().doAction(0)
        # An action is carried out after it returns, and the bus reports the
        # new texts a moment later: each game is read once its reels change
        # (or after a second, should the same digits come again).
        for _ in range(100):
            before = window.reels()
            press("Command1")
            deadline = time.monotonic() + 1
            while window.reels() == before and time.monotonic() < deadline:
                time.sleep(0.02)
            if "7" in window.reels():
                break
        self.assertIn("7", window.reels())
        self.assertNotEqual(window.text("lblWins"), "Parties gagnantes : 0")
        wait_for(window.picture_shown, 3, "the win picture")

        shots = tempfile.mkdtemp(prefix="shots-", dir=SCRATCH)
        subprocess.run(["weston-screenshooter"], env=env, cwd=shots, check=True,
                       capture_output=True, timeout=10)
        shot = os.path.join(shots, os.listdir(shots)[0])
        dump = subprocess.run(["convert", shot, "-depth", "8", "txt:-"], capture_output=True,
                              text=True, check=True).stdout
        self.assertGreater(dump.count(GOLD), 1000, "the coins' gold on the screen")

        press("Command2")
        status = self.wait_for_exit(program, 2.0)
        said.seek(0)
        self.assertEqual(status, 0, said.read())

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
