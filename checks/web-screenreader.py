#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser version played by ear under the Orca screen reader.

The game of the zip, served from 127.0.0.1, in Debian's Chromium (with a
window, since Orca hears no headless browser) on a session of its own as
checks/screenreader.py starts it: an X server, the buses and Orca, which
logs everything it says. Chromium starts after Orca, so that it gives its
pages to the accessibility bus. The keys go through the X server, as from
a keyboard: Orca hears them and, in focus mode, passes them to the page.

One game, by ear: the game takes the focus as it starts; back from the
address bar, Orca names it after its window and describes it with the
page's help; Return asks a number, read from what Orca says; Backspace
twice on an empty answer is said twice; the right answer typed key by key;
three wrong answers into the lost state; Return opens the game-over window,
Tab and Shift+Tab go between its buttons, and Return starts a new game; two
more games lost in a row the same way, each game-over window said as it
opens, and Return there starting a new game. At
each step Orca must say the game's message, from the page's live region.
Between a number asked and its verdict Orca must never say the solution
before the learner's own typing could: up to the last key of a right
answer, up to the verdict of a wrong one.

Prints each step and what Orca said; exits with 0 when everything held, 1
when not (with Orca's last words), 2 when the session could not be set up.
It ends only the processes it started, with whatever they started.

usage: web-screenreader.py BUILD-WEB-FOLDER
"""

import contextlib
import importlib
import pathlib
import re
import shutil
import signal
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing cached beside the checks
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import screenreader as sr  # noqa: E402

webplay = importlib.import_module("web-play")  # the browser check's server and helpers

from selenium import webdriver  # noqa: E402
from selenium.common.exceptions import WebDriverException  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from Xlib import X, XK, display as xdisplay  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

EXERCISE = "Römische Zahlen – Übung"
GAME_OVER = "Römische Zahlen – Spiel verloren"
FAILED = (sr.CheckFailed, webplay.CheckFailed)
# Chromium with a window on the session's 1024 x 768 screen, WebGL in
# software.
FLAGS = ("--no-sandbox", "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--window-size=1024,768",
         "--window-position=0,0")


def short(text, length=100):
    return text if len(text) <= length else text[:length - 1] + "…"


def saying(text):
    """One utterance of the text; Orca may leave off its closing full stop."""
    return re.escape(text.rstrip(".")) + r"\.?"


class Keyboard:
    """Keys as a keyboard sends them: through the X server (XTest)."""

    def __init__(self, display):
        self.x = xdisplay.Display(display)

    def focus(self):
        """What a window manager does: the keyboard to Chromium's window."""
        def window():
            for child in self.x.screen().root.query_tree().children:
                try:
                    if (child.get_wm_class() or ("", ""))[1] == "Chromium" \
                            and child.get_attributes().map_state == X.IsViewable:
                        return child
                except Exception:  # a window gone meanwhile
                    pass
            return None
        sr.poll(window, "Chromium's window on the screen", sr.SetupFailed).set_input_focus(
            X.RevertToParent, X.CurrentTime)
        self.x.sync()

    def press(self, *names):
        """Presses the keys together (a modifier first) and lets them go."""
        codes = [self.x.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
        for code in codes:
            xtest.fake_input(self.x, X.KeyPress, code)
        for code in reversed(codes):
            xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.sync()


class Ear:
    """What Orca says, from its debug log, taken utterance by utterance."""

    def __init__(self, orca, keyboard):
        self.orca, self.keyboard = orca, keyboard
        self.next = len(self.said())    # the first utterance not yet taken
        self.heard = 0                  # the game's messages Orca said
        self.step = "the page"

    def said(self):
        # A message said twice in a row ends in a no-break space the second time.
        return [utterance.replace("\u00a0", " ").strip() for utterance in self.orca.said()]

    def hear(self, step, pattern, *keys, message=True):
        """Presses the keys, then waits for Orca to say an utterance matching
        the pattern, after the last one taken."""
        self.step = step
        start = self.next
        if keys:
            self.keyboard.press(*keys)

        def found():
            said = self.said()
            return next(((i, match) for i in range(self.next, len(said))
                         for match in [re.fullmatch(pattern, said[i])] if match), None)
        index, match = sr.poll(found, f"Orca to say {pattern!r}", timeout=10)
        self.next = index + 1
        self.heard += message
        print(f"  {step:<34} {' | '.join(short(u) for u in self.said()[start:self.next])}")
        return match

    def conceals(self, solution, since, before):
        """Orca has not said the solution since the number was asked."""
        leaks = [u for u in self.said()[since:] if solution and webplay.occurrences(solution, u)]
        if leaks:
            raise sr.CheckFailed(f"before {before}, Orca said the solution {solution}: {leaks}")


def new_number(ear):
    """Return asks a number: the number, and where Orca said it."""
    number = int(ear.hear("Return: a new number", r"Neue Zahl: (\d+)\.?", "Return").group(1))
    return number, ear.next - 1


def play(ear, driver):
    # The game takes the focus as it starts. While Orca is still taking in
    # the page, it may say nothing of it and stay in browse mode, where
    # letters are its own commands; a learner goes to the address bar (F6)
    # and back into the page (Shift+F6), and Orca hears of the game.
    ear.step = "the game takes the focus"
    webplay.wait("the game to take the focus", lambda: driver.execute_script(
        "return document.activeElement === document.querySelector('#spiel canvas');"), 10)
    loaded = ear.next
    ear.hear("F6: the address bar", r".*\b127\.0\.0\.1:\d+\b.*", "F6", message=False)
    named = any(u.startswith(EXERCISE) for u in ear.said()[loaded:ear.next])
    print(f"  {'':<34} (Orca {'said' if named else 'did not say'} the game as it took the focus)")
    ear.hear("Shift+F6: the game has the focus", re.escape(EXERCISE) + r"( \w+)?\.?", "Shift_L", "F6",
             message=False)
    ear.hear("  and its description", r"(Römische Zahlen )?Das Spiel wird mit der Tastatur gespielt\b.*",
             message=False)

    number, since = new_number(ear)
    for _ in range(2):
        ear.hear("BackSpace on an empty answer", saying("Antwort: leer"), "BackSpace")
    answer = webplay.roman(number)
    for i, letter in enumerate(answer.lower()):
        if i == len(answer) - 1:
            ear.conceals(answer, since, f"the last key of the answer to {number}")
        ear.hear(f"key {letter}", saying("Antwort: " + answer[:i + 1]), letter)
    ear.hear(f"Return: the answer {answer or 'leer'}", saying("Richtig. 60 Punkte."), "Return")

    # Three games lost in a row, each with three wrong answers; after each,
    # Return opens the game-over window, which must be said as it becomes
    # active, and Return there starts a new game.
    for game, scores in enumerate(((35, 10, -15), (25, 0, -25), (25, 0, -25)), 1):
        for points in scores:
            number, since = new_number(ear)
            solution = webplay.roman(number)
            wrong = "v" if solution == "I" else "i"
            ear.hear(f"key {wrong}, a wrong answer", saying("Antwort: " + wrong.upper()), wrong)
            ear.conceals(solution, since, f"the verdict on a wrong answer to {number}")
            verdict = (f"Falsch. Lösung: {solution or 'leer'}. "
                       + (f"{points} Punkte." if points >= 0 else
                          f"Verloren: {points} Punkte. Weiter mit der Eingabetaste."))
            ear.hear("Return: the verdict", saying(verdict), "Return")

        ear.hear(f"Return: the game-over window ({game})",
                 saying(f"{GAME_OVER}. Du hast leider verloren! Neues Spiel, Schaltfläche."), "Return")
        if game == 1:
            ear.hear("Tab", saying("Ende, Schaltfläche."), "Tab")
            ear.hear("Shift+Tab", saying("Neues Spiel, Schaltfläche."), "Shift_L", "Tab")
        ear.hear("Return: a new game", saying(f"{EXERCISE}. Neue Zahl, Schaltfläche."), "Return")
    new_number(ear)


def chromium(env, profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + (f"--user-data-dir={profile}",):
        options.add_argument(flag)
    try:
        return webdriver.Chrome(service=Service("/usr/bin/chromedriver", env=env), options=options)
    except WebDriverException as error:
        raise sr.SetupFailed(f"Chromium did not start: {error.msg}")


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    zips = sorted(pathlib.Path(sys.argv[1]).glob("roemische-zahlen-*-web.zip"))
    if len(zips) != 1:
        print(f"web-screenreader: expected one web zip in {sys.argv[1]}, found {zips}", file=sys.stderr)
        return 2
    began = time.monotonic()
    # Ended from outside, it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    processes = sr.Processes()
    tmp = tempfile.mkdtemp(prefix="rz-web-screenreader-")
    server = driver = ear = None
    status = 0
    try:
        site = webplay.check_zip(zips[0], pathlib.Path(tmp) / "site")
        env = sr.start_session(processes, tmp)
        orca = sr.Orca(processes, env, tmp)
        server = webplay.Server(site)
        driver = chromium(env, pathlib.Path(tmp) / "profile")
        keyboard = Keyboard(env["DISPLAY"])
        keyboard.focus()
        ear = Ear(orca, keyboard)
        print(f"== the game by ear, Orca and Chromium ready after {time.monotonic() - began:.1f} s")
        driver.get(server.url)
        ear.hear("Orca: the page has loaded", r"Finished loading Römische Zahlen\.?", message=False)
        ear.step = "the game's first frame"
        webplay.first_frame(driver)
        play(ear, driver)
        print(f"== played by ear: Orca said {ear.heard} of the game's messages ({len(ear.said())} "
              f"utterances in all); {time.monotonic() - began:.1f} s")
    except (sr.SetupFailed, OSError) as failure:
        print(f"web-screenreader: cannot set up the session: {failure}", file=sys.stderr)
        status = 2
    except FAILED as failure:
        print(f"web-screenreader: FAILED at {ear.step if ear else 'the start'}: {failure}", file=sys.stderr)
        if ear:
            print("Orca's last words:\n  " + "\n  ".join(ear.said()[-15:]), file=sys.stderr)
        status = 1
    finally:
        if driver:
            with contextlib.suppress(WebDriverException):
                driver.quit()
        if server:
            server.stop()
        processes.end_all()
        shutil.rmtree(tmp, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
