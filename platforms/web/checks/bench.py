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

Goals: the first frame within 1.10 times the bare page's and under 1.5 s
here; at most 5 MB moved with gzip.

usage: bench.py BUILD-WEB-FOLDER [RUNS]
"""

import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit.browser import PC, Server, first_frame, fresh_browser  # noqa: E402

GOAL_RATIO = 1.10
GOAL_MS = 1500
GOAL_GZIP = 5_000_000


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


def cold_load(url):
    """The first frame of a load in a fresh profile, in ms."""
    with fresh_browser(PC) as driver:
        driver.get(url)
        return first_frame(driver, 60)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    build = pathlib.Path(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 7
    game = next((build / "web").glob("roemische-zahlen-*-web"))
    bare = build / "web" / "bare"

    print("bytes a first visit moves (page, JavaScript, WebAssembly):")
    print(f"   {'':10} {'raw':>12} {'gzip':>12} {'brotli':>12}")
    game_bytes = moved(game, "roemische-zahlen")
    for name, sizes in (("game", game_bytes), ("bare page", moved(bare, "rz-webbare"))):
        print(f"   {name:10} {sizes['raw']:>12,} {sizes['gzip']:>12,} {sizes['brotli']:>12,}")

    servers = {name: Server(folder) for name, folder in (("game", game), ("bare page", bare))}
    times = {"game": [], "bare page": []}
    try:
        for run in range(runs):
            for name in ("game", "bare page") if run % 2 == 0 else ("bare page", "game"):
                times[name].append(cold_load(servers[name].url))
            time.sleep(0.2)
    finally:
        for server in servers.values():
            server.stop()
    game_ms = statistics.median(times["game"])
    bare_ms = statistics.median(times["bare page"])
    print(f"first frame after navigation, median of {runs} cold loads each:")
    for name in times:
        print(f"   {name:10} {statistics.median(times[name]):7.0f} ms   "
              f"({', '.join(f'{t:.0f}' for t in times[name])})")
    ratio = game_ms / bare_ms
    print(f"game / bare page: {ratio:.3f} (goal: at most {GOAL_RATIO:.2f}); "
          f"game: {game_ms:.0f} ms (goal: under {GOAL_MS} ms); "
          f"gzip: {game_bytes['gzip'] / 1e6:.2f} MB (goal: at most {GOAL_GZIP / 1e6:.0f} MB)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
