# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""A Windows of the test's own on its desktop: Wine in a fresh prefix."""

import os
import subprocess

from .processes import PROCESSES


def start_windows(scratch, env):
    """Wine in a fresh 64-bit prefix that says it is Windows 11, where Arial
    and Times New Roman are their metric twins from Liberation, as a Windows
    system has them; returns the environment that reaches it. Its Wine
    server ends with the test."""
    from .wine_fonts import write_fonts  # needs fontTools, which only Wine's tests have

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
