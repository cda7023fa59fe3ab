# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Processes that end with the test however it ends, the test's scratch
folders, waits on conditions, and the runner of a test module."""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest


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
