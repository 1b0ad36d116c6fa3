#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser version as a pupil gets it, in Debian's Chromium, Firefox ESR
and WebKitGTK (./dev web-test runs each part as a check of its own).

1. The zip: what a school puts on its server is all there, the handbook
   too; the manifest's start address, served from a folder of its own as
   on a school's server, is the game's page on the same origin, without a
   redirect; where the browser cannot run the game (no WebAssembly, no
   WebGL, the page opened from a folder), the page says why; a new version
   in the old one's place replaces it in the browser, whole, and then,
   without a network, the handbook opens and each of its links leads to
   its place.
2. The tests built for the browser (the numeral engine's, the layout's with
   the fonts the browser version brings), each run in a page of its own;
   Qt Test's counts are read from the console.
3. The packed game, served from 127.0.0.1, at a PC's page size and at a
   phone's (390 x 844 CSS pixels, pixel ratio 3), each in a fresh browser
   profile: the first frame and the fit of the window (on the PC also
   after the browser window is turned and back); a right answer typed
   on the keyboard; wrong answers on the on-screen keys with the mouse and
   by touch; verdicts and points; the lost state; the game-over window in
   front at its own size; a new game from it, on the keyboard (Tab, Shift+
   Tab, Return) or tapped; on the PC three more games lost in a row on the
   keyboard alone, each game-over window taking Return; "Ende" and the page
   after it; then, with the server stopped, the game started again from the
   page's button. The same game, with the mouse and the keyboard, in Firefox
   at the PC's page size, and in WebKit at the PC's and at a tablet's
   (820 x 1180 CSS pixels, pixel ratio 2).
4. The game's edges: the outermost columns and rows of device pixels of the
   game's box show the window's background wherever the layout puts no
   control, at pixel ratios 1, 2 and 3 (and in every game above): no line
   left unpainted.
5. A teacher's link, index.html?bis=20: the page says the range above the
   game, which still fits the page; a game lost and a new one, every number
   asked within 0 to 20; an address whose range cannot be used (not a whole
   number, out of 0 to 3999, von above bis) says which value in German and
   the game starts with the whole range; the whole range says nothing.
   A class's link with the direction (?von=1&bis=20&richtung=roemisch-
   arabisch) asks Roman numerals first, in a lost game and in the new one;
   a wrong direction is named and the game starts as always.
6. The teachers' page: a range the game cannot use is refused in the
   game's words and gives no link; a class's range and direction give the
   link, whose QR code zbarimg reads from a screenshot as that link, and
   the link plays as in 5.

Everything the game says is read where a screen reader finds it: in the
page's live region. A script the browser runs before the page's own records
every paragraph added to it, in order; after each step the check waits for
the expected German message, and, while it is the newest, asks the
browser's accessibility tree (in Chromium, over the DevTools protocol; in
the other engines the page's markup) that the region is a polite status
holding it. The canvas must be named after the active
window and described by the page's help on the keys; the solution of an
open exercise must be nowhere in the page's markup or accessibility tree.
Nothing about the page is changed. Any console warning or error of the page
or the program fails the check.

The check's server is every browser's proxy, for every host (127.0.0.1
too): it serves the page's origin and refuses and notes anything else. At
the end of each part the page must have asked for nothing elsewhere (what
the browser asks of its own services is the browser's), no violation of
the page's Content Security Policy may have reached the console (a
listener in the page writes each there), and the service worker's cache
must hold the page's own files alone.

usage: play.py BUILD-WEB-FOLDER zip|refusals|update|tests|pc|phone|edges|firefox_pc|webkit_pc|webkit_tablet|range|teachers
"""

import contextlib
import gzip
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request
import zipfile

from PIL import Image, ImageChops, ImageStat
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit import CheckFailed, SetupFailed, facts  # noqa: E402
from rzkit.browser import PC, PHONE, Console, Server, first_frame, sent_nowhere_else, the_zip, unpack, wait  # noqa: E402
from rzkit.engines import TABLET, browser, version  # noqa: E402
from rzkit.roman import from_roman, occurrences, roman, wrong_letter  # noqa: E402

# The windows as the program lays them out: the exercise window's client
# area, its on-screen keys by caption, and the game-over window's place
# relative to it (all in twips, 15 to a pixel).
EXERCISE = facts.exercise()
GAME_OVER_WINDOW = facts.game_over()
WINDOW = EXERCISE.place[2:]
GAME_OVER = (GAME_OVER_WINDOW.place[0] - EXERCISE.place[0], GAME_OVER_WINDOW.place[1] - EXERCISE.place[1],
             *GAME_OVER_WINDOW.place[2:])
EXERCISE_NAME = EXERCISE.name
GAME_OVER_NAME = GAME_OVER_WINDOW.name


def text(key, *parts):
    """A message of the game, as a pattern that matches it alone."""
    return re.escape(facts.say(key, *parts))


NEW_NUMBER = text("newNumber", "NUMBER").replace("NUMBER", r"(\d+)")

# Handed in before the page's own scripts run (in WebKit, as the page has
# loaded, before the program starts): every paragraph added to the page's
# live region (what a screen reader is given to speak), in order, is
# collected in window.rzSaid.
LISTEN = """
window.rzSaid = [];
function rzListen() {
  const region = document.getElementById("mitteilung");
  // Only the game's page has the region (not the teachers' page).
  if (!region)
    return;
  new MutationObserver(function (records) {
    for (const record of records)
      for (const node of record.addedNodes)
        window.rzSaid.push(node.textContent);
  }).observe(region, { childList: true });
}
if (document.getElementById("mitteilung"))
  rzListen();
else
  document.addEventListener("DOMContentLoaded", rzListen);
"""


@contextlib.contextmanager
def session(folder, setup, engine="chromium"):
    """A server for the folder and a fresh browser of the engine that
    listens to the page's live region, with the server as its proxy for
    every host: at the end, the page must have sent nothing elsewhere."""
    server = Server(folder)
    try:
        with browser(engine, setup, proxy=server.proxy) as driver:
            driver.preload(LISTEN)
            yield server, driver
            sent_nowhere_else(server, driver)
    finally:
        server.stop()


# -- the zip ----------------------------------------------------------------

def check_zip(zip_path, into):
    site = unpack(zip_path, into)
    with zipfile.ZipFile(zip_path) as archive:
        names = archive.namelist()
    needed = ["index.html", "roemische-zahlen.js", "roemische-zahlen.wasm", "sw.js", "manifest.webmanifest",
              "icon.svg", "icon-192.png", "icon-512.png", "LIESMICH.txt", "Lizenzen/GPL-3.0-or-later.txt",
              "Lizenzen/OFL-1.1.txt", "Lizenzen/Qt/LGPL-3.0-only.txt", "Lizenzen/Qt/GPL-3.0-only.txt",
              "roemische-zahlen.wasm.gz", "roemische-zahlen.js.gz", "index.html.gz",
              "lehrkraefte.html", "qrcode.js", "Lizenzen/qrcode-generator.txt", "Handbuch.html"]
    if shutil.which("brotli"):
        needed += ["roemische-zahlen.wasm.br", "roemische-zahlen.js.br"]
    missing = [name for name in needed if not (site / name).is_file()]
    if missing:
        raise CheckFailed(f"missing in the zip: {missing}")
    # The precompressed copies unpack to the very files beside them.
    for packed in sorted(site.glob("*.gz")) + (sorted(site.glob("*.br")) if shutil.which("brotli") else []):
        unpacked = (gzip.decompress(packed.read_bytes()) if packed.suffix == ".gz" else
                    subprocess.run(["brotli", "-dc", str(packed)], check=True, capture_output=True).stdout)
        if unpacked != packed.with_suffix("").read_bytes():
            raise CheckFailed(f"{packed.name} is not {packed.stem} compressed")
    if not list(site.glob("roemische-zahlen-*-quelltext.zip")):
        raise CheckFailed("the zip lacks the game's source")
    manifest = json.loads((site / "manifest.webmanifest").read_text(encoding="utf-8"))
    if manifest.get("name") != "Römische Zahlen" or manifest.get("lang") != "de" \
            or manifest.get("display") != "standalone":
        raise CheckFailed(f"the manifest is not the game's: {manifest}")
    for icon in manifest["icons"]:
        if icon["type"] == "image/png":
            side = int(icon["sizes"].split("x")[0])
            if Image.open(site / icon["src"]).size != (side, side):
                raise CheckFailed(f"{icon['src']} is not {icon['sizes']}")
    page = (site / "index.html").read_text(encoding="utf-8")
    if '<html lang="de">' not in page or "<title>Römische Zahlen</title>" not in page:
        raise CheckFailed("index.html is not the game's German page")
    # What whoever puts the folder on a server must know, in the handbook
    # beside it.
    handbook = (site / "Handbuch.html").read_text(encoding="utf-8")
    for needed_text in ("application/wasm", "https://", "file://", "localhost"):
        if needed_text not in handbook:
            raise CheckFailed(f"Handbuch.html does not mention {needed_text}")
    sizes = {name: (site / name).stat().st_size for name in ("roemische-zahlen.wasm", "roemische-zahlen.wasm.gz")}
    print(f"   the zip: {len(names)} entries; roemische-zahlen.wasm {sizes['roemische-zahlen.wasm']:,} bytes, "
          f"gzip {sizes['roemische-zahlen.wasm.gz']:,}")
    return site


def check_start(site):
    """The manifest's start address, as a home screen or a school's managed
    install opens it, with the folder served as a school's server serves it
    (in a folder of its own): on the page's origin, answered as it is (200,
    no redirect) with the game's page; and an id of its own that does not
    change with the start address."""
    manifest = json.loads((site / "manifest.webmanifest").read_text(encoding="utf-8"))
    server = Server(site.parent)
    try:
        start = urllib.parse.urljoin(f"{server.url}{site.name}/manifest.webmanifest", manifest["start_url"])
        if "id" not in manifest:
            raise CheckFailed("the manifest has no id")
        # A browser resolves the id against the start address's origin: the
        # origin itself would be the id of any app at its root as well.
        ident = urllib.parse.urljoin(server.url, manifest["id"])
        if ident == server.url:
            raise CheckFailed(f"the manifest's id {manifest['id']!r} names the origin, not the game")
        if not ident.startswith(server.url) or not start.startswith(server.url):
            raise CheckFailed(f"the manifest's start address {start} or id {ident} is not on the page's origin")
        try:
            with urllib.request.urlopen(start) as answer:
                page, status, reached = answer.read().decode(), answer.status, answer.url
        except urllib.error.HTTPError as error:
            page, status, reached = "", error.code, error.url
    finally:
        server.stop()
    if reached != start:
        raise CheckFailed(f"the start address {start} is redirected to {reached}")
    if status != 200 or "<title>Römische Zahlen</title>" not in page:
        raise CheckFailed(f"the start address {start} gives {status}, not the game's page")
    print(f"   the manifest's start address {start}: 200, no redirect, the game's page; its id {ident}")


def controlled(driver):
    wait("the service worker", lambda: driver.execute_script("return !!navigator.serviceWorker.controller;"), 30)


# -- what a screen reader finds in the page ------------------------------------

def _value(node, key):
    return (node.get(key) or {}).get("value", "")


def accessible(driver, selector):
    """The element's node in the browser's accessibility tree, with the tree's
    nodes by id."""
    root = driver.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
    found = driver.execute_cdp_cmd("DOM.querySelector", {"nodeId": root, "selector": selector})["nodeId"]
    if not found:
        return None, {}
    backend = driver.execute_cdp_cmd("DOM.describeNode", {"nodeId": found})["node"]["backendNodeId"]
    by_id = accessibility_tree(driver)
    return next((node for node in by_id.values() if node.get("backendDOMNodeId") == backend), None), by_id


def accessibility_tree(driver):
    """The nodes of the page's accessibility tree, by id."""
    return {node["nodeId"]: node for node in driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]}


def _text(node, by_id):
    if _value(node, "role") == "StaticText":
        return _value(node, "name")
    return "".join(_text(by_id[child], by_id) for child in node.get("childIds", []) if child in by_id)


def _devtools(driver):
    return hasattr(driver, "execute_cdp_cmd")


def live_region(driver):
    """The live region as a screen reader is given it: role, politeness and text."""
    if not _devtools(driver):
        return tuple(driver.execute_script(
            "const r = document.getElementById('mitteilung');"
            "return [r.getAttribute('role'), r.getAttribute('aria-live'), r.textContent];"))
    node, by_id = accessible(driver, "#mitteilung")
    if not node or node.get("ignored"):
        return None
    properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
    return _value(node, "role"), properties.get("live"), _text(node, by_id)


def canvas_named(driver, name):
    """The canvas as a screen reader finds it: an application named after the
    active window, described by the page's help on the keys."""
    if not _devtools(driver):
        return driver.execute_script(
            "const c = document.querySelector('#spiel canvas');"
            "const help = c && document.getElementById(c.getAttribute('aria-describedby'));"
            "return !!c && c.getAttribute('role') === 'application' && c.getAttribute('aria-label') === arguments[0]"
            " && !!help && help.textContent.includes('Tastatur');", name)
    node, _ = accessible(driver, "#spiel canvas")
    return bool(node) and _value(node, "role") == "application" and _value(node, "name") == name \
        and "Tastatur" in _value(node, "description")


def page_text(driver):
    """All a screen reader or a script could read of the page: its markup and
    every name, description and value in its accessibility tree."""
    parts = [driver.execute_script("return document.documentElement.outerHTML;")]
    for node in (accessibility_tree(driver).values() if _devtools(driver) else ()):
        parts += [str(_value(node, key)) for key in ("name", "description", "value")]
    return "\n".join(parts)



class Game:
    def __init__(self, driver, console, touch):
        self.driver = driver
        self.console = console
        self.touch = touch
        self.heard = 0
        # Messages found in the live region of the accessibility tree, times
        # the open exercise's solution was looked for in the page, and the
        # region's last paragraph; shared by the players of one game.
        self.counts = {"spoken": 0, "concealed": 0, "last": None}
        self.before = ""    # the page before the first exercise

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def canvas(self):
        return self.js("const c = document.querySelector('#spiel canvas');"
                       "if (!c) return null; const r = c.getBoundingClientRect();"
                       "return {x: r.left, y: r.top, w: r.width, h: r.height, pw: c.width, ph: c.height,"
                       " dpr: window.devicePixelRatio, vw: document.documentElement.clientWidth,"
                       " vh: document.documentElement.clientHeight,"
                       " line: (b => ({height: b.height, bottom: b.bottom}))"
                       "(document.getElementById('bereich').getBoundingClientRect())};")

    def first_frame(self):
        return first_frame(self.driver)

    def said(self, pattern, what):
        """Waits for the next message of the game, which must match; while it
        is the last one, the live region must give it to a screen reader."""
        texts = wait(what, lambda: (self.console.read(), self.js("return window.rzSaid;"))[1][self.heard:] or None)
        self.heard += 1
        # A message said twice in a row ends in a no-break space the second
        # time, so that the region changes (and the screen reader speaks).
        raw = texts[0]
        text = raw.rstrip("\u00a0")
        match = re.fullmatch(pattern, text)
        if not match:
            raise CheckFailed(f"{what}: the game said {text!r}")
        if raw == self.counts["last"]:
            raise CheckFailed(f"{what}: the live region got {raw!r} again, unchanged")
        self.counts["last"] = raw
        region = wait(f"{what}: {text!r} in the live region", lambda: (
            live_region(self.driver) == ("status", "polite", raw)
            or len(self.js("return window.rzSaid;")) > self.heard) and live_region(self.driver), 5)
        if region[2] == raw:
            self.counts["spoken"] += 1
        return match

    def conceals(self, solution, what):
        """The open exercise's solution is nowhere in the page: no more often
        than before the first exercise (where the page's help names the
        letters). The empty answer of 0 gives nothing to look for."""
        if not solution:
            return
        if occurrences(solution, page_text(self.driver)) > occurrences(solution, self.before):
            raise CheckFailed(f"{what}: the solution {solution} is in the page")
        self.counts["concealed"] += 1

    def lose_on_keyboard(self, game):
        """A game from 50 points lost with three wrong answers typed on the
        keyboard; Return opens the game-over window, which must become the
        active window (said and named so), and Return there starts a new
        game."""
        points = 50
        while points >= 0:
            self.keys(Keys.RETURN)
            number = int(self.said(NEW_NUMBER, f"a number in game {game}").group(1))
            wrong = wrong_letter(number)
            self.keys(wrong.lower())
            self.said(text("answer", wrong), f"a wrong key in game {game}")
            self.keys(Keys.RETURN)
            points -= 25
            self.said(re.escape(facts.verdict(roman(number), points, lost=points < 0)),
                      f"a wrong answer in game {game}")
        self.keys(Keys.RETURN)
        self.said(re.escape(GAME_OVER_WINDOW.said), f"the game-over window after lost game {game}")
        self.named(GAME_OVER_NAME)
        self.keys(Keys.RETURN)
        self.said(re.escape(EXERCISE.said), f"the new game after lost game {game}")
        self.named(EXERCISE_NAME)

    def named(self, name):
        wait(f"the canvas named {name!r}", lambda: canvas_named(self.driver, name), 10)

    def quiet(self):
        time.sleep(0.3)
        extra = self.js("return window.rzSaid;")[self.heard:]
        if extra:
            raise CheckFailed(f"the game said more than expected: {extra}")

    def keys(self, text):
        self.driver.keys(text)

    def point(self, control, window=(0, 0)):
        c = self.canvas()
        scale = c["w"] / (WINDOW[0] / 15)
        left, top, width, height = control
        return (c["x"] + (window[0] + left + width / 2) / 15 * scale,
                c["y"] + (window[1] + top + height / 2) / 15 * scale)

    def press(self, name, game_over=False):
        """A press of an on-screen key, in the exercise window or the
        game-over window: a click, or a tap on a touch screen."""
        x, y = (self.point(GAME_OVER_WINDOW.place_of(name), GAME_OVER[:2]) if game_over
                else self.point(EXERCISE.place_of(name)))
        if self.touch:
            for kind in ("touchStart", "touchEnd"):
                points = [{"x": x, "y": y}] if kind == "touchStart" else []
                self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
                time.sleep(0.05)
        else:
            self.driver.click(x, y)

    def hover(self, x, y):
        self.driver.hover(x, y)

    def screenshot(self):
        return self.driver.screenshot()

    def picture(self):
        """The game's box alone, two device pixels in from its edges."""
        c = self.canvas()
        shot = self.screenshot()
        dpr = shot.width / c["vw"]
        return shot.crop((round(c["x"] * dpr) + 2, round(c["y"] * dpr) + 2,
                          round((c["x"] + c["w"]) * dpr) - 2, round((c["y"] + c["h"]) * dpr) - 2))


# How far apart two pictures of the same screen at different scales may lie:
# the mean difference of their channels, of 255, once scaled to one size.
UNLIKE = 8.0


def unlike(first, second):
    second = second.resize(first.size, Image.LANCZOS)
    return sum(ImageStat.Stat(ImageChops.difference(first, second)).mean) / 3


def check_fit(game):
    c = game.canvas()
    if not c:
        raise CheckFailed("no canvas in the page")
    # Below the range's line, where the page shows one.
    scale = min(c["vw"] / (WINDOW[0] / 15), (c["vh"] - c["line"]["height"]) / (WINDOW[1] / 15))
    expected = (int(WINDOW[0] / 15 * scale), int(WINDOW[1] / 15 * scale))
    if abs(c["w"] - expected[0]) > 1 or abs(c["h"] - expected[1]) > 1:
        raise CheckFailed(f"the game is {c['w']} x {c['h']} CSS pixels in a page of {c['vw']} x {c['vh']}, "
                          f"not the largest fit {expected[0]} x {expected[1]}")
    if c["x"] < 0 or c["y"] < c["line"]["bottom"] - 0.5 or c["x"] + c["w"] > c["vw"] + 0.5 or c["y"] + c["h"] > c["vh"] + 0.5:
        raise CheckFailed("the game does not lie within the page")
    if abs(c["pw"] - c["w"] * c["dpr"]) > 2 or abs(c["ph"] - c["h"] * c["dpr"]) > 2:
        raise CheckFailed(f"drawn at {c['pw']} x {c['ph']} device pixels, not at the pixel ratio {c['dpr']}")
    return c, scale


def check_edges(game):
    """The game's box is the window's to its very edge: where the layout puts
    no control within a pixel of it, the outermost columns and rows of
    device pixels show the window's background (the colour most of the box
    shows), not a line the window left unpainted."""
    c = game.canvas()
    shot = game.screenshot()
    dpr = shot.width / c["vw"]
    left, top = round(c["x"] * dpr), round(c["y"] * dpr)
    width, height = min(c["pw"], shot.width - left), min(c["ph"], shot.height - top)
    box = shot.crop((left, top, left + width, top + height))
    background = max(box.getcolors(width * height), key=lambda counted: counted[0])[1]
    unit = width / (WINDOW[0] / 15)     # device pixels to a pixel of the layout
    controls = [tuple(control[k] / 15 * unit for k in ("left", "top", "width", "height"))
                for control in EXERCISE.facts["controls"] if control["shown"]]

    def free(x, y):
        return not any(x0 - unit <= x <= x0 + w + unit and y0 - unit <= y <= y0 + h + unit
                       for x0, y0, w, h in controls)
    lines = {"left column": [(0, y) for y in range(height)], "right column": [(width - 1, y) for y in range(height)],
             "top row": [(x, 0) for x in range(width)], "bottom row": [(x, height - 1) for x in range(width)]}
    for name, pixels in lines.items():
        free_pixels = [p for p in pixels if free(*p)]
        off = [p for p in free_pixels if max(abs(a - b) for a, b in zip(box.getpixel(p), background)) > 12]
        if off:
            raise CheckFailed(f"at pixel ratio {dpr:g} the game's {name} of device pixels is not the window's "
                              f"background {background} in {len(off)} of {len(free_pixels)} places "
                              f"(the first {off[0]}: {box.getpixel(off[0])})")
    # Nor a line of the window's background inside a text box's frame: from
    # outside in, across each side at its middle, through the frame and a
    # device pixel beyond it.
    for control in EXERCISE.facts["controls"]:
        if control["kind"] != "text" or not control["shown"]:
            continue
        x0, y0, w, h = (control[k] / 15 * unit for k in ("left", "top", "width", "height"))
        middle_x, middle_y = int(x0 + w / 2), int(y0 + h / 2)
        depth = range(-1, int(unit) + 3)
        sides = {"left": [(int(x0) + d, middle_y) for d in depth],
                 "right": [(int(x0 + w) - 1 - d, middle_y) for d in depth],
                 "top": [(middle_x, int(y0) + d) for d in depth],
                 "bottom": [(middle_x, int(y0 + h) - 1 - d) for d in depth]}
        for side, pixels in sides.items():
            colours = [box.getpixel(p) for p in pixels if 0 <= p[0] < width and 0 <= p[1] < height]
            framed = [i for i, colour in enumerate(colours) if max(colour) < 100]
            if framed and any(max(abs(a - b) for a, b in zip(colour, background)) <= 12
                              for colour in colours[framed[0]:]):
                raise CheckFailed(f"at pixel ratio {dpr:g} a line of the window's background lies inside the "
                                  f"{side} side of the frame of the box {control['layoutName']}: {colours}")
    print(f"   the edges at pixel ratio {dpr:g}: the window's background {background} to the last device pixel "
          f"of a {width} x {height} box, none inside the text boxes' frames")


def edges(site):
    """At a tablet's page size, at pixel ratios 1, 2 and 3 (in Chromium,
    which sets the ratio of a page of its own)."""
    for ratio in (1, 2, 3):
        with session(site, dict(TABLET, ratio=ratio)) as (server, driver):
            console = Console(driver)
            driver.get(server.url)
            game = Game(driver, console, touch=False)
            game.first_frame()
            time.sleep(0.5)
            check_fit(game)
            check_edges(game)
            console.read()


def check_game_over_window(game, canvas, scale):
    """The game-over window stands in front, at its own size: what is not
    the dark screen behind it is its frame and client area, at the place its
    layout gives it relative to the exercise window."""
    shot = game.screenshot()
    dpr = shot.width / canvas["vw"]
    box_left, box_top = canvas["x"] * dpr, canvas["y"] * dpr
    width, height = int(canvas["w"] * dpr), int(canvas["h"] * dpr)
    dark = (51, 51, 51)
    xs, ys = [], []
    # Two device pixels in from the edges: the game's box may start at half
    # a pixel, where the page's own background shows through.
    for y in range(2, height - 2, 2):
        for x in range(2, width - 2, 2):
            pixel = shot.getpixel((int(box_left + x), int(box_top + y)))
            if max(abs(a - b) for a, b in zip(pixel, dark)) > 8:
                xs.append(x)
                ys.append(y)
    if not xs:
        raise CheckFailed("nothing is drawn where the game-over window should be")
    found = (min(xs), min(ys), max(xs), max(ys))
    unit = scale * dpr / 15
    client = (GAME_OVER[0] * unit, GAME_OVER[1] * unit, (GAME_OVER[0] + GAME_OVER[2]) * unit,
              (GAME_OVER[1] + GAME_OVER[3]) * unit)
    # Around the client area its frame: a thin border, and the title bar
    # above it (in CSS pixels: left, top, right, bottom).
    margins = ((client[0] - found[0]) / dpr, (client[1] - found[1]) / dpr,
               (found[2] - client[2]) / dpr, (found[3] - client[3]) / dpr)
    if not (all(-1 <= margin <= 6 for margin in margins[0::2] + margins[3:]) and 12 <= margins[1] <= 40):
        raise CheckFailed(f"the game-over window covers {found} device pixels of the game's screen, "
                          f"its client area should be {tuple(round(v) for v in client)} within a frame")
    return found


def play(site, setup, engine="chromium"):
    touch_screen = "mobile" in setup
    with session(site, setup, engine) as (server, driver):
        console = Console(driver)
        print(f"   {driver.engine} {version(engine)}")
        driver.get(server.url)
        mouse = Game(driver, console, touch=False)
        first = mouse.first_frame()
        canvas, scale = check_fit(mouse)
        console.read()
        if not mouse.js("return document.getElementById('laden').hidden;"):
            raise CheckFailed("the progress indication is still shown after the first frame")
        print(f"   first frame {first:.0f} ms after navigation; the game {canvas['w']:.0f} x {canvas['h']:.0f} "
              f"CSS pixels (scale {scale:.3f}) at pixel ratio {canvas['dpr']:g}")
        check_edges(mouse)
        if "size" in setup and _devtools(driver):
            # The browser window turned, as a tablet's, and back: the game
            # fits anew each time and is drawn whole at its new scale, as
            # it was before (compared at the size of the first picture).
            before = mouse.picture()
            for width, height in (setup["size"][::-1], setup["size"]):
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                       {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
                turned, turned_scale = wait(f"the game fitted to {width} x {height}",
                                            lambda: _try(check_fit, mouse), 10)
                # The pointer onto "Ende" and off again: the button alone is
                # painted anew, and with it the backing store at the scale.
                mouse.hover(*mouse.point(EXERCISE.place_of("Ende")))
                time.sleep(0.2)
                mouse.hover(turned["x"] + 4, turned["y"] + turned["h"] - 4)
                time.sleep(0.5)
                difference = unlike(before, mouse.picture())
                print(f"   turned to {width} x {height}: the game {turned['w']:.0f} x {turned['h']:.0f} "
                      f"CSS pixels (scale {turned_scale:.3f}), {difference:.1f} from the first picture")
                if difference > UNLIKE:
                    raise CheckFailed(f"at {width} x {height} the game is not drawn as before: "
                                      f"{difference:.1f} of 255 apart on average")
            canvas, scale = turned, turned_scale

        # The canvas named for a screen reader; the page as it is before the
        # first exercise.
        mouse.named(EXERCISE_NAME)
        mouse.before = page_text(driver)

        # Keyboard: Return asks a number; the right answer typed in lower case.
        mouse.js("document.querySelector('#spiel canvas').focus();")
        mouse.keys(Keys.RETURN)
        number = int(mouse.said(NEW_NUMBER, "a number asked by Return").group(1))
        answer = roman(number)
        mouse.conceals(answer, "a number asked")
        for _ in range(2):
            mouse.keys(Keys.BACKSPACE)
            mouse.said(text("answer", facts.say("empty")), "Backspace on an empty answer")
        for i, letter in enumerate(answer.lower()):
            mouse.keys(letter)
            mouse.said(text("answer", answer[:i + 1]), f"the answer after key {letter}")
        mouse.keys(Keys.RETURN)
        mouse.said(text("right", 60), f"the verdict on {answer} for {number}")

        # On-screen keys, with the mouse and by touch: wrong answers.
        points = 60
        tapping = Game(driver, console, touch=True)
        tapping.heard, tapping.counts, tapping.before = mouse.heard, mouse.counts, mouse.before
        # A touch screen where the engine can be given one (Chromium).
        for player in ((mouse, tapping) if _devtools(driver) else (mouse, mouse)):
            player.press("Neue Zahl")
            number = int(player.said(NEW_NUMBER, "a number asked on the screen").group(1))
            wrong = wrong_letter(number)
            player.press(wrong)
            player.said(text("answer", wrong), "the answer after an on-screen key")
            player.conceals(roman(number), "a wrong answer not yet judged")
            player.press("OK")
            points -= 25
            player.said(re.escape(facts.verdict(roman(number), points)), "the verdict on a wrong answer")
            mouse.heard = tapping.heard = player.heard
        player = tapping if touch_screen else mouse
        player.press("Neue Zahl")
        number = int(player.said(NEW_NUMBER, "the last number").group(1))
        if number == 0:  # where an empty answer would be right
            player.press("I")
            player.said(text("answer", "I"), "the answer after an on-screen key")
        player.press("OK")
        points -= 25
        player.said(re.escape(facts.verdict(roman(number), points, lost=True)), "the lost game")
        mouse.heard = player.heard
        mouse.keys("x")
        mouse.said(text("lostKey"), "a key once the game is lost")
        player.heard = mouse.heard

        # Return presses "VERLOREN !!!": the game-over window, in front, said
        # and named as a screen reader finds a dialog.
        mouse.keys(Keys.RETURN)
        mouse.said(re.escape(GAME_OVER_WINDOW.said), "the game-over window")
        mouse.named(GAME_OVER_NAME)
        found = wait("the game-over window", lambda: _try(check_game_over_window, mouse, canvas, scale), 15)
        print(f"   the game-over window in front at device pixels {found}")
        # A new game with 50 points: on the keyboard, Tab to "Ende" and back,
        # Return; on the phone, "Neues Spiel" tapped. Return then asks a number.
        if touch_screen:
            player.press("Neues Spiel", game_over=True)
        else:
            mouse.keys(Keys.TAB)
            mouse.said(re.escape(GAME_OVER_WINDOW.control("Ende")["said"]), "Tab in the game-over window")
            if getattr(driver, "shift_tab", True):
                driver.chord(Keys.SHIFT, Keys.TAB)
                mouse.said(re.escape(GAME_OVER_WINDOW.control("Neues Spiel")["said"]),
                           "Shift+Tab in the game-over window")
            else:
                print(f"   (no Shift+Tab in {driver.engine}: Tab again, round to the first button)")
                mouse.keys(Keys.TAB)
                mouse.said(re.escape(GAME_OVER_WINDOW.control("Neues Spiel")["said"]), "Tab round in the game-over window")
            mouse.keys(Keys.RETURN)
        mouse.heard = player.heard = max(mouse.heard, player.heard)
        mouse.said(re.escape(EXERCISE.said), "the exercise window again")
        mouse.named(EXERCISE_NAME)
        wait("the game-over window gone", lambda: not _try(check_game_over_window, mouse, canvas, scale), 10)
        if not touch_screen:
            # Three more games lost in a row on the keyboard alone: the
            # game-over window takes the keys every time it opens.
            for game in range(2, 5):
                mouse.lose_on_keyboard(game)
            print("   three more games lost on the keyboard alone, each game-over window active, "
                  "each new game started by Return")
        mouse.keys(Keys.RETURN)
        number = int(mouse.said(NEW_NUMBER, "a number in the new game").group(1))
        mouse.conceals(roman(number), "a number in the new game")
        mouse.keys(roman(number))
        mouse.heard += len(roman(number))
        mouse.keys(Keys.RETURN)
        mouse.said(text("right", 60), "a right answer in the new game, from 50 points")
        print(f"   the live region: {mouse.heard} messages in order, {mouse.counts['spoken']} of them read "
              f"from the {'accessibility tree' if _devtools(driver) else 'markup'}; "
              f"the canvas named for the exercise and the game-over window; "
              f"the open solution looked for in the page {mouse.counts['concealed']} times, never found")

        # "Ende": the page says the game has ended and offers a new one.
        player.press("Ende")
        wait("the page after Ende", lambda: mouse.js(
            "return document.getElementById('spiel').hidden && !document.getElementById('ende').hidden"
            " && document.activeElement === document.getElementById('neu');"), 10)
        if "beendet" not in mouse.js("return document.getElementById('ende').innerText;"):
            raise CheckFailed("the page after Ende does not say that the game has ended")

        # Without a network: the service worker starts the game again.
        controlled(driver)
        server.disconnect()
        mouse.js("document.getElementById('neu').click();")
        driver.reloaded()
        wait("the page reloaded", lambda: mouse.js("return window.rzSaid && window.rzSaid.length === 0;"), 15)
        mouse.heard = 0
        mouse.first_frame()
        mouse.js("document.querySelector('#spiel canvas').focus();")
        mouse.keys(Keys.RETURN)
        mouse.said(NEW_NUMBER, "a number asked after the reload without a network")
        console.read()
        print("   offline: the game started again from the service worker's cache")


def _try(check, *args):
    try:
        return check(*args)
    except CheckFailed:
        return None


# -- where the game cannot run ------------------------------------------------

# A browser without WebAssembly, one without WebGL (both made so by a script
# run before the page's own), and the page opened from a folder: each must
# say why in German, never show a blank page.
REFUSALS = [
    ("no WebAssembly", "delete window.WebAssembly;", "http", "kein WebAssembly"),
    ("no WebGL", "const get = HTMLCanvasElement.prototype.getContext;"
                 "HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {"
                 "  return /webgl/.test(kind) ? null : get.call(this, kind, ...rest); };",
     "http", "WebGL fehlt"),
    ("opened from a folder", "", "file", "von einem Webserver geladen werden"),
]


def check_refusals(site):
    with session(site, PC) as (server, driver):
        for name, script, scheme, sentence in REFUSALS:
            added = None
            if script:
                added = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})
            driver.get(server.url if scheme == "http" else (site / "index.html").resolve().as_uri())
            shown = wait(f"the page's sentence, {name}", lambda: driver.execute_script(
                "const f = document.getElementById('fehler');"
                "return !f.hidden && document.getElementById('spiel').hidden"
                " && document.getElementById('laden').hidden && f.innerText;"), 10)
            if sentence not in shown:
                raise CheckFailed(f"{name}: the page says {shown!r}")
            print(f"   {name}: {shown.strip()}")
            if added:
                driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                       {"identifier": added["identifier"]})


# -- a new version -------------------------------------------------------------

def check_update(site):
    """A new version put in the old one's place: a visit fetches it in the
    background, in a cache of its own, which replaces the old one; the next
    visit shows it, made of its own files only."""
    caches = "const done = arguments[0]; caches.keys().then(done);"
    with tempfile.TemporaryDirectory(prefix="rz-web-update-") as folder:
        copy = shutil.copytree(site, pathlib.Path(folder) / "site")
        with session(copy, PC) as (server, driver):
            driver.get(server.url)
            controlled(driver)
            old = driver.execute_async_script(caches)
            worker = (copy / "sw.js").read_text(encoding="utf-8")
            build = re.search(r'const CACHE = "(roemische-zahlen-[0-9a-f]+)";', worker).group(1)
            (copy / "sw.js").write_text(worker.replace(build, build + "-neu"), encoding="utf-8")
            page = (copy / "index.html").read_text(encoding="utf-8")
            (copy / "index.html").write_text(page.replace("<title>", "<!-- neue Version --><title>"), encoding="utf-8")
            driver.refresh()
            wait("the new version's cache alone", lambda: driver.execute_async_script(caches) == [build + "-neu"], 60)
            driver.refresh()
            if "neue Version" not in driver.page_source:
                raise CheckFailed("the visit after the new version's cache does not show the new page")
            print(f"   {old} replaced by {[build + '-neu']}; the next visit shows the new page")
            # Without a network: the handbook, and every place it links to.
            server.disconnect()
            links, broken = driver.execute_async_script(HANDBOOK_LINKS)
            if broken:
                raise CheckFailed(f"offline, links of the handbook lead nowhere: {broken}")
            driver.get(server.url + "Handbuch.html")
            title = driver.execute_script("return document.title;")
            if not title.endswith("Handbuch"):
                raise CheckFailed(f"offline, Handbuch.html opens as {title!r}")
            print(f"   offline: the handbook opens ({title!r}), each of its {links} links leads to its place")


# The links of the handbook, read from the game's page (the handbook's own
# policy lets it fetch nothing): each to a place in it that is there, or to
# a file of the page's origin that comes. Its style sheet is left out: parsed
# here, it would fall under the game page's policy, not its own.
HANDBOOK_LINKS = """
const done = arguments[arguments.length - 1];
const address = new URL("Handbuch.html", location.href);
fetch(address).then(answer => answer.text()).then(text => {
  const page = new DOMParser().parseFromString(text.replace(/<style[^]*?<\\/style>/g, ""), "text/html");
  const links = Array.from(page.querySelectorAll("a[href]"), a => new URL(a.getAttribute("href"), address));
  return Promise.all(links.map(url => url.origin !== location.origin ? url.href + ": another origin"
    : url.pathname === address.pathname
      ? (!url.hash || page.getElementById(decodeURIComponent(url.hash.slice(1))) ? null : url.href + ": not there")
      : fetch(url).then(answer => answer.ok ? null : url.href + ": " + answer.status, e => url.href + ": " + e)))
    .then(broken => done([links.length, broken.filter(Boolean)]));
}).catch(e => done([0, ["Handbuch.html: " + e]]));
"""


# -- the tests in the browser -------------------------------------------------

def run_tests(folder):
    results = []
    with session(folder, PC) as (server, driver):
        for test in sorted(p.stem for p in folder.glob("test_*.js")):
            driver.get(f"{server.url}test.html?test={test}")
            lines = []

            def ended():
                for entry in driver.get_log("browser"):
                    message = entry["message"]
                    # Console messages come as: <url> <line>:<column> "<text>"
                    quoted = re.search(r'"(.*)"$', message)
                    lines.append(json.loads(f'"{quoted.group(1)}"') if quoted else message)
                return any(line.startswith("Test beendet") for line in lines)

            wait(f"{test} in the browser", ended, 300)
            totals = next((line for line in lines if line.startswith("Totals:")), "")
            status = next(line for line in lines if line.startswith("Test beendet"))
            counts = re.search(r"(\d+) passed, (\d+) failed, (\d+) skipped", totals)
            passed = bool(counts) and counts.group(2) == "0" and status == "Test beendet: 0"
            results.append((test, totals or status, passed))
            print(f"   {test:14} {'passed' if passed else 'FAILED'}   {totals or status}")
            if not passed:
                print("\n".join("      " + line for line in lines if "FAIL" in line or "Loc:" in line))
    if not results:
        raise CheckFailed(f"no tests in {folder}")
    if not all(passed for _, _, passed in results):
        raise CheckFailed("a test failed in the browser")


# -- a teacher's range ----------------------------------------------------------

RANGE_LINE = "return document.getElementById('bereich').hidden ? null : document.getElementById('bereich').innerText;"
WHOLE = facts.range_text("line", 0, 3999)
# Addresses whose range or direction cannot be used, and the line the page
# must show: the game then asks every number, Arabic to Roman.
BAD_SETTINGS = [
    ("?von=abc&bis=20", facts.range_text("addressProblem", facts.range_text("notWhole", "abc", "von"), WHOLE)),
    ("?bis=4000", facts.range_text("addressProblem", facts.range_text("outside", 4000, "bis", 0, 3999), WHOLE)),
    ("?von=50&bis=20",
     facts.range_text("addressProblem", facts.range_text("vonAboveBis", "von", 50, "bis", 20), WHOLE)),
    ("?richtung=rueckwaerts",
     facts.direction_text("addressProblem", facts.direction_text("unknown", "rueckwaerts", "richtung"))),
]
NEW_ROMAN = text("newNumber", "NUMBER").replace("NUMBER", r"([MDCLXVI]+)")


def numbers_asked(game):
    return [int(m.group(1)) for m in (re.fullmatch(NEW_NUMBER, t.rstrip("\u00a0"))
                                      for t in game.js("return window.rzSaid;")) if m]


def play_range(site):
    with session(site, PC) as (server, driver):
        console = Console(driver)
        for query, expected in [("?von=0&bis=3999", None)] + BAD_SETTINGS:
            driver.get(server.url + "index.html" + query)
            game = Game(driver, console, touch=False)
            game.first_frame()
            shown = game.js(RANGE_LINE)
            if shown != expected:
                raise CheckFailed(f"{query}: the page says {shown!r}, not {expected!r}")
            check_fit(game)
            # The game runs with the whole range: it asks a number.
            game.js("document.querySelector('#spiel canvas').focus();")
            game.keys(Keys.RETURN)
            game.said(NEW_NUMBER, f"a number asked with {query}")
            console.read()
            print(f"   {query}: {shown or 'no line (the whole range)'}")

        line = facts.range_text("line", 0, 20)
        game = open_class_link(driver, console, server.url + "index.html?bis=20", line)
        canvas, scale = check_fit(game)
        game.named(EXERCISE_NAME)
        game.before = page_text(driver)
        game.js("document.querySelector('#spiel canvas').focus();")
        # A game lost and a new one; in it a right answer.
        game.lose_on_keyboard(1)
        game.keys(Keys.RETURN)
        number = int(game.said(NEW_NUMBER, "a number in the new game").group(1))
        answer = roman(number)
        for i, letter in enumerate(answer.lower()):
            game.keys(letter)
            game.said(text("answer", answer[:i + 1]), f"the answer after key {letter}")
        game.keys(Keys.RETURN)
        game.said(text("right", 60), f"the verdict on {answer} for {number}")
        asked = numbers_asked(game)
        outside = [n for n in asked if not 0 <= n <= 20]
        if outside or len(asked) < 4:
            raise CheckFailed(f"?bis=20: asked {asked}")
        console.read()
        print(f"   ?bis=20: {line!r} above the game ({canvas['w']:.0f} x {canvas['h']:.0f} CSS pixels, "
              f"scale {scale:.3f}); {len(asked)} numbers asked in two games, all from 0 to 20: {asked}")
        play_direction(driver, console, server.url + "index.html" + CLASS_QUERY)


CLASS_QUERY = "?von=1&bis=20&richtung=roemisch-arabisch"


def open_class_link(driver, console, address, line):
    """The game opened from a class's link, at its first frame, with the
    line above it that the link must give."""
    driver.get(address)
    game = Game(driver, console, touch=False)
    game.first_frame()
    shown = game.js(RANGE_LINE)
    if shown != line:
        raise CheckFailed(f"{address[address.index('?'):]}: the page says {shown!r}, not {line!r}")
    return game


def play_direction(driver, console, address):
    """A class's link with the direction (CLASS_QUERY): every game, the new
    one after a lost game too, asks Roman numerals from its first number,
    and takes digits, not letters."""
    query = address[address.index("?"):]
    line = facts.range_text("line", 1, 20)
    game = open_class_link(driver, console, address, line)
    game.js("document.querySelector('#spiel canvas').focus();")
    asked = []
    for number in (1, 2):
        game.keys(Keys.RETURN)
        asked.append(game.said(NEW_ROMAN, f"a Roman numeral first in game {number}").group(1))
        game.keys("i")
        game.said(text("arabicAsked"), f"a letter refused in game {number}")
        if number == 2:
            break
        # Three empty answers (every number from 1 on has digits) lose it.
        points = 50
        for turn in range(3):
            if turn:
                game.keys(Keys.RETURN)
                asked.append(game.said(NEW_ROMAN, f"a Roman numeral in game {number}").group(1))
            game.keys(Keys.RETURN)
            points -= 25
            game.said(re.escape(facts.verdict(str(from_roman(asked[-1])), points, lost=points < 0)),
                      f"an empty answer in game {number}")
        game.keys(Keys.RETURN)
        game.said(re.escape(GAME_OVER_WINDOW.said), "the game-over window")
        game.keys(Keys.RETURN)
        game.said(re.escape(EXERCISE.said), "the new game")
    outside = [r for r in asked if not 1 <= from_roman(r) <= 20]
    if outside:
        raise CheckFailed(f"{query}: asked {asked}")
    console.read()
    print(f"   {query}: {line!r} above the game; Roman numerals asked in two games: {asked}")


# -- the teachers' page ---------------------------------------------------------

def play_teachers(site):
    """The teachers' page: a wrong range refused with the game's own words,
    then a class's link, whose QR code a real reader decodes to the link,
    and the link plays as play_direction() wants."""
    with session(site, PC) as (server, driver):
        console = Console(driver)
        driver.get(server.url + "lehrkraefte.html")
        wait("the teachers' page to load the game", lambda: driver.execute_script(
            "return document.getElementById('laden').hidden;"), 60)

        def click(selector):
            box = driver.execute_script(
                "const e = document.querySelector(arguments[0]); if (!e || e.disabled) return null;"
                "const r = e.getBoundingClientRect(); return r.width ? {x: r.left + r.width / 2,"
                " y: r.top + r.height / 2} : null;", selector)
            if not box:
                raise CheckFailed(f"{selector} cannot be clicked: hidden or disabled")
            driver.click(box["x"], box["y"])

        def fill(selector, value):
            click(selector)
            driver.keys(value)

        def shown():
            return driver.execute_script(
                "return [document.getElementById('zeile').textContent,"
                " document.getElementById('ergebnis').hidden,"
                " document.getElementById('link').textContent];")

        fill("#von", "50")
        fill("#bis", "20")
        refusal = facts.range_text("addressProblem", facts.range_text("vonAboveBis", "von", 50, "bis", 20), WHOLE)
        line, hidden, _ = shown()
        if line != refusal or not hidden:
            raise CheckFailed(f"von 50, bis 20: the page says {line!r}, link {'hidden' if hidden else 'shown'}")
        print(f"   von 50, bis 20: {line!r}, no link")

        driver.execute_script("document.getElementById('von').select();")
        driver.keys("1")
        click("input[value='roemisch-arabisch']")
        line, hidden, link = shown()
        expected = server.url + "index.html" + CLASS_QUERY
        if hidden or link != expected:
            raise CheckFailed(f"the link is {link!r} ({'hidden' if hidden else 'shown'}), not {expected!r}")
        if not line.startswith(facts.range_text("line", 1, 20)):
            raise CheckFailed(f"the page says {line!r} of the class's settings")
        print(f"   von 1, bis 20, Römisch -> Arabisch: {line!r}; the link {link}")

        # The code as the page shows it, read by zbar from a screenshot.
        with tempfile.TemporaryDirectory() as folder:
            shot = pathlib.Path(folder) / "lehrkraefte.png"
            shot.write_bytes(driver.get_screenshot_as_png())
            read = subprocess.run(["zbarimg", "--quiet", "--raw", str(shot)], capture_output=True, text=True)
        decoded = read.stdout.strip()
        if read.returncode != 0 or decoded != link:
            raise CheckFailed(f"zbarimg reads {decoded!r} from the QR code (status {read.returncode}), "
                              f"not the link")
        print("   zbarimg reads the QR code as the link")
        console.read()
        play_direction(driver, console, decoded)


PARTS = {
    "zip": ("the zip", lambda build, site: check_start(site)),
    "refusals": ("where the game cannot run", lambda build, site: check_refusals(site)),
    "update": ("a new version in the old one's place", lambda build, site: check_update(site)),
    "tests": ("the tests in the browser", lambda build, site: run_tests(build / "web" / "tests")),
    "pc": (f"a game at the page size of a {PC['name']}", lambda build, site: play(site, PC)),
    "phone": (f"a game at the page size of a {PHONE['name']}", lambda build, site: play(site, PHONE)),
    "edges": ("the game's edges at pixel ratios 1, 2 and 3", lambda build, site: edges(site)),
    "firefox_pc": (f"a game in Firefox at the page size of a {PC['name']}",
                   lambda build, site: play(site, PC, "firefox")),
    "webkit_pc": (f"a game in WebKit at the page size of a {PC['name']}",
                  lambda build, site: play(site, PC, "webkit")),
    "webkit_tablet": (f"a game in WebKit at the page size of a {TABLET['name']}",
                      lambda build, site: play(site, TABLET, "webkit")),
    "range": ("a teacher's range in the address", lambda build, site: play_range(site)),
    "teachers": ("the teachers' page: a class's link and its QR code", lambda build, site: play_teachers(site)),
}


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in PARTS:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    build = pathlib.Path(sys.argv[1])
    title, part = PARTS[sys.argv[2]]
    unpacked = tempfile.mkdtemp(prefix="rz-web-site-")
    try:
        site = check_zip(the_zip(build), unpacked)
        print(f"== {title}")
        part(build, site)
        print(f"== {title}: passed")
        return 0
    except SetupFailed as failure:
        print(f"play: cannot set up: {failure}", file=sys.stderr)
        return 2
    except CheckFailed as failure:
        print(f"play: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(unpacked, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
