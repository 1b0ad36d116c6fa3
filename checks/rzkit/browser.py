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
import urllib.parse
import zipfile

from . import CheckFailed, SetupFailed
from .session import poll

# A PC's page size, and a phone's (an Android browser with touch).
PC = {"name": "PC, 1280 x 800", "size": (1280, 800)}
PHONE = {"name": "phone, 390 x 844, pixel ratio 3",
         "mobile": {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3.0, "touch": True},
                    "userAgent": "Mozilla/5.0 (Linux; Android 14) AppleWebKit/537.36 (KHTML, like Gecko) "
                                 "Chrome/130.0 Mobile Safari/537.36"}}

# Chromium on a machine without a network beyond itself and without a GPU:
# nothing fetched in the background (as far as flags go), no form's fields
# sent for autofill's predictions, WebGL in software.
FLAGS = ("--no-sandbox", "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-features=AutofillServerCommunication",
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
    the zip's copies does.

    It is also the proxy of a browser given its address (proxy): such a
    browser asks it for every address whole, of every host. It serves those
    of its own origin and notes them (proxied); any other it refuses with
    403 and notes (refused)."""

    def __init__(self, folder, gzip=False):
        handler = functools.partial(_Gzipped if gzip else _Quiet, directory=str(folder))
        self.httpd = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.httpd.daemon_threads = True
        self.httpd.rz = self
        self.proxy = f"127.0.0.1:{self.httpd.server_address[1]}"
        self.url = f"http://{self.proxy}/"
        self.proxied, self.refused = [], []
        self.cut_off = False
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.stopped = False

    def disconnect(self):
        """From now on the folder's files do not arrive, as when the network
        is gone: every request for them is dropped unanswered. The requests
        for other origins are still noted."""
        self.cut_off = True

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

    def parse_request(self):
        if not super().parse_request():
            return False
        server = self.server.rz
        if not self.path.startswith("/"):
            # Through the proxy: the whole address, or CONNECT host:port.
            url = urllib.parse.urlsplit(self.path)
            if self.command == "CONNECT" or url.scheme != "http" or url.netloc != server.proxy:
                server.refused.append(f"{self.command} {self.path}")
                self.send_error(403, "Not the page's origin")
                return False
            server.proxied.append(self.path)
            self.path = urllib.parse.urlunsplit(("", "", url.path or "/", url.query, ""))
        if server.cut_off:
            self.close_connection = True
            return False
        return True


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


def chromium(profile, setup=PC, headless=True, env=None, driver_class=None, proxy=None):
    """Debian's Chromium in the profile: headless at the setup's page size
    and pixel ratio (or a phone's, with touch), or with a window on the
    display in env; Selenium's driver, or the driver class given. With a
    proxy (host:port), every request goes there, 127.0.0.1's too."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    proxied = (f"--proxy-server=http://{proxy}", "--proxy-bypass-list=<-loopback>") if proxy else ()
    for flag in FLAGS + proxied + (f"--user-data-dir={profile}",):
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


# What the page keeps in the browser: the addresses of everything in its
# caches, and whatever it put in cookies, web storage or databases.
CACHED = """
window.rzCached = null;
const databases = window.indexedDB && indexedDB.databases ? indexedDB.databases() : Promise.resolve([]);
(window.caches ? caches.keys() : Promise.resolve([]))
  .then(names => Promise.all(names.map(name => caches.open(name).then(cache => cache.keys()))))
  .then(lists => databases.then(found => {
          window.rzCached = {urls: [].concat(...lists).map(request => request.url),
                             kept: [document.cookie && 'cookies: ' + document.cookie,
                                    localStorage.length && 'localStorage: ' + Object.keys(localStorage),
                                    sessionStorage.length && 'sessionStorage: ' + Object.keys(sessionStorage),
                                    ...found.map(database => 'IndexedDB: ' + database.name)].filter(Boolean)}; }),
        error => { window.rzCached = {urls: ['(unread: ' + error + ')'], kept: []}; });
"""


def sent_nowhere_else(server, driver):
    """At the end of a game in a browser whose proxy the server was: the
    page asked for nothing outside its origin (the hosts of the browser's
    own services, driver.services, are the browser's), the console names
    no violation of the page's Content Security Policy since it was last
    read, the service worker's cache holds the page's own files alone, and
    the page keeps no cookie, web storage or database."""
    violations = [text for _, text in driver.console() if "Content Security Policy" in text
                  or "Content-Security-Policy" in text]
    if violations:
        raise CheckFailed(f"{driver.engine}: the page's policy was violated: {violations}")
    driver.execute_script(CACHED)
    found = wait("the page's caches", lambda: driver.execute_script("return window.rzCached;"), 10)
    cached = found["urls"]
    if found["kept"]:
        raise CheckFailed(f"{driver.engine}: the page keeps more than its files: {found['kept']}")

    def host(request):
        target = request.split(" ", 1)[1]
        return urllib.parse.urlsplit(target if "://" in target else "//" + target).hostname
    own = getattr(driver, "services", ())
    foreign = [request for request in server.refused if host(request) not in own]
    if foreign:
        raise CheckFailed(f"{driver.engine}: requests outside the page's origin: {foreign}")
    if not server.proxied:
        raise SetupFailed(f"{driver.engine} sent nothing through the check's proxy")
    elsewhere = [url for url in cached if not url.startswith(server.url)]
    if elsewhere:
        raise CheckFailed(f"{driver.engine}: the service worker's cache holds what is not the page's: {elsewhere}")
    services = sorted({host(request) for request in server.refused})
    print(f"   the network: {len(server.proxied)} requests of the page, all to its origin"
          f"{'; the browser asked its own services ' + ', '.join(services) if services else ''}; "
          f"no violation of the page's policy; the service worker's cache holds {len(cached)} of its files, "
          f"and nothing else is kept")
