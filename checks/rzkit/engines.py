# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The three browser engines a school has, from Debian's packages, each
driven in a fresh profile with the same few calls, so that one script plays
the game in all of them:

  Chromium      Selenium with chromedriver, and DevTools where a check asks
                the accessibility tree, a touch screen or a turned window
  Firefox ESR   its own WebDriver BiDi (no separate driver), spoken to here
                over a WebSocket
  WebKitGTK     Safari's engine: Selenium with WebKitWebDriver, MiniBrowser
                as the browser

Each browser gives what Selenium's drivers give (get, execute_script,
refresh, page_source, get_screenshot_as_png, quit) and: keys(text),
chord(modifier, key), click(x, y), hover(x, y) in CSS pixels of the page,
screenshot() as a picture in device pixels, and console(), the warnings and
errors of the page and the program since the last call. Firefox and WebKit
run on an X display of the kit (Firefox has no WebGL without one on a
machine without a GPU; WebKit has no headless mode here)."""

import base64
import contextlib
import io
import json
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import threading
import time

from . import SetupFailed
from .browser import PC, chromium, wait
from .session import Processes, poll, start_display

# A tablet's page: an iPad held upright, 820 x 1180 CSS pixels at pixel
# ratio 2.
TABLET = {"name": "tablet, 820 x 1180, pixel ratio 2", "size": (820, 1180), "ratio": 2}

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

# What WebKit's MiniBrowser has no way to hand a driver: its console. A
# script run as the page has loaded records the page's errors, unhandled
# rejections and console warnings and errors from then on; the program must
# not have started before it (the page's progress indication still shown).
CONSOLE_HOOK = """
if (!window.rzConsole) {
  window.rzConsole = [];
  window.rzConsoleLate = !!document.querySelector('#laden') && document.querySelector('#laden').hidden;
  for (const level of ['error', 'warn']) {
    const own = console[level];
    console[level] = function (...parts) {
      window.rzConsole.push([level, parts.map(String).join(' ')]);
      return own.apply(console, parts);
    };
  }
  window.addEventListener('error', e => window.rzConsole.push(['error', String(e.message)]));
  window.addEventListener('unhandledrejection',
    e => window.rzConsole.push(['error', 'Unhandled Promise Rejection: ' + String(e.reason)]));
}
"""

# Every violation of the page's Content Security Policy, as the page learns
# of it, written to the console.
VIOLATIONS = """
document.addEventListener('securitypolicyviolation', e => console.error(
  'Content Security Policy: ' + e.effectiveDirective + ' refused ' + (e.blockedURI || 'inline')));
"""


def _png(data):
    from PIL import Image
    return Image.open(io.BytesIO(data)).convert("RGB")


class _Browser:
    """What every engine's driver gives on top of its _pointer(x, y, click)
    and get_screenshot_as_png()."""

    def click(self, x, y):
        self._pointer(x, y, True)

    def hover(self, x, y):
        self._pointer(x, y, False)

    def screenshot(self):
        return _png(self.get_screenshot_as_png())

    def reloaded(self):
        """The page has loaded itself anew (what it was handed before its
        scripts is there again)."""


class _Hands(_Browser):
    """Keys and the mouse through WebDriver's actions (Selenium)."""

    def keys(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self).send_keys(text).perform()

    def chord(self, modifier, key):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self)
        actions.key_action.key_down(modifier).key_down(key).key_up(key).key_up(modifier)
        actions.perform()

    def _pointer(self, x, y, click):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self)
        actions.pointer_action.move_to_location(round(x), round(y))
        if click:
            actions.pointer_action.click()
        actions.perform()



def _chromium_class():
    from selenium.webdriver.chrome.webdriver import WebDriver

    class Chromium(_Hands, WebDriver):
        engine = "Chromium"
        # What Chromium asks for by itself whatever the flags say: its
        # account, clock, update and optimisation services, and Debian's
        # search engine, which it connects to ahead.
        services = frozenset({"accounts.google.com", "clients2.google.com", "update.googleapis.com",
                              "optimizationguide-pa.googleapis.com", "start.duckduckgo.com"})

        def click(self, x, y):
            # As a hand moves the mouse: onto the key, then the click.
            self.hover(x, y)
            for kind in ("mousePressed", "mouseReleased"):
                self.execute_cdp_cmd("Input.dispatchMouseEvent",
                                     {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})
                time.sleep(0.05)

        def hover(self, x, y):
            self.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})

        def preload(self, script):
            self.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})

        def console(self):
            # The page's and the program's: of its origin, or its scripts'.
            origin = "/".join(self.current_url.split("/")[:3])
            return [(entry["level"], entry["message"]) for entry in self.get_log("browser")
                    if entry["level"] in ("WARNING", "SEVERE")
                    and (origin in entry["message"] or entry["source"] in ("console-api", "javascript"))]

    return Chromium


def _webkit_class():
    from selenium.webdriver.remote.webdriver import WebDriver

    class WebKit(_Hands, WebDriver):
        engine = "WebKitGTK"
        _preloads = ()
        # Shift+Tab reaches the page as the key "Unidentified" (code "Tab"),
        # from the driver and from the X server's keyboard alike, and Qt 6.4
        # does not take it for a Tab.
        shift_tab = False

        def preload(self, script):
            self._preloads += (script,)

        def get(self, url):
            super().get(url)
            self._loaded()

        def refresh(self):
            super().refresh()
            self._loaded()

        def reloaded(self):
            wait("the new page", lambda: self.execute_script(
                "return !window.rzConsole && document.readyState === 'complete';"), 15)
            self._loaded()

        def _loaded(self):
            # WebDriver's navigation has waited for the page's load event;
            # the program starts after it, once its WebAssembly is compiled.
            if self.execute_script(CONSOLE_HOOK + "return window.rzConsoleLate;"):
                raise SetupFailed("WebKit: the program had started before the console could be read")
            for script in self._preloads:
                self.execute_script(script)

        def console(self):
            return [(level.upper(), text) for level, text in
                    self.execute_script("return window.rzConsole ? window.rzConsole.splice(0) : [];")]

    return WebKit


class Firefox(_Browser):
    """Firefox ESR driven over its own WebDriver BiDi."""

    engine = "Firefox ESR"
    # What Firefox asks for by itself whatever the profile says: its remote
    # settings and updates, and those of the video codecs it fetches.
    services = frozenset({"firefox.settings.services.mozilla.com", "aus5.mozilla.org", "update.googleapis.com"})

    def __init__(self, processes, env, profile, setup, headless, proxy=None):
        import websocket
        profile = pathlib.Path(profile)
        profile.mkdir(parents=True, exist_ok=True)
        # A fresh profile that asks nothing at its first start and fetches
        # nothing in the background (what the remote agent does not already
        # turn off); with a proxy, every request goes there, 127.0.0.1's too.
        prefs = {
            "browser.shell.checkDefaultBrowser": False,
            "datareporting.policy.dataSubmissionEnabled": False,
            "toolkit.telemetry.reportingpolicy.firstRun": False,
            "browser.aboutwelcome.enabled": False,
            "app.update.disabledForTesting": True,
        }
        if proxy:
            host, port = proxy.split(":")
            prefs.update({"network.proxy.type": 1, "network.proxy.http": host, "network.proxy.http_port": int(port),
                          "network.proxy.ssl": host, "network.proxy.ssl_port": int(port),
                          "network.proxy.no_proxies_on": "", "network.proxy.allow_hijacking_localhost": True})
        (profile / "user.js").write_text("".join(f'user_pref("{name}", {json.dumps(value)});\n'
                                                 for name, value in prefs.items()), encoding="utf-8")
        args = ["/usr/bin/firefox-esr", "--no-remote", "--profile", str(profile), "--remote-debugging-port", "0"]
        if headless:
            args.append("--headless")
        if "size" in setup:
            args += ["--width", str(setup["size"][0]), "--height", str(setup["size"][1])]
        self.process = processes.start(args + ["about:blank"], env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.PIPE, text=True, errors="replace")
        self.processes = processes
        lines = []
        threading.Thread(target=lambda: [lines.append(line) for line in self.process.stderr], daemon=True).start()
        found = poll(lambda: next((m for line in lines for m in [re.search(r"BiDi listening on (ws://\S+)", line)]
                                   if m), None), "Firefox's WebDriver BiDi", SetupFailed, timeout=60)
        self.socket = websocket.create_connection(found.group(1) + "/session", timeout=60, suppress_origin=True)
        self.id = 0
        self.events = []
        self.capabilities = self.send("session.new", {"capabilities": {"alwaysMatch": {}}})["capabilities"]
        self.context = self.send("browsingContext.getTree", {})["contexts"][0]["context"]
        self.send("session.subscribe", {"events": ["log.entryAdded"]})
        if "size" in setup:
            self.send("browsingContext.setViewport", {
                "context": self.context, "viewport": {"width": setup["size"][0], "height": setup["size"][1]},
                "devicePixelRatio": setup.get("ratio", 1)})

    def send(self, method, params):
        self.id += 1
        self.socket.send(json.dumps({"id": self.id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("type") == "event":
                self.events.append(message)
            elif message.get("id") == self.id:
                if message.get("type") == "error":
                    raise RuntimeError(f"Firefox: {method}: {message.get('error')}: {message.get('message')}")
                return message["result"]

    # -- what Selenium's drivers give

    def get(self, url):
        self.send("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def refresh(self):
        self.send("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def execute_script(self, script, *args):
        result = self.send("script.callFunction", {
            "functionDeclaration": "function () {\n" + script + "\n}",
            "arguments": [_local(arg) for arg in args], "target": {"context": self.context},
            "awaitPromise": False, "resultOwnership": "none"})
        if result["type"] == "exception":
            raise RuntimeError(f"Firefox: script failed: {result['exceptionDetails'].get('text')}")
        return _remote(result["result"])

    @property
    def page_source(self):
        return self.execute_script("return document.documentElement.outerHTML;")

    def get_screenshot_as_png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot", {"context": self.context})["data"])

    def quit(self):
        with contextlib.suppress(Exception):
            self.send("session.end", {})
        with contextlib.suppress(Exception):
            self.socket.close()
        self.processes.end(self.process)

    # -- what the checks add

    def preload(self, script):
        self.send("script.addPreloadScript", {"functionDeclaration": "() => {\n" + script + "\n}"})

    def console(self):
        entries = [event["params"] for event in self.events if event.get("method") == "log.entryAdded"]
        self.events = [event for event in self.events if event.get("method") != "log.entryAdded"]
        return [(entry["level"].upper(), entry.get("text") or "") for entry in entries
                if entry["level"] in ("warn", "error")]

    def _actions(self, *sources):
        self.send("input.performActions", {"context": self.context, "actions": list(sources)})

    def keys(self, text):
        self._actions({"type": "key", "id": "tastatur", "actions": [
            step for key in text for step in ({"type": "keyDown", "value": key}, {"type": "keyUp", "value": key})]})

    def chord(self, modifier, key):
        self._actions({"type": "key", "id": "tastatur", "actions": [
            {"type": "keyDown", "value": modifier}, {"type": "keyDown", "value": key},
            {"type": "keyUp", "value": key}, {"type": "keyUp", "value": modifier}]})

    def _pointer(self, x, y, click):
        steps = [{"type": "pointerMove", "x": round(x), "y": round(y)}]
        if click:
            steps += [{"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        self._actions({"type": "pointer", "id": "maus", "parameters": {"pointerType": "mouse"}, "actions": steps})



def _local(value):
    """A Python value as BiDi hands it to a script."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [_local(item) for item in value]}
    return {"type": "object", "value": [[str(key), _local(item)] for key, item in value.items()]}


def _remote(value):
    """A script's result as BiDi gives it, as a Python value."""
    kind = value.get("type")
    if kind in ("string", "number", "boolean"):
        return value["value"]
    if kind == "array":
        return [_remote(item) for item in value.get("value", [])]
    if kind == "object":
        return {key if isinstance(key, str) else _remote(key): _remote(item) for key, item in value.get("value", [])}
    return None


ENGINES = ("chromium", "firefox", "webkit")


def version(engine):
    """The engine's version, from its Debian package."""
    package = {"chromium": "chromium", "firefox": "firefox-esr", "webkit": "libwebkit2gtk-4.1-0"}[engine]
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True,
                          text=True).stdout.strip()


@contextlib.contextmanager
def browser(engine, setup=PC, env=None, headless=True, proxy=None):
    """The engine's browser in a fresh profile, at the setup's page size and
    pixel ratio; on the display in env, or on one of its own; with a proxy
    (host:port) for every request. Every violation of a page's Content
    Security Policy is a console error. Gone again afterwards, with the
    display."""
    processes = Processes()
    tmp = tempfile.mkdtemp(prefix=f"rz-web-{engine}-")
    driver = None
    try:
        if engine != "chromium" and not (env or {}).get("DISPLAY"):
            env = dict(env or os.environ)
            width, height = setup.get("size", (1024, 768))
            ratio = setup.get("ratio", 1)
            start_display(processes, env, (width * ratio + 200, height * ratio + 200))
        if engine == "chromium":
            driver = chromium(pathlib.Path(tmp) / "profile", setup, headless, env, _chromium_class(), proxy)
        elif engine == "firefox":
            driver = Firefox(processes, env, pathlib.Path(tmp) / "profile", setup, headless, proxy)
        else:
            driver = _webkit(env, setup, pathlib.Path(tmp), proxy)
        driver.preload(VIOLATIONS)
        yield driver
    finally:
        if driver:
            with contextlib.suppress(Exception):
                driver.quit()
        processes.end_all()
        shutil.rmtree(tmp, ignore_errors=True)


def _webkit(env, setup, tmp, proxy):
    from selenium.webdriver import WebKitGTKOptions
    from selenium.webdriver.webkitgtk.service import Service
    env = dict(env)
    # GTK's scale is the page's pixel ratio.
    env["GDK_SCALE"] = str(setup.get("ratio", 1))
    env["HOME"] = str(tmp)
    options = WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    if proxy:
        options.add_argument(f"--proxy=http://{proxy}")
    service = Service("/usr/bin/WebKitWebDriver", log_path=str(tmp / "webkitwebdriver.log"), env=env)
    service.start()
    try:
        driver = _webkit_class()(command_executor=service.service_url, options=options)
    except Exception as error:
        service.stop()
        raise SetupFailed(f"WebKitGTK did not start: {error}")
    driver.service = service
    quit_driver = driver.quit

    def quit():
        try:
            quit_driver()
        finally:
            service.stop()
    driver.quit = quit
    if "size" in setup:
        # The window's size such that the page has the setup's size.
        width, height = setup["size"]
        driver.set_window_rect(0, 0, width, height)
        inner = driver.execute_script("return [window.innerWidth, window.innerHeight];")
        driver.set_window_rect(0, 0, 2 * width - inner[0], 2 * height - inner[1])
        wait(f"WebKit's page at {width} x {height}", lambda: driver.execute_script(
            "return [window.innerWidth, window.innerHeight];") == [width, height], 10)
    return driver
