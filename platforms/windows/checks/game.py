#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows game under Wine on Windows' own platform: its exercise window
opens where its layout puts it, with a client area of the layout's size,
a click on "Ende" ends it with status 0, and Wine's trace of Winsock shows
it open no socket.

Runs what it is given under Wine (platforms/windows/wine-run): the built
executable, or "start /wait" with the shortcut of an installed game, which
passes the game's status on. Needs an X display of its own in DISPLAY, with
no other window on it; runs in WINEPREFIX where that is set. Ends only the
process it started.

usage: game.py <program> [<argument> ...]
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit import CheckFailed, facts, wine  # noqa: E402

WINE_RUN = pathlib.Path(__file__).resolve().parents[1] / "wine-run"
GAME = "roemische-zahlen.exe"
# What Qt says under Wine of the DPI awareness Wine does not implement.
WINE_ONLY = re.compile(r"DpiAwareness|NonClientDpiScaling")


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True).stdout.split()


def geometry(window):
    """Where the window's client area is on the screen, and its size."""
    info = subprocess.run(["xwininfo", "-id", window], stdout=subprocess.PIPE, text=True, check=True).stdout
    value = {key: int(re.search(rf"{key}:\s+(-?\d+)", info).group(1))
             for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")}
    return (value["Absolute upper-left X"], value["Absolute upper-left Y"], value["Width"], value["Height"])


def play(arguments):
    exercise = facts.exercise()
    left, top, width, height = (twips // 15 for twips in exercise.place)
    env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
    env["WINEDEBUG"] = wine.SOCKET_TRACE
    with tempfile.TemporaryFile(mode="w+") as errors:
        game = subprocess.Popen([str(WINE_RUN), *arguments], env=env, stderr=errors)
        try:
            window = None
            for _ in range(300):
                window = next(iter(xdotool("search", "--name", f"^{re.escape(exercise.title)}$")), None)
                if window:
                    break
                time.sleep(0.1)
            if not window:
                raise CheckFailed(f'no window "{exercise.title}" within 30 s')
            found = geometry(window)
            print(f"   window at {found[0]},{found[1]} {found[2]}x{found[3]}")
            if found != (left, top, width, height):
                raise CheckFailed(f"the window is at {found}, not at {(left, top, width, height)}")
            # "Ende", its centre. Wine maps the window a moment before it
            # passes mouse buttons on to it: a click in the first tenth of a
            # second after the map never reaches the program (measured: 3 of
            # 10 such clicks lost, none after 0.2 s). So the pointer rests on
            # "Ende" for a second first, as a hand would; should Wine still
            # have swallowed the click, a second one is given, and said so.
            x, y, w, h = exercise.place_of("Ende")
            xdotool("mousemove", str(left + (x + w // 2) // 15), str(top + (y + h // 2) // 15))
            time.sleep(1)
            for click in (1, 2):
                xdotool("click", "1")
                try:
                    status = game.wait(10)
                    break
                except subprocess.TimeoutExpired:
                    print(f'   the game still runs 10 s after click {click} on "Ende"')
            else:
                raise CheckFailed('two clicks on "Ende" did not end the game')
            if status != 0:
                raise CheckFailed(f"the game ended with status {status}")
            print('   "Ende" ended the game with status 0')
            errors.seek(0)
            passed, shown = wine.no_socket(errors.readlines(), GAME)
            if not passed:
                raise CheckFailed(shown)
            print("   " + shown)
        except CheckFailed:
            errors.seek(0)
            sys.stderr.write("".join(line for line in errors
                                     if not WINE_ONLY.search(line) and not wine.TRACED.match(line)))
            raise
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    if not os.environ.get("DISPLAY"):
        print("game.py: no X display (DISPLAY is unset)", file=sys.stderr)
        return 2
    try:
        play(sys.argv[1:])
    except CheckFailed as failure:
        print(f"game.py: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
