# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What the end-to-end tests, the benchmarks and the screenshot share:
processes that end with the test however it ends, waits on conditions, a
desktop of their own (Xvfb, openbox, a D-Bus session with its accessibility
bus) and a Windows of their own (Wine) on it, real input through xdotool,
and what the screen shows.

Run as a command, it runs another on such a desktop and ends everything the
desktop started with it, whatever happens:

    harness.py [--windows] [--no-accessibility] COMMAND [ARGUMENT...]

--windows adds a fresh Wine prefix that says it is Windows 11, with the fonts
Windows has (its programs reach no accessibility bus, so it starts none);
--no-accessibility leaves the session bus out, as a desktop without a screen
reader runs.
"""

import argparse
import codecs
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE = "Bandit Manchot et Horloge Numérique"
HELP_TEXT = (
    "Le jeu Bandit Manchot. Instructions de jeu : But du jeu : Faire apparaître le chiffre 7 "
    "dans un groupe de trois chiffres aléatoires. Probabilité : Un 7 s’affiche au moins une "
    "fois, dans 28 lancés sur 100."
)
CLIENT_WIDTH = 798
SCREEN = (1920, 1080)
PANEL = 48  # pixels kept free at the bottom, as a panel does
GOLD = "#FF9F00"  # the coins' faces


def layout(window):
    """Each control's rectangle in the window's client area, in pixels at
    100 %, from the tests' one table of places (in twips, 15 to a pixel)."""
    with open(os.path.join(HERE, "..", "layout.tsv")) as table:
        rows = [line.split() for line in table if not line.startswith("#")]
    return {row[1]: tuple(int(twips) // 15 for twips in row[2:]) for row in rows
            if row[0] == window}


CONTROLS = layout("Form1")


def die_with_the_test():
    """Asks the kernel to end the child when the test itself is killed
    outright (as a test runner does on a time-out)."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


class Processes:
    """Every process the test starts, each in a session of its own, ended by
    its own id; then what else must end with them (a Wine server, the
    test's scratch folders), latest first."""

    def __init__(self):
        self.started = []
        self.endings = []

    def start(self, args, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
              **kwargs):
        process = subprocess.Popen(args, env=env, start_new_session=True,
                                   preexec_fn=die_with_the_test, stdout=stdout, stderr=stderr,
                                   **kwargs)
        self.started.append(process)
        return process

    def end(self, process):
        for sent in (signal.SIGTERM, signal.SIGKILL):
            if process.poll() is not None:
                return
            try:
                os.killpg(process.pid, sent)
                process.wait(timeout=5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass

    def end_all(self):
        for process in reversed(self.started):
            self.end(process)
        self.started.clear()
        while self.endings:
            self.endings.pop()()


PROCESSES = Processes()


def scratch_folder(prefix, where=None):
    """A folder of the test's own, removed with all it holds when the test's
    processes end."""
    folder = tempfile.mkdtemp(prefix=prefix, dir=where)
    PROCESSES.endings.append(lambda: shutil.rmtree(folder, ignore_errors=True))
    return folder


def wait_for(condition, what, timeout=30):
    """The condition's first true value, asked again until the deadline; the
    deadline is generous, since a sanitized build on a busy machine is slow."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def wait_for_exit(process, what, timeout=60):
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError("%s: still running %d s later" % (what, timeout)) from None


def end_all_when_stopped():
    """Ends every process started, and what else must end, when this one is
    told to stop."""
    def stop(signum, _frame):
        PROCESSES.end_all()
        sys.exit(128 + signum)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)


def main(test_module, *names):
    """Sets the test module's globals of these names to the paths the command
    line gives, in order, then runs its tests, ending every process they
    started whatever happens."""
    paths = sys.argv[1:1 + len(names)]
    del sys.argv[1:1 + len(names)]
    for name, path in zip(names, paths):
        setattr(test_module, name, os.path.abspath(path))

    end_all_when_stopped()
    try:
        result = unittest.main(module=test_module, exit=False, verbosity=2).result
    finally:
        PROCESSES.end_all()
    sys.exit(0 if result.wasSuccessful() else 1)


def window_manager_running():
    check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                           text=True, timeout=10)
    return "window id" in check.stdout


def start_window_manager(env, scratch):
    """openbox, keeping a panel's room free at the bottom; started again when
    it exits without taking the display (it does so now and then, silently),
    and what it printed is shown should it never take it."""
    config = os.path.join(scratch, "openbox.xml")
    with open(config, "w") as file:
        file.write('<openbox_config xmlns="http://openbox.org/3.4/rc"><margins>'
                   '<bottom>%d</bottom></margins></openbox_config>' % PANEL)
    for attempt in range(1, 4):
        with tempfile.TemporaryFile("w+") as log:
            openbox = PROCESSES.start(["openbox", "--config-file", config], env=env, stderr=log)
            wait_for(lambda: window_manager_running() or openbox.poll() is not None,
                     "the window manager")
            if window_manager_running():
                return
            log.seek(0)
            print("openbox, attempt %d, exit %s: %s" % (attempt, openbox.poll(), log.read()),
                  file=sys.stderr)
        PROCESSES.end(openbox)
    raise AssertionError("no window manager took the display")


def read_line_from(args, **kwargs):
    """Starts a process that writes one line to a pipe it is given (its
    display number, its bus address) and returns that line."""
    read_end, write_end = os.pipe()
    PROCESSES.start([arg.format(fd=write_end) for arg in args], pass_fds=(write_end,), **kwargs)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return pipe.readline().strip()


def start_desktop(scratch, accessibility=True, locale="fr_FR.UTF-8"):
    """Xvfb on a free display, openbox and, unless told otherwise, a D-Bus
    session with its accessibility bus, always on; returns the environment
    that reaches all of them, in this locale (None keeps the caller's), which
    this process takes too (for pyatspi, xdotool and xprop)."""
    number = read_line_from(["Xvfb", "-displayfd", "{fd}", "-screen", "0",
                             "%dx%dx24" % SCREEN, "-nolisten", "tcp"])
    if not number.isdigit():
        raise AssertionError("Xvfb did not start")
    env = dict(os.environ, DISPLAY=":" + number)
    if locale:
        env["LC_ALL"] = locale
    for key in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR",
                "DBUS_SESSION_BUS_ADDRESS"):
        env.pop(key, None)
    if accessibility:
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", NO_AT_BRIDGE="0")
        env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])
        PROCESSES.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    os.environ.update(env)
    start_window_manager(env, scratch)
    return env


def start_windows(scratch, env):
    """Wine in a fresh 64-bit prefix that says it is Windows 11, where Arial
    and Times New Roman are their metric twins from Liberation, as a Windows
    system has them; returns the environment that reaches it. Its Wine
    server ends with the test."""
    from windows_fonts import write_fonts  # needs fontTools, which only Wine's tests have

    env = dict(env, WINEPREFIX=os.path.join(scratch, "prefix"), WINEARCH="win64",
               WINEDEBUG="-all")
    PROCESSES.endings.append(lambda: subprocess.run(["wineserver", "-k"], env=env,
                                                    stderr=subprocess.DEVNULL))
    quiet = dict(env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    # Neither Mono nor Gecko: nothing here needs them, and their installers ask.
    subprocess.run(["wineboot", "--init"], **dict(quiet, env=dict(
        env, WINEDLLOVERRIDES="mscoree,mshtml=")), check=True)
    subprocess.run(["wineserver", "-w"], **quiet)
    fonts = os.path.join(scratch, "fonts.reg")
    with open(fonts, "w") as registry:
        write_fonts(env["WINEPREFIX"], registry)
    subprocess.run(["wine", "regedit", "/S", "Z:" + fonts.replace("/", "\\")], **quiet,
                   check=True)
    subprocess.run(["wine", "winecfg", "/v", "win11"], **quiet, check=True)
    subprocess.run(["wineserver", "-w"], **quiet)
    os.environ.update(env)
    return env


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


def screen_colour_count(box, colour):
    """How many pixels of the screen's rectangle have exactly this colour."""
    return colour_count(picture_pixels(["import", "-window", "root"], box), colour)


def contrast(first, second):
    """The WCAG contrast ratio of two colours given as (r, g, b) bytes."""
    def luminance(colour):
        linear = [c / 255 / 12.92 if c / 255 <= 0.03928 else ((c / 255 + 0.055) / 1.055) ** 2.4
                  for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    high, low = sorted((luminance(first), luminance(second)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def win_rate(won, played):
    tenths = (2000 * won + played) // (2 * played)  # rounded half up
    return "%d,%d%%" % (tenths // 10, tenths % 10)


def shown_frame(pyatspi, program, title):
    """The program's window of this title as the accessibility bus shows it,
    or None while there is none."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == program.pid:
            for frame in app:
                if frame is not None and frame.name == title \
                        and frame.getState().contains(pyatspi.STATE_SHOWING):
                    return frame
    return None


class MainWindow:
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
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return tuple(round(self.unit * v) for v in (box.x, box.y, box.width, box.height))

    def control(self, name):
        """The control the layout puts at this place."""
        wanted = [round(self.scale * v) for v in CONTROLS[name]]

        def find():
            origin = self.origin
            for child in self.client:
                x, y, _, _ = self.extents(child)
                if abs(x - origin[0] - wanted[0]) <= 1 and abs(y - origin[1] - wanted[1]) <= 1:
                    return child
            return None

        return wait_for(find, name + " where the layout puts it")

    def text(self, name):
        return self.control(name).name

    def coins_shown(self):
        """Whether the coins' gold shows on the screen where the win picture
        stands."""
        x, y = self.origin
        left, top, width, height = CONTROLS["Image1"]
        return screen_colour_count((x + left, y + top, width, height), GOLD) > 1000

    def reels(self):
        return [self.text("Label%d" % reel) for reel in (1, 2, 3)]

    def next_game(self, press, played, won):
        """Presses Jouer once as `press` does, after `played` games of which
        `won` were won, and waits until the window shows the new game's reels
        and win rate; returns those reels and the games won so far."""
        previous = (self.reels(), self.text("lblRate"))
        press()
        pressed = time.monotonic()

        def settled():
            reels = self.reels()
            if not all(re.fullmatch(r"[0-9]", reel) for reel in reels):
                return None
            wins = won + ("7" in reels)
            shown = (reels, self.text("lblRate"))
            # The same digits and rate twice in a row can happen: once the
            # game had time to show, they are this game's.
            if shown == previous and time.monotonic() - pressed < 1:
                return None
            return (reels, wins) if shown[1] == win_rate(wins, played + 1) else None

        return wait_for(settled, "game %d to show" % (played + 1))

    def picture_shown(self):
        """Whether the win picture shows; a screen reader finds it by its name
        then, and without a name while it is hidden."""
        picture = next(child for child in self.client
                       if child is not None and child.getRoleName() == "image")
        shown = picture.getState().contains(self.pyatspi.STATE_SHOWING)
        assert picture.name == ("Pièces d’or" if shown else ""), picture.name
        return shown

    def centre(self, node):
        x, y, width, height = self.extents(node)
        return x + width // 2, y + height // 2

    def menu(self, title):
        bar = next(child for child in self.frame
                   if child is not None and child.getRoleName() == "menu bar")
        return next(item for item in bar if item.name == title)

    def open_menu_entry(self, title, entry):
        menu = self.menu(title)
        click(*self.centre(menu))
        popup = menu[0]
        wait_for(lambda: popup.getState().contains(self.pyatspi.STATE_SHOWING), "menu " + title)
        item = next(child for child in popup if child.name == entry)
        wait_for(lambda: self.extents(item)[2] > 0 and self.extents(item)[0] > 0, entry)
        click(*self.centre(item))


def run_on_a_desktop():
    parser = argparse.ArgumentParser(usage="%(prog)s [--windows] [--no-accessibility] "
                                           "COMMAND [ARGUMENT...]")
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--no-accessibility", action="store_true")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    options = parser.parse_args()
    if not options.command:
        parser.error("no command")

    end_all_when_stopped()
    try:
        # Wine's prefix is some 700 MB: not for a /tmp in memory.
        scratch = scratch_folder("desktop-", "/var/tmp")
        # Wine makes its prefix in the caller's locale, whose folder names it takes.
        env = start_desktop(scratch,
                            accessibility=not (options.windows or options.no_accessibility),
                            locale=None if options.windows else "fr_FR.UTF-8")
        if options.windows:
            env = start_windows(scratch, env)
        status = subprocess.run(options.command, env=env).returncode
    finally:
        PROCESSES.end_all()
    sys.exit(status if status >= 0 else 128 - status)


if __name__ == "__main__":
    run_on_a_desktop()
