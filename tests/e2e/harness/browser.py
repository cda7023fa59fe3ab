# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""A browser of the test's own: Debian's Chromium, headless, driven through
its DevTools protocol, and a static web server on the loopback address."""

import base64
import functools
import http.server
import json
import pathlib
import threading
import urllib.request

import websocket

from .processes import PROCESSES, scratch_folder, wait_for


class QuietFiles(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


def serve(folder):
    """The address of a server of this folder's files on the loopback
    address, with their types (application/wasm too), while the test runs."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(QuietFiles, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    PROCESSES.endings.append(server.shutdown)
    return "http://127.0.0.1:%d/" % server.server_port


class Chromium:
    """One page of a headless Chromium of the test's own, in this language,
    its viewport this size in CSS pixels."""

    def __init__(self, language="fr-FR", size=(1280, 900)):
        profile = scratch_folder("chromium-")
        # As Debian's Chromium runs on a closed machine: nothing sent out.
        PROCESSES.start(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                         "--disable-quic", "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         "--user-data-dir=" + profile, "--remote-debugging-port=0",
                         "--lang=" + language, "--accept-lang=" + language,
                         "--window-size=%d,%d" % size, "about:blank"])
        port_file = pathlib.Path(profile, "DevToolsActivePort")
        port = wait_for(lambda: port_file.exists() and port_file.read_text().split("\n")[0],
                        "Chromium's DevTools port")
        with urllib.request.urlopen("http://127.0.0.1:%s/json" % port) as answer:
            page = next(target for target in json.load(answer) if target["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"],
                                                  suppress_origin=True)
        PROCESSES.endings.append(self.socket.close)
        self.sent = 0
        self.events = []
        self.send("Page.enable")

    def send(self, method, **params):
        """The answer to a DevTools command; the events that came before it are kept."""
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.sent:
                if "error" in message:
                    raise AssertionError("%s: %s" % (method, message["error"]))
                return message["result"]
            self.events.append(message)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page, once it settles."""
        answer = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in answer:
            raise AssertionError("%s: %s" % (expression, answer["exceptionDetails"]))
        return answer["result"].get("value")

    def press_space(self):
        self.send("Input.dispatchKeyEvent", type="keyDown", key=" ", code="Space", text=" ")
        self.send("Input.dispatchKeyEvent", type="keyUp", key=" ", code="Space")

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def screenshot(self, path):
        with open(path, "wb") as shot:
            shot.write(base64.b64decode(self.send("Page.captureScreenshot")["data"]))
