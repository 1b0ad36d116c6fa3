# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser version as a pupil gets it: the folder of the zip, served
from 127.0.0.1 by a static web server of the check's own, in Debian's
Chromium, driven by Selenium, each time in a fresh profile."""

import contextlib
import functools
import http.server
import pathlib
import shutil
import socketserver
import tempfile
import threading
import zipfile

from . import CheckFailed
from .session import poll

# A PC's page size, and a phone's (an Android browser with touch).
PC = {"name": "PC, 1280 x 800", "size": (1280, 800)}
PHONE = {"name": "phone, 390 x 844, pixel ratio 3",
         "mobile": {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3.0, "touch": True},
                    "userAgent": "Mozilla/5.0 (Linux; Android 14) AppleWebKit/537.36 (KHTML, like Gecko) "
                                 "Chrome/130.0 Mobile Safari/537.36"}}

# Chromium on a machine without a network beyond itself and without a GPU:
# nothing fetched in the background, WebGL in software.
FLAGS = ("--no-sandbox", "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-quic", "--enable-unsafe-swiftshader", "--use-angle=swiftshader")


def wait(what, condition, seconds=30):
    """Waits for the condition to give something true, and gives it."""
    return poll(condition, f"{what} ({seconds} s)", timeout=seconds)


def unpack(zip_path, into):
    """Unpacks the zip of the browser version, which holds one folder, and
    gives that folder."""
    with zipfile.ZipFile(zip_path) as archive:
        tops = {name.split("/")[0] for name in archive.namelist()}
        if len(tops) != 1:
            raise CheckFailed(f"the zip holds more than one folder at its top: {sorted(tops)}")
        archive.extractall(into)
    return pathlib.Path(into) / tops.pop()


def the_zip(build):
    """The one zip of the browser version in a build folder."""
    zips = sorted(pathlib.Path(build).glob("roemische-zahlen-*-web.zip"))
    if len(zips) != 1:
        raise CheckFailed(f"expected one web zip in {build}, found {[z.name for z in zips]}")
    return zips[0]


class Server:
    """A static web server on 127.0.0.1 for one folder, on a free port; with
    gzip, it sends the folder's precompressed copy (name.gz) of a file in its
    stead, as gzip, to a browser that takes gzip, as a web server set up for
    the zip's copies does."""

    def __init__(self, folder, gzip=False):
        handler = functools.partial(_Gzipped if gzip else _Quiet, directory=str(folder))
        self.httpd = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.httpd.daemon_threads = True
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.stopped = False

    def stop(self):
        if not self.stopped:
            self.stopped = True
            self.httpd.shutdown()
            self.httpd.server_close()


class _Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class _Gzipped(_Quiet):
    def send_head(self):
        path = pathlib.Path(self.translate_path(self.path))
        packed = path.with_name(path.name + ".gz")
        takes_gzip = "gzip" in self.headers.get("Accept-Encoding", "")
        if not (takes_gzip and path.is_file() and packed.is_file()):
            return super().send_head()
        body = packed.open("rb")
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(packed.stat().st_size))
        self.end_headers()
        return body


def chromium(profile, setup=PC, headless=True, env=None, driver_class=None):
    """Debian's Chromium in the profile: headless at the setup's page size
    and pixel ratio (or a phone's, with touch), or with a window on the
    display in env; Selenium's driver, or the driver class given."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + (f"--user-data-dir={profile}",):
        options.add_argument(flag)
    if headless:
        options.add_argument("--headless=new")
    else:
        options.add_argument("--window-size=1024,768")
        options.add_argument("--window-position=0,0")
    if "size" in setup:
        options.add_argument("--window-size=%d,%d" % setup["size"])
    if "mobile" in setup:
        options.add_experimental_option("mobileEmulation", setup["mobile"])
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = (driver_class or webdriver.Chrome)(service=Service("/usr/bin/chromedriver", env=env), options=options)
    if headless and "size" in setup:
        # The page's own size, whatever the browser's frame takes.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": setup["size"][0], "height": setup["size"][1],
                                "deviceScaleFactor": setup.get("ratio", 1), "mobile": False})
    return driver


@contextlib.contextmanager
def fresh_browser(setup=PC, **kwargs):
    """The browser in a fresh profile of its own, gone again afterwards."""
    profile = tempfile.mkdtemp(prefix="rz-web-profile-")
    driver = chromium(profile, setup, **kwargs)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


@contextlib.contextmanager
def served(folder, setup=PC, **kwargs):
    """A server for the folder and a fresh browser."""
    server = Server(folder)
    try:
        with fresh_browser(setup, **kwargs) as driver:
            yield server, driver
    finally:
        server.stop()


def throttle(driver, down_mbit, latency_ms):
    """Chromium's network emulation from now on: the download rate in
    Mbit/s and the latency of every request in ms."""
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": False, "latency": latency_ms,
        "downloadThroughput": down_mbit * 1e6 / 8, "uploadThroughput": -1})


def first_frame(driver, seconds=30):
    """The time from navigation to the game's first frame, in ms, once the
    page has marked it."""
    return wait("the first frame", lambda: driver.execute_script(
        "const m = performance.getEntriesByName('rz-erstes-bild');"
        "return m.length ? m[0].startTime : null;"), seconds)


class Console:
    """The console of the page: every warning or error of the page or the
    program fails (the browser gives what is theirs: rzkit.engines)."""

    def __init__(self, driver):
        self.driver = driver
        self.lines = []

    def read(self):
        for level, message in self.driver.console():
            self.lines.append((level, message))
            raise CheckFailed(f"{self.driver.engine}: console {level.lower()}: {message}")
