#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Plays the program built for the browser as a person would: its page in
headless Chromium from a server on the loopback address, real key presses
and clicks, and what it shows read from Chromium's accessibility tree (where
Qt puts an element over each control) and from screenshots.

    web_page.py path/to/the/page's/folder
"""

import datetime
import re
import unittest

from harness.browser import Chromium, serve
from harness.main_window import shows_rate
from harness.pixels import GOLD, colour_count, pixels
from harness.processes import PROCESSES, main, scratch_folder, wait_for
from harness.tables import CONTROLS, HELP_TITLE, TITLE, text

FOLDER = None  # set from the command line
STATUS = "document.getElementById('status')"
WINDOW_TITLES = ("[...document.getElementById('qt-shadow-container').shadowRoot"
                 ".querySelectorAll('.window-name')].map(name => name.textContent)")


class Page:
    """The program's page in a browser of its own, in this language, after
    a script that runs before the page's own."""

    def __init__(self, language="fr-FR", script=""):
        self.browser = Chromium(language)
        self.shot = scratch_folder("web-page-") + "/page.png"
        self.browser.send("WebAudio.enable")
        self.browser.send("Page.addScriptToEvaluateOnNewDocument", source=script)
        self.browser.send("Page.navigate", url=serve(FOLDER))
        wait_for(lambda: self.browser.evaluate(
            "(status => status && (status.hidden || !status.textContent.includes('chargement')))"
            "(%s)" % STATUS), "the page to load")

    def corners(self, role):
        """[(name or value, corner)] of the elements of this role in the accessibility tree."""
        found = []
        for node in self.browser.send("Accessibility.getFullAXTree")["nodes"]:
            if not node.get("ignored") and node["role"].get("value") == role:
                said = node.get("name", {}).get("value") or node.get("value", {}).get("value")
                border = self.browser.send("DOM.getBoxModel", backendNodeId=node[
                    "backendDOMNodeId"])["model"]["border"]
                found.append((said or "", (round(border[0]), round(border[1]))))
        return found

    def click(self, role, name, at=(5, 5)):
        x, y = wait_for(lambda: dict(self.corners(role)).get(name), "%s %s" % (role, name))
        self.browser.click(x + at[0], y + at[1])

    def choose_only_entry(self, menu):
        """The open menu shows in the tree, but not its entry: it is clicked where it shows."""
        self.click("menuitem", menu)
        wait_for(lambda: len(self.corners("menubar")) > 1, "the menu " + menu)
        self.click("menubar", "", at=(10, 10))

    def texts(self):
        """Each control's text, by the name the layout table gives the place it is at."""
        x, y = dict(self.corners("button"))[text("play")]
        x, y = x - CONTROLS["Command1"][0], y - CONTROLS["Command1"][1]
        at = {(cx - x, cy - y): said for role in ("button", "textbox")
              for said, (cx, cy) in self.corners(role)}
        shown = {name: at.get(place[:2]) for name, place in CONTROLS.items()}
        self.browser.screenshot(self.shot)
        left, top, width, height = CONTROLS["Image1"]
        shown["coins"] = colour_count(pixels(self.shot, (x + left, y + top, width, height)),
                                      GOLD) > 1000
        return shown


class WebPageTest(unittest.TestCase):
    def tearDown(self):
        PROCESSES.end_all()

    def play_to_a_win(self, press_jouer, played, won):
        while True:
            press_jouer()
            shown = self.page.texts()
            reels, played = [shown["Label%d" % reel] for reel in (1, 2, 3)], played + 1
            self.assertTrue(all(re.fullmatch("[0-9]", reel) for reel in reels), reels)
            won += "7" in reels
            self.assertEqual((shown["lblWins"], shown["coins"]), (text("wins", won), "7" in reels))
            self.assertTrue(shows_rate(shown["lblRate"], won, played), shown["lblRate"])
            if "7" in reels:
                return played, won
            self.assertLess(played, 100, "no win in 100 games")

    def test_a_session_of_play(self):
        self.page = page = Page()
        browser = page.browser
        self.assertEqual(browser.evaluate("[document.title, document.documentElement.lang]"),
                         [TITLE, "fr"])
        shown = page.texts()
        # Every control the layout tables is at its place, but the picture,
        # which Qt gives no element. (Where the window stands is the widget
        # tests': Qt's own platform places it in the page as asked.)
        self.assertEqual([name for name, said in shown.items() if said is None], ["Image1"])
        played, won = self.play_to_a_win(browser.press_space, 0, 0)
        self.play_to_a_win(lambda: page.click("button", text("play")), played, won)
        # The bell rang, in the audio the page may play after the first key.
        states = [event["params"]["context"]["contextState"] for event in browser.events
                  if event["method"] in ("WebAudio.contextCreated", "WebAudio.contextChanged")]
        self.assertEqual(states[-1:], ["running"])

        asked = datetime.datetime.now()
        first = wait_for(lambda: page.texts()["Label5"], "the time")
        self.assertIn(first, [(asked + datetime.timedelta(seconds=s)).strftime("%H:%M:%S")
                              for s in (-1, 0, 1)])
        wait_for(lambda: page.texts()["Label5"] != first, "the clock to tick")
        page.choose_only_entry("Horloge")
        today = datetime.date.today().strftime("%d/%m/%Y")
        wait_for(lambda: page.texts()["Label6"] == today, "today's date")

        page.choose_only_entry("?")
        wait_for(lambda: HELP_TITLE in browser.evaluate(WINDOW_TITLES), "the help window")
        browser.press_space()  # on Quitter, which has the focus
        wait_for(lambda: HELP_TITLE not in browser.evaluate(WINDOW_TITLES),
                 "the help window to close")
        page.click("button", text("end"))
        wait_for(lambda: "Partie terminée" in browser.evaluate(STATUS + ".textContent"),
                 "the page to say the game is over")

    def test_rate_in_the_browser_language(self):
        self.page = Page("en-US")
        self.page.browser.press_space()
        self.assertRegex(self.page.texts()["lblRate"], r"^(0|100)\.0%$")

    def test_says_when_the_browser_cannot_run_it(self):
        page = Page(script="delete window.WebAssembly")
        self.assertIn("ne peut pas faire tourner", page.browser.evaluate(STATUS + ".textContent"))


if __name__ == "__main__":
    main(__import__(__name__), "FOLDER")
