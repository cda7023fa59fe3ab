# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""A browser of the test's own: Debian's Chromium, headless, driven through
its DevTools protocol, and the web server a site would serve it with."""

import base64
import json
import pathlib
import socket
import urllib.error
import urllib.request

import websocket

from .processes import PROCESSES, scratch_folder, wait_for


SHIPPED_CONFIGURATION = pathlib.Path(__file__).parents[3] / "packaging/web/nginx.conf"


def free_port():
    with socket.socket() as free:
        free.bind(("127.0.0.1", 0))
        return free.getsockname()[1]


def answers(url):
    """Whether a server answers at this address, whatever it answers."""
    try:
        with urllib.request.urlopen(url):
            return True
    except urllib.error.HTTPError:
        return True
    except OSError:
        return False


class Server:
    """Debian's nginx on the loopback address, serving a folder with the
    configuration shipped beside the page, while the test runs. Stopped, it
    can serve another folder at the same address (a site's next release)."""

    def __init__(self, folder):
        self.scratch = scratch_folder("nginx-")
        self.port = free_port()
        self.url = "http://127.0.0.1:%d/" % self.port
        self.process = None
        self.start(folder)

    def start(self, folder):
        configuration = pathlib.Path(self.scratch, "nginx.conf")
        configuration.write_text(f"""
            load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
            daemon off; master_process off; pid {self.scratch}/pid;
            error_log {self.scratch}/errors;
            events {{}}
            http {{
                log_format sent $bytes_sent;
                access_log {self.scratch}/sent sent;
                client_body_temp_path {self.scratch}/body;
                server {{
                    listen 127.0.0.1:{self.port};
                    root {pathlib.Path(folder).resolve()};
                    include {SHIPPED_CONFIGURATION};
                }}
            }}""")
        self.process = PROCESSES.start(["nginx", "-p", self.scratch, "-c", str(configuration)])
        wait_for(lambda: answers(self.url), "nginx to answer")

    def bytes_sent(self):
        """All the server has sent so far, headers included."""
        with open(pathlib.Path(self.scratch, "sent")) as log:
            return sum(int(line) for line in log)

    def stop(self):
        PROCESSES.end(self.process)


KEYS = {"Space": (" ", "Space", 32, " "), "Enter": ("Enter", "Enter", 13, "\r"),
        "Tab": ("Tab", "Tab", 9, ""), "F10": ("F10", "F10", 121, ""),
        "Right": ("ArrowRight", "ArrowRight", 39, ""), "Down": ("ArrowDown", "ArrowDown", 40, "")}


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

    def press(self, *keys):
        """Each key pressed and let go, as a keyboard sends it: (key, code, key code, text)."""
        for key in keys:
            key, code, number, typed = KEYS[key]
            self.send("Input.dispatchKeyEvent", type="keyDown", key=key, code=code,
                      windowsVirtualKeyCode=number, text=typed)
            self.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                      windowsVirtualKeyCode=number)

    def press_space(self):
        self.press("Space")

    def emulate(self, width, height, touch):
        """A device's screen, in CSS pixels; one with touch lays pages out as phones do."""
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=1, mobile=touch)
        self.send("Emulation.setTouchEmulationEnabled", enabled=touch, maxTouchPoints=5)

    def tap(self, x, y):
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.send("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def screenshot(self, path):
        with open(path, "wb") as shot:
            shot.write(base64.b64decode(self.send("Page.captureScreenshot")["data"]))
