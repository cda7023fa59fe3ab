#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Plays the program built for the browser as a person would: its page in
headless Chromium, as a laptop, a tablet and phones, from Debian's nginx
with the shipped configuration, real key presses, clicks and taps, and what
it shows read from Chromium's accessibility tree (where Qt puts an element
over each control) and from screenshots; then installed, offline, and
updated to the next release.

    web_page.py path/to/the/page's/folder path/to/the/next/release's/folder
"""

import datetime
import gzip
import itertools
import pathlib
import re
import unittest
import urllib.request

import brotli

from harness.apache import serve_with_apache
from harness.browser import Chromium, Server
from harness.main_window import shows_rate
from harness.pixels import GOLD, colour_count, pixels
from harness.processes import PROCESSES, main, scratch_folder, wait_for
from harness.tables import CONTROLS, HELP_TITLE, TITLE, layout, text

FOLDER = NEXT_FOLDER = None  # set from the command line
STATUS = "document.getElementById('status')"
# Once the page is parsed so far as both: the program runs, or the page said why not.
LOADED = ("((loading, status) => loading && status && (loading.hidden || !status.hidden))"
          "(document.getElementById('loading'), %s)" % STATUS)
SHADOW = "document.getElementById('qt-shadow-container').shadowRoot"
WINDOW_TITLES = "[...%s.querySelectorAll('.window-name')].map(name => name.textContent)" % SHADOW
HELP_CLIENT_AREA = """[...%s.querySelectorAll('.qt-window')]
    .filter(w => w.querySelector('.window-name').textContent == '%s')
    .map(w => w.querySelector('.title-bar').getBoundingClientRect())
    .map(bar => [bar.left, bar.bottom])[0]""" % (SHADOW, HELP_TITLE)
# The main window's corners, and whether they are on the screen: inside the
# part of the page the browser shows, at the scale it shows it.
SHOWN_WHOLE = """(r => { const v = visualViewport;
    return [v.scale, r.left >= v.offsetLeft - 1 && r.top >= v.offsetTop - 1
            && r.right <= v.offsetLeft + v.width + 1 && r.bottom <= v.offsetTop + v.height + 1];
})(%s.querySelector('.qt-window').getBoundingClientRect())""" % SHADOW
PHONE, PHONE_SIDEWAYS = (390, 844, True), (844, 390, True)
DEVICES = {"small phone": (320, 568, True), "phone": PHONE, "phone sideways": PHONE_SIDEWAYS,
           "tablet": (820, 1180, True), "tablet sideways": (1180, 820, True),
           "laptop": (1280, 720, False), "large laptop": (1920, 1080, False)}
# What the server sends, asked with these encodings: (path, encodings,
# type, encoding, how long a browser may keep it).
KEPT = "max-age=31536000"  # a year, or more
SENT = [("v%s/bandit-manchot.wasm", "br, gzip", "application/wasm", "br", KEPT),
        ("v%s/bandit-manchot.wasm", "gzip", "application/wasm", "gzip", KEPT),
        ("v%s/bandit-manchot.wasm", "", "application/wasm", None, KEPT),
        ("v%s/page.js", "gzip", "text/javascript; charset=utf-8", "gzip", KEPT),
        ("", "br", "text/html; charset=utf-8", "br", "no-cache"),
        ("service-worker.js", "br", "text/javascript; charset=utf-8", "br", "no-cache"),
        ("manifest.webmanifest", "", "application/manifest+json; charset=utf-8", None, "no-cache")]
AXE = pathlib.Path(__file__).parents[1] / "web/node_modules/axe-core/axe.min.js"
DECODE = {"br": brotli.decompress, "gzip": gzip.decompress, None: bytes}


def version(folder):
    return re.fullmatch(r"bandit-manchot-(.*)-web", pathlib.Path(folder).name)[1]


class Page:
    """The program's page in a browser of its own, in this language, after
    a script that runs before the page's own."""

    def __init__(self, server, language="fr-FR", script="", device=None):
        self.browser = Chromium(language)
        self.touch = device and device[2]
        if device:
            self.browser.emulate(*device)
        self.shot = scratch_folder("web-page-") + "/page.png"
        for domain in ("WebAudio", "Runtime", "Log"):
            self.browser.send(domain + ".enable")
        self.browser.send("Page.addScriptToEvaluateOnNewDocument", source=script)
        self.browser.send("Page.navigate", url=server.url)
        self.wait_until_loaded()

    def wait_until_loaded(self):
        wait_for(lambda: self.browser.evaluate(LOADED), "the page to load")

    def announced(self):
        """The text of the page's live region, as Chromium's accessibility tree has it."""
        document = self.browser.send("DOM.getDocument")["root"]["nodeId"]
        region = self.browser.send("DOM.querySelector", nodeId=document, selector="#annonces")
        nodes = self.browser.send("Accessibility.getPartialAXTree", nodeId=region["nodeId"])["nodes"]
        return "".join(node.get("name", {}).get("value", "") for node in nodes
                       if node["role"]["value"] == "StaticText")

    def axe_violations(self, rule=None):
        """The elements axe-core, the version tests/web pins, finds against
        this rule, or against any, with the rule's name."""
        self.browser.evaluate(AXE.read_text())
        found = self.browser.evaluate(
            "axe.run(%s).then(result => result.violations.flatMap(rule =>"
            " rule.nodes.map(node => rule.id + ' ' + node.target.join(' '))))"
            % ("{runOnly: ['%s']}" % rule if rule else ""))
        return found

    def focused(self):
        """The role and name of what has the focus, as Chromium's accessibility tree has it."""
        return [(node["role"]["value"], node.get("name", {}).get("value"))
                for node in self.browser.send("Accessibility.getFullAXTree")["nodes"]
                if not node.get("ignored") and node["role"]["value"] != "RootWebArea" and any(
                    known["name"] == "focused" and known["value"]["value"]
                    for known in node.get("properties", []))]

    def errors(self):
        """What the page reported as errors to its console, or threw."""
        return [event["params"] for event in self.browser.events
                if event["method"] == "Runtime.exceptionThrown"
                or event["method"] == "Log.entryAdded" and event["params"]["entry"]["level"] == "error"
                or event["method"] == "Runtime.consoleAPICalled" and event["params"]["type"] == "error"]

    def corners(self, role):
        """[(name or value, corner)] of the elements of this role in the
        accessibility tree; of a text, the corner of the element it is in."""
        found = []
        nodes = self.browser.send("Accessibility.getFullAXTree")["nodes"]
        by_id = {node["nodeId"]: node for node in nodes}
        for node in nodes:
            if not node.get("ignored") and node["role"].get("value") == role:
                said = node.get("name", {}).get("value") or node.get("value", {}).get("value")
                element = by_id[node["parentId"]] if role == "StaticText" else node
                border = self.browser.send("DOM.getBoxModel", backendNodeId=element[
                    "backendDOMNodeId"])["model"]["border"]
                found.append((said or "", (round(border[0]), round(border[1]))))
        return found

    def click(self, role, name, at=(5, 5)):
        x, y = wait_for(lambda: dict(self.corners(role)).get(name), "%s %s" % (role, name))
        (self.browser.tap if self.touch else self.browser.click)(x + at[0], y + at[1])

    def choose(self, menu, entry):
        self.click("menuitem", menu)
        self.click("menuitem", entry)

    def texts(self):
        """Each control's text, by the name the layout table gives the place it is at."""
        x, y = dict(self.corners("button"))[text("play")]
        x, y = x - CONTROLS["Command1"][0], y - CONTROLS["Command1"][1]
        at = {(cx - x, cy - y): said for role in ("button", "StaticText", "image")
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
            said = text("won" if "7" in reels else "lost", *reels)
            wait_for(lambda: self.page.announced() == said, "the page to say " + said)
            self.assertEqual((shown["lblWins"], shown["coins"], shown["Image1"]),
                             (text("wins", won), "7" in reels,
                              text("picture") if "7" in reels else None))
            self.assertTrue(shows_rate(shown["lblRate"], won, played), shown["lblRate"])
            if "7" in reels:
                return played, won
            self.assertLess(played, 100, "no win in 100 games")

    def test_a_session_of_play(self):
        """Played with the keyboard alone but for a few clicks on Jouer."""
        page = Page(Server(FOLDER))
        browser = page.browser

        def ask_date():
            browser.press("F10", "Down")
            wait_for(lambda: page.focused() == [("menuitem", "Date")], "the focus on Date")
            browser.press("Enter")

        self.play_a_session(page, ask_date,
                            lambda: browser.press("F10", "Right", "Down", "Enter"),
                            lambda: browser.press("Space"), lambda: browser.press("Tab", "Space"))

    def test_a_session_by_touch_on_a_phone(self):
        page = Page(Server(FOLDER), device=PHONE_SIDEWAYS)
        self.assertEqual(page.axe_violations("target-size"), [])
        self.play_a_session(page, lambda: page.choose("Horloge", "Date"),
                            lambda: page.choose("?", "Aide"),
                            lambda: page.click("button", text("quit")),
                            lambda: page.click("button", text("end")))

    def play_a_session(self, page, ask_date, ask_help, quit_help, end):
        self.page = page
        browser = page.browser
        self.assertEqual(browser.evaluate("[document.title, document.documentElement.lang]"),
                         [TITLE, "fr"])
        # The progress bar went to its end, counting the program's own bytes.
        self.assertEqual(browser.evaluate(
            "[progress.value, percent.textContent, stalled.hidden]"), [100, "100 %", True])
        wait_for(lambda: page.texts()["Label5"], "the time")
        shown = page.texts()
        # Every control the layout tables is at its place but those that
        # show nothing yet. (Where the window stands is the widget tests':
        # Qt's own platform places it in the page as asked.)
        self.assertEqual([name for name, said in shown.items() if said is None],
                         ["Label1", "Label2", "Label3", "Label6", "Image1"])
        played, won = self.play_to_a_win(browser.press_space, 0, 0)
        self.assertEqual(page.focused(), [("button", text("play"))])
        self.play_to_a_win(lambda: page.click("button", text("play")), played, won)
        self.assertEqual(page.errors(), [])
        # The bell rang, in the audio the page may play after the first key.
        states = [event["params"]["context"]["contextState"] for event in browser.events
                  if event["method"] in ("WebAudio.contextCreated", "WebAudio.contextChanged")]
        self.assertEqual(states[-1:], ["running"])

        asked = datetime.datetime.now()
        first = wait_for(lambda: page.texts()["Label5"], "the time")
        self.assertIn(first, [(asked + datetime.timedelta(seconds=s)).strftime("%H:%M:%S")
                              for s in (-1, 0, 1)])
        wait_for(lambda: page.texts()["Label5"] != first, "the clock to tick")
        ask_date()
        today = datetime.date.today().strftime("%d/%m/%Y")
        wait_for(lambda: page.texts()["Label6"] == today, "today's date")
        wait_for(lambda: page.announced() == today, "the page to say the date")
        wait_for(lambda: page.focused() == [("button", text("play"))], "the focus back on Jouer")

        ask_help()
        wait_for(lambda: HELP_TITLE in browser.evaluate(WINDOW_TITLES), "the help window")
        said = "%s. %s" % (HELP_TITLE, text("help"))
        wait_for(lambda: page.announced() == said, "the page to say the help window")
        wait_for(lambda: page.focused() == [("button", text("quit"))], "the focus on Quitter")
        # Quitter's element is over Quitter, in the help window's client area.
        x, y = browser.evaluate(HELP_CLIENT_AREA)
        left, top = layout("Form2")["Command1"][:2]
        self.assertIn((text("quit"), (round(x) + left, round(y) + top)), page.corners("button"))
        self.assertEqual(page.axe_violations(), [])
        quit_help()
        wait_for(lambda: HELP_TITLE not in browser.evaluate(WINDOW_TITLES),
                 "the help window to close")
        end()
        wait_for(lambda: "Partie terminée" in browser.evaluate(STATUS + ".textContent"),
                 "the page to say the game is over")

    def test_fits_every_screen(self):
        server, shots = Server(FOLDER), pathlib.Path(FOLDER).parent / "screenshots"
        shots.mkdir(exist_ok=True)
        for device, size in DEVICES.items():
            with self.subTest(device):
                page = Page(server, device=size)
                scale, whole = wait_for(lambda: page.browser.evaluate(SHOWN_WHOLE), "a scale")
                page.browser.screenshot("%s/%s.png" % (shots, device.replace(" ", "-")))
                print("%s: %dx%d, scaled %.3f" % (device, size[0], size[1], scale))
                self.assertTrue(whole)
                self.assertEqual(scale == 1, "phone" not in device, scale)
                if device == "phone":  # turned sideways, it fits again
                    page.browser.emulate(*PHONE_SIDEWAYS)
                    wait_for(lambda: page.browser.evaluate(SHOWN_WHOLE)[1], "the window to fit")
                page.browser.send("Browser.close")

    def test_served_as_the_web_expects(self):
        kept = version(FOLDER)
        for (server, url), (path, encodings, kind, encoding, lifetime) in itertools.product(
                (("nginx", Server(FOLDER).url), ("Apache", serve_with_apache(FOLDER))), SENT):
            with self.subTest(server=server, path=path, encodings=encodings):
                asked = urllib.request.Request(url + (path % kept if "%" in path else path),
                                               headers={"Accept-Encoding": encodings})
                with urllib.request.urlopen(asked) as answer:
                    headers, body = answer.headers, answer.read()
                self.assertEqual((headers["Content-Type"], headers["Content-Encoding"]),
                                 (kind, encoding))
                self.assertIn(lifetime, headers["Cache-Control"])
                self.assertEqual(headers["X-Content-Type-Options"], "nosniff")
                plain = pathlib.Path(FOLDER, path % kept if "%" in path else path or "index.html")
                self.assertEqual(DECODE[encoding](body), plain.read_bytes())

    def test_installs_plays_offline_and_updates(self):
        server = Server(FOLDER)
        self.page = page = Page(server, device=PHONE_SIDEWAYS)
        browser = page.browser
        self.assertEqual(browser.send("Page.getInstallabilityErrors")["installabilityErrors"], [])
        kept = "caches.keys().then(names => names.join())"
        wait_for(lambda: browser.evaluate("!!navigator.serviceWorker.controller"), "the worker")
        self.assertEqual(browser.evaluate(kept), "bandit-manchot-" + version(FOLDER))
        server.stop()
        browser.send("Page.reload")
        page.wait_until_loaded()
        browser.press_space()
        self.assertRegex(page.texts()["Label1"], "^[0-9]$")
        # The next release replaces the folder: a visit finds it, the next shows it.
        server.start(NEXT_FOLDER)
        browser.send("Page.reload")
        next_kept = "bandit-manchot-" + version(NEXT_FOLDER)
        wait_for(lambda: browser.evaluate(kept) == next_kept, "the next release's cache")
        browser.send("Page.reload")
        page.wait_until_loaded()
        self.assertEqual(browser.evaluate("document.scripts[0].getAttribute('src')"),
                         "v%s/page.js" % version(NEXT_FOLDER))
        self.assertEqual(page.errors(), [])

    def test_rate_in_the_browser_language(self):
        self.page = Page(Server(FOLDER), "en-US")
        self.page.browser.press_space()
        self.assertRegex(self.page.texts()["lblRate"], r"^(0|100)\.0%$")

    def test_says_when_the_browser_cannot_run_it(self):
        page = Page(Server(FOLDER), script="delete window.WebAssembly")
        self.assertIn("ne peut pas faire tourner", page.browser.evaluate(STATUS + ".textContent"))


if __name__ == "__main__":
    main(__import__(__name__), "FOLDER", "NEXT_FOLDER")
