#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""./dev web-bench: what the browser version costs a pupil (a benchmark,
not a test: it measures and prints, and fails only when it cannot measure).

- The bytes a first visit moves: the page, emscripten's JavaScript and the
  WebAssembly, raw and as the precompressed gzip and Brotli copies a server
  can send.
- The first frame: the time from navigation to the game's window drawn for
  the first time (the page's mark "rz-erstes-bild"), in Debian's headless
  Chromium, each load cold, in a fresh browser profile, served from
  127.0.0.1; the median of RUNS loads (7 unless given), alternating with as
  many loads of the bare page: the same 35 plain Qt controls with no logic,
  built and loaded the same way (barepage_web.cpp beside this script).
- With --base, a second build of the game (another commit's, with its own
  Qt and options) side by side: its bytes, its first frame in the same
  alternation, and both games' first frame again on a school tablet's
  share of a busy network (Chromium's network emulation: 10 Mbit/s down,
  40 ms latency, the gzip copies served).

Goals: at most 2.0 MB moved with gzip; the first frame within 1.10 times
the bare page's; against the base, at most 0.75 times its first frame
here and at most 2.5 s on the school network.

usage: bench.py [--base BASE-BUILD-WEB-FOLDER] BUILD-WEB-FOLDER [RUNS]
"""

import argparse
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit.browser import PC, Server, first_frame, fresh_browser, throttle  # noqa: E402

GOAL_RATIO = 1.10
GOAL_GZIP = 2_000_000
GOAL_AGAINST_BASE = 0.75
GOAL_SCHOOL_MS = 2500
SCHOOL = {"down_mbit": 10, "latency_ms": 40}


def moved(site, module):
    """Bytes of a first visit: raw, gzip and Brotli (raw where no copy)."""
    sizes = {"raw": 0, "gzip": 0, "brotli": 0}
    for name in ("index.html", f"{module}.js", f"{module}.wasm"):
        raw = site / name
        sizes["raw"] += raw.stat().st_size
        for kind, suffix in (("gzip", ".gz"), ("brotli", ".br")):
            packed = site / (name + suffix)
            sizes[kind] += (packed if packed.exists() else raw).stat().st_size
    return sizes


def cold_load(url, network=None):
    """The first frame of a load in a fresh profile, in ms. On the emulated
    network the WebAssembly must have come compressed, or the load measured
    the wrong download."""
    with fresh_browser(PC) as driver:
        if network:
            throttle(driver, **network)
        driver.get(url)
        ms = first_frame(driver, 120)
        if network:
            sizes = driver.execute_script(
                "const e = performance.getEntriesByType('resource').find(r => r.name.endsWith('.wasm'));"
                "return e ? [e.encodedBodySize, e.decodedBodySize] : null;")
            if not sizes or sizes[0] >= sizes[1]:
                raise SystemExit(f"bench.py: {url}: the WebAssembly did not come with gzip ({sizes})")
        return ms


def alternate(urls, runs, network=None):
    """Cold loads of every page in turn, the order reversed every other
    run so that none always goes first; the times per page."""
    times = {name: [] for name in urls}
    for run in range(runs):
        for name in list(urls) if run % 2 == 0 else reversed(list(urls)):
            times[name].append(cold_load(urls[name], network))
        time.sleep(0.2)
    return times


def show(title, times):
    print(title)
    for name, values in times.items():
        print(f"   {name:10} {statistics.median(values):7.0f} ms   ({', '.join(f'{t:.0f}' for t in values)})")
    return {name: statistics.median(values) for name, values in times.items()}


def site_of(build):
    return next((pathlib.Path(build) / "web").glob("roemische-zahlen-*-web"))


def main():
    parser = argparse.ArgumentParser(usage=__doc__.strip().splitlines()[-1])
    parser.add_argument("--base")
    parser.add_argument("build")
    parser.add_argument("runs", nargs="?", type=int, default=7)
    args = parser.parse_args()
    sites = {"game": (site_of(args.build), "roemische-zahlen")}
    if args.base:
        sites["base"] = (site_of(args.base), "roemische-zahlen")
    sites["bare page"] = (pathlib.Path(args.build) / "web" / "bare", "rz-webbare")

    print("bytes a first visit moves (page, JavaScript, WebAssembly):")
    print(f"   {'':10} {'raw':>12} {'gzip':>12} {'brotli':>12}")
    sizes = {}
    for name, (folder, module) in sites.items():
        sizes[name] = moved(folder, module)
        print(f"   {name:10} {sizes[name]['raw']:>12,} {sizes[name]['gzip']:>12,} {sizes[name]['brotli']:>12,}")

    plain = {name: Server(folder) for name, (folder, _) in sites.items()}
    gzipped = {name: Server(sites[name][0], gzip=True) for name in sites if name != "bare page"}
    try:
        local = show(f"first frame after navigation from 127.0.0.1, median of {args.runs} cold loads each:",
                     alternate({name: server.url for name, server in plain.items()}, args.runs))
        school = None
        if args.base:
            school = show(f"the same at {SCHOOL['down_mbit']} Mbit/s down, {SCHOOL['latency_ms']} ms latency, "
                          f"gzip served, median of {args.runs} cold loads each:",
                          alternate({name: server.url for name, server in gzipped.items()}, args.runs, SCHOOL))
    finally:
        for server in list(plain.values()) + list(gzipped.values()):
            server.stop()

    print(f"gzip: {sizes['game']['gzip'] / 1e6:.2f} MB (goal: at most {GOAL_GZIP / 1e6:.1f} MB)"
          + (f", base {sizes['base']['gzip'] / 1e6:.2f} MB" if args.base else ""))
    print(f"game / bare page: {local['game'] / local['bare page']:.3f} (goal: at most {GOAL_RATIO:.2f})")
    if args.base:
        print(f"game / base: {local['game'] / local['base']:.3f} (goal: at most {GOAL_AGAINST_BASE:.2f})")
        print(f"school network: game {school['game']:.0f} ms (goal: at most {GOAL_SCHOOL_MS} ms), "
              f"base {school['base']:.0f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
