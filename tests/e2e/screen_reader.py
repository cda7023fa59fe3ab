#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What a blind player hears: Orca, Debian's screen reader, with what it says
written to its debug file, while the program is played from the keyboard:
the window at start, three games, Horloge > Date, Aide and Quitter. Each
game's outcome and the date must be said once, and the clock never. Prints
every spoken line with its time since the program started.

    screen_reader.py path/to/bandit-manchot
"""

import datetime
import os
import re
import signal
import sys
import tempfile
import unittest

from harness.desktop import start_desktop
from harness.main_window import MainWindow, shown_frame
from harness.processes import PROCESSES, main, scratch_folder, wait_for, wait_for_exit
from harness.tables import HELP_TITLE, TITLE, text
from harness.user_input import press

PROGRAM = None  # set from the command line
SCRATCH = scratch_folder("screen-reader-")
# Each game's outcome, as the program words it, with the reels it names.
OUTCOMES = {won: re.compile(re.escape(text(won)).replace("%1", r"(\d)").replace("%2", r"(\d)")
                            .replace("%3", r"(\d)"))
            for won in ("won", "lost")}


def outcome(said):
    """The reels and the outcome a line says, or None."""
    for won, pattern in OUTCOMES.items():
        match = pattern.fullmatch(said)
        if match:
            return [*match.groups(), won]
    return None


def as_written(said):
    """What Orca said, with the space that French writes before a colon,
    which Orca 51 leaves out of what it says."""
    return re.sub(r"(?<=\S):(?=\s|$)", " :", said)


class Speech:
    """What Orca has said so far, read from its debug file as it grows: each
    line "HH:MM:SS.micro - SPEECH OUTPUT: 'text'", with what the speech
    server was told of it after."""

    LINE = re.compile(r"^(\S+) - SPEECH OUTPUT: '(.*)'(?:\s*\{.*\})?\s*$")

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = b""  # a line not yet written whole
        self.lines = []  # (time, text)

    def said(self):
        if os.path.exists(self.path):
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                chunk = log.read()
            self.offset += len(chunk)
            *whole, self.partial = (self.partial + chunk).split(b"\n")
            for line in whole:
                match = self.LINE.match(line.decode(errors="replace"))
                if match:
                    moment, text = match.groups()
                    self.lines.append((moment, as_written(text)))
        return [text for _, text in self.lines]

    def wait(self, matches, what, after=0):
        """The first line said after the first `after` ones that matches."""
        return wait_for(lambda: next((text for text in self.said()[after:] if matches(text)),
                                     None), "Orca to say " + what, timeout=60)


class ScreenReaderTest(unittest.TestCase):
    def test_what_a_blind_player_hears(self):
        env = start_desktop(SCRATCH)
        import pyatspi  # reads the session bus address from the environment

        # A sound server of its own for the speech, which stalls without one.
        runtime = tempfile.mkdtemp(prefix="runtime-", dir=SCRATCH)
        env.update(XDG_RUNTIME_DIR=runtime, HOME=SCRATCH)
        PROCESSES.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                         "-L", "module-null-sink sink_name=quiet",
                         "-L", "module-native-protocol-unix"], env=env)
        wait_for(lambda: os.path.exists(os.path.join(runtime, "pulse", "native")), "PulseAudio")
        speech = Speech(os.path.join(SCRATCH, "orca.log"))
        complaints = tempfile.TemporaryFile("w+")
        # Orca in a locale the system has (it stalls in one that is missing);
        # what it reads of the program is the program's French all the same.
        PROCESSES.start(["orca", "--replace", "-u", os.path.join(SCRATCH, "orca"),
                         "--debug-file", speech.path], env=dict(env, LC_ALL="C.UTF-8"),
                        stderr=complaints)
        try:
            self.listen(env, pyatspi, speech)
        except AssertionError:
            complaints.seek(0)
            print("Orca printed:", complaints.read()[-4000:], file=sys.stderr)
            print("Orca said:", *speech.said(), sep="\n    ", file=sys.stderr)
            raise
        finally:
            # Orca's speech server outlives Orca.
            for pid_file in os.popen("find %s -name '*.pid'" % runtime).read().split():
                with open(pid_file) as file:
                    try:
                        os.kill(int(file.read()), signal.SIGTERM)
                    except (ValueError, ProcessLookupError):
                        pass

    def listen(self, env, pyatspi, speech):
        speech.wait(bool, "its first words")
        heard_before = len(speech.said())
        complaints = tempfile.TemporaryFile("w+")
        program = PROCESSES.start([PROGRAM], env=env, stderr=complaints)
        window = MainWindow(pyatspi, wait_for(lambda: shown_frame(pyatspi, program, TITLE),
                                              "the main window"))
        speech.wait(lambda line: line.startswith(text("play")), "Jouer", heard_before)

        for game in range(1, 4):
            before = len(speech.said())
            press("space")
            said = speech.wait(outcome, "game %d" % game, before)
        # what was said is what the window shows
        reels = window.reels()
        self.assertEqual(outcome(said), reels + ["won" if "7" in reels else "lost"])

        before = len(speech.said())
        press("F10")
        speech.wait(lambda text: text.startswith("Horloge"), "Horloge", before)
        press("Down", "Return")
        today = datetime.date.today().strftime("%d/%m/%Y")
        # Orca ends what it says of a notification with a full stop
        speech.wait(lambda text: text.rstrip(".") == today, "the date")

        before = len(speech.said())
        press("F10", "Right", "Down", "Return")
        wait_for(lambda: shown_frame(pyatspi, program, HELP_TITLE), "the help window")
        speech.wait(lambda line: line.startswith(text("quit")), "Quitter", before)
        before = len(speech.said())
        press("space")
        wait_for(lambda: shown_frame(pyatspi, program, HELP_TITLE) is None, "the help window to close")
        speech.wait(lambda line: line.startswith(text("play")), "Jouer once back", before)

        said = speech.said()
        for moment, line in speech.lines[heard_before:]:
            print(moment, line)
        outcomes = [line for line in said if outcome(line)]
        self.assertEqual(len(outcomes), 3, "each game said once")
        self.assertEqual(len([text for text in said if text.rstrip(".") == today]), 1,
                         "the date said once")
        self.assertFalse([text for text in said if re.fullmatch(r"\d\d:\d\d:\d\d", text)],
                         "the clock is never said")
        press("Tab", "space")  # Fin
        status = wait_for_exit(program, "Fin")
        complaints.seek(0)
        self.assertEqual(status, 0, complaints.read())


if __name__ == "__main__":
    main(sys.modules[__name__], "PROGRAM")
