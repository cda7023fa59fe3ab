# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""A desktop of the test's own: Xvfb on a free display, openbox keeping a
panel's room free, and a D-Bus session with its accessibility bus."""

import os
import subprocess
import sys
import tempfile

from .processes import PROCESSES, wait_for

SCREEN = (1920, 1080)
PANEL = 48  # pixels kept free at the bottom, as a panel does


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
