#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Plays the program built for the browser as a person would: its page in
headless Chromium, from a server on the loopback address, played with real
key presses and clicks; what it shows read from Chromium's accessibility
tree, where Qt puts an element over each control, and from screenshots.

    web_page.py path/to/the/page's/folder
"""

import datetime
import re
import unittest

from harness.browser import Chromium, serve
from harness.main_window import win_rate
from harness.pixels import GOLD, colour_count, pixels
from harness.processes import PROCESSES, main, scratch_folder, wait_for
from harness.tables import CONTROLS, HELP_TEXT, TITLE, text

FOLDER = None  # set from the command line
SCRATCH = scratch_folder("web-page-")
STATUS = "document.getElementById('status')"


class Page:
    """The program's page in a browser of its own, in this language, after
    a script that runs before the page's own."""

    def __init__(self, language="fr-FR", script=""):
        self.browser = Chromium(language)
        self.browser.send("WebAudio.enable")
        self.browser.send("Page.addScriptToEvaluateOnNewDocument", source=script)
        self.browser.send("Page.navigate", url=serve(FOLDER))
        wait_for(lambda: self.browser.evaluate(
            "(status => status && (status.hidden || !status.textContent.includes('chargement')))"
            "(%s)" % STATUS), "the page to load")

    def nodes(self, role):
        """(name or value, box) of each element of this role the accessibility
        tree shows; the box's corner is the control's, its size the text's
        area inside the element's border."""
        found = []
        for node in self.browser.send("Accessibility.getFullAXTree")["nodes"]:
            if node.get("ignored") or node["role"].get("value") != role:
                continue
            box = self.browser.send("DOM.getBoxModel",
                                    backendNodeId=node["backendDOMNodeId"])["model"]
            said = node.get("name", {}).get("value") or node.get("value", {}).get("value") or ""
            found.append((said, (round(box["border"][0]), round(box["border"][1]))))
        return found

    def click(self, role, name):
        x, y = wait_for(lambda: dict(self.nodes(role)).get(name), "%s %s" % (role, name))
        self.browser.click(x + 5, y + 5)

    def choose_only_entry(self, menu):
        """Opens a menu and chooses its one entry. The open menu shows in the
        tree, but none of its entries: the entry is clicked where it shows."""
        self.click("menuitem", menu)
        x, y = wait_for(lambda: self.nodes("menubar")[1:], "the menu " + menu)[0][1]
        self.browser.click(x + 10, y + 10)

    @property
    def origin(self):
        """The main window's client area's corner, from Jouer's place in it."""
        x, y = dict(self.nodes("button"))[text("play")]
        return x - CONTROLS["Command1"][0], y - CONTROLS["Command1"][1]

    def texts(self):
        """Each control's text, by the name the layout table gives the control at its place."""
        x, y = self.origin
        at = {(corner[0] - x, corner[1] - y): said
              for role in ("button", "textbox") for said, corner in self.nodes(role)}
        return {name: at.get(place[:2]) for name, place in CONTROLS.items()}

    def coins_shown(self):
        shot = SCRATCH + "/page.png"
        self.browser.screenshot(shot)
        left, top, width, height = CONTROLS["Image1"]
        x, y = self.origin
        return colour_count(pixels(shot, (x + left, y + top, width, height)), GOLD) > 1000


class WebPageTest(unittest.TestCase):
    def tearDown(self):
        PROCESSES.end_all()

    def play(self, page, press_jouer, played, won):
        """Presses Jouer until a game is won; checks each game's texts and the
        coins; returns the games played and won."""
        while True:
            press_jouer()
            played += 1
            shown = page.texts()
            reels = [shown["Label%d" % reel] for reel in (1, 2, 3)]
            self.assertTrue(all(re.fullmatch("[0-9]", reel) for reel in reels), reels)
            won += "7" in reels
            self.assertEqual((shown["lblWins"], shown["lblRate"]),
                             (text("wins", won), win_rate(won, played)))
            if "7" in reels or played == 1:
                self.assertEqual(page.coins_shown(), "7" in reels, reels)
            if "7" in reels:
                return played, won
            self.assertLess(played, 100, "no win in 100 games")

    def test_a_session_of_play(self):
        page = Page()
        browser = page.browser
        self.assertEqual(browser.evaluate("[document.title, document.documentElement.lang]"),
                         [TITLE, "fr"])
        # The window at its place in the page: 3960 and 2715 twips.
        self.assertEqual(page.origin, (264, 181))
        shown = page.texts()
        # Every control the layout tables stands at its place, but the
        # picture, which Qt gives no element in the page.
        self.assertEqual([name for name, said in shown.items() if said is None], ["Image1"])
        self.assertEqual((shown["Command1"], shown["Command2"]), (text("play"), text("end")))

        played, won = self.play(page, lambda: browser.key(" ", "Space", " "), 0, 0)
        self.play(page, lambda: page.click("button", text("play")), played, won)
        # The bell rang, in the audio the page was let play after the first key.
        states = [event["params"]["context"]["contextState"] for event in browser.events
                  if event["method"] in ("WebAudio.contextCreated", "WebAudio.contextChanged")]
        self.assertEqual(states[-1:], ["running"])

        now = datetime.datetime.now
        asked = now()
        first = wait_for(lambda: page.texts()["Label5"], "the time")
        self.assertIn(first, {(asked - datetime.timedelta(seconds=1)).strftime("%H:%M:%S"),
                              asked.strftime("%H:%M:%S"), now().strftime("%H:%M:%S")})
        wait_for(lambda: page.texts()["Label5"] != first, "the clock to tick")
        page.choose_only_entry("Horloge")
        wait_for(lambda: page.texts()["Label6"] == now().strftime("%d/%m/%Y"), "today's date")

        page.choose_only_entry("?")
        wait_for(lambda: HELP_TEXT in dict(page.nodes("textbox")), "the help text")
        # Quitter has the focus. (Qt puts the help window's elements over
        # the main window's corner, not over the help window.)
        browser.key(" ", "Space", " ")
        wait_for(lambda: text("quit") not in dict(page.nodes("button")), "the help window to close")

        page.click("button", text("end"))
        wait_for(lambda: "Partie terminée" in browser.evaluate(STATUS + ".textContent"),
                 "the page to say the game is over")

    def test_rate_in_the_browser_language(self):
        page = Page("en-US")
        page.browser.key(" ", "Space", " ")
        self.assertRegex(page.texts()["lblRate"], r"^(0|100)\.0%$")

    def test_says_when_the_browser_cannot_run_it(self):
        page = Page(script="delete window.WebAssembly")
        self.assertIn("ne peut pas faire tourner", page.browser.evaluate(STATUS + ".textContent"))


if __name__ == "__main__":
    main(__import__(__name__), "FOLDER")
