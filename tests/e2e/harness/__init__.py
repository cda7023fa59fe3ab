# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""What the end-to-end tests, the benchmarks and the screenshot share, a
module a job:

- processes: processes that end with the test however it ends, scratch
  folders, waits on conditions, and the runner of a test module;
- desktop: a desktop of the test's own (Xvfb, openbox, a D-Bus session with
  its accessibility bus);
- wine, wine_fonts: a Windows of the test's own on it (a fresh Wine prefix);
- user_input: real key presses and clicks, through xdotool;
- x11_windows: what the window manager knows of a window (title, icon, frame);
- pixels: what the screen and screenshots show;
- tables: the tests' own layout table and the program's words;
- main_window: the program's main window as the accessibility bus shows it;
- browser: a headless Chromium driven through its DevTools protocol, and a
  static web server on the loopback address, for the page.

tests/e2e/on_a_desktop.py runs any command on such a desktop.
"""
