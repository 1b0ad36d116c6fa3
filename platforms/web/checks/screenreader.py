#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser version played by ear under the Orca screen reader.

The game of the zip, served from 127.0.0.1, in Debian's Chromium or
Firefox ESR (with a window, since Orca hears no headless browser) on a
session of its own as the checks' kit starts it: an X server, the buses and
Orca, which logs everything it says. The browser starts after Orca, so that
it gives its pages to the accessibility bus. The keys go through the X
server, as from a keyboard: Orca hears them and, in focus mode, passes them
to the page.

One game, by ear: the page opened as a pupil opens it (in Firefox, its
address typed into the address bar); the game takes the focus as it
starts; with the keys the handbook gives a screen reader's user to reach
the game (its element tasten-zum-spiel, which the page's help must name
alike), Orca names it after its window and describes it with the page's
help; Return asks a number, read from what Orca says; Backspace
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

usage: screenreader.py BUILD-WEB-FOLDER HANDBOOK [chromium|firefox]
"""

import contextlib
import html
import pathlib
import re
import shutil
import signal
import sys
import tempfile
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit import CheckFailed, SetupFailed, facts  # noqa: E402
from rzkit.browser import Server, first_frame, the_zip, unpack, wait  # noqa: E402
from rzkit.engines import browser, version  # noqa: E402
from rzkit.orca import Orca  # noqa: E402
from rzkit.roman import occurrences, roman, wrong_letter  # noqa: E402
from rzkit.session import Processes, poll, start_session  # noqa: E402

EXERCISE = facts.exercise()
GAME_OVER = facts.game_over()


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
        """What a window manager does: the keyboard to the browser's window,
        the one shown on the screen."""
        def window():
            for child in self.x.screen().root.query_tree().children:
                try:
                    if child.get_wm_class() and child.get_attributes().map_state == X.IsViewable:
                        return child
                except Exception:  # a window gone meanwhile
                    pass
            return None
        poll(window, "the browser's window on the screen", SetupFailed).set_input_focus(
            X.RevertToParent, X.CurrentTime)
        self.x.sync()

    def type(self, text):
        """Types the text key by key, as on a US keyboard."""
        names = {":": ("Shift_L", "semicolon"), "/": ("slash",), ".": ("period",)}
        for char in text:
            self.press(*names.get(char, (char,)))

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
        index, match = poll(found, f"Orca to say {pattern!r}", timeout=10)
        self.next = index + 1
        self.heard += message
        print(f"  {step:<34} {' | '.join(short(u) for u in self.said()[start:self.next])}")
        return match

    def conceals(self, solution, since, before):
        """Orca has not said the solution since the number was asked."""
        leaks = [u for u in self.said()[since:] if solution and occurrences(solution, u)]
        if leaks:
            raise CheckFailed(f"before {before}, Orca said the solution {solution}: {leaks}")


# The handbook's names of keys, as the X server's.
KEYSYMS = {"Tab": "Tab", "Umschalt": "Shift_L", "Strg": "Control_L", "Alt": "Alt_L", "Eingabetaste": "Return"}


def plain(markup):
    return " ".join(html.unescape(re.sub(r"<[^>]+>", " ", markup)).split())


def keys_to_the_game(handbook, site):
    """The keys the handbook names to reach the game, in order (each key a
    chord of X key names: "Umschalt+F6" is Shift_L and F6), once the page's
    help names the same."""
    found = re.search(r'<p id="tasten-zum-spiel">(.*?)</p>', handbook.read_text(encoding="utf-8"), re.S)
    names = re.findall(r"<kbd>(.*?)</kbd>", found.group(1)) if found else []
    if not names:
        raise CheckFailed(f"{handbook}: no keys in the element tasten-zum-spiel")
    said = plain(found.group(1)[found.group(1).index("<kbd>"):found.group(1).rindex("</kbd>")])
    help_text = re.search(r'<div id="hilfe"[^>]*>(.*?)</div>', (site / "index.html").read_text(encoding="utf-8"), re.S)
    if not help_text or said not in plain(help_text.group(1)):
        raise CheckFailed(f"the page's help does not name the handbook's keys to the game: {said!r}")
    return [[KEYSYMS.get(part, part) for part in name.split("+")] for name in names]


def new_number(ear):
    """Return asks a number: the number, and where Orca said it."""
    number = int(ear.hear("Return: a new number", saying(facts.say("newNumber", "NUMBER")).replace("NUMBER", r"(\d+)"),
                          "Return").group(1))
    return number, ear.next - 1


def play(ear, driver, keys):
    # The game takes the focus as it starts. While Orca is still taking in
    # the page, it may say nothing of it and stay in browse mode, where
    # letters are its own commands; a learner presses the handbook's keys
    # (to the address bar and back), and Orca hears of the game.
    ear.step = "the game takes the focus"
    wait("the game to take the focus", lambda: driver.execute_script(
        "return document.activeElement === document.querySelector('#spiel canvas');"), 10)
    loaded = ear.next
    game = re.escape(EXERCISE.name) + r"( \w+)?\.?"

    def keyboard():
        return driver.execute_script("return [document.hasFocus(), String(document.activeElement)];")
    for chord in keys[:-1]:
        before = keyboard()
        ear.keyboard.press(*chord)
        wait(f"the keyboard to move on from {before} with {'+'.join(chord)}", lambda: keyboard() != before, 10)
        print(f"  {'+'.join(chord) + ': the keyboard moves on':<34} (from {before} to {keyboard()})")
    named = any(u.startswith(EXERCISE.name) for u in ear.said()[loaded:ear.next])
    print(f"  {'':<34} (Orca {'said' if named else 'did not say'} the game as it took the focus)")
    ear.hear(f"{'+'.join(keys[-1])}: the game has the focus", game, *keys[-1], message=False)
    ear.hear("  and its description", r"(Römische Zahlen )?Das Spiel wird mit der Tastatur gespielt\b.*",
             message=False)

    number, since = new_number(ear)
    for _ in range(2):
        ear.hear("BackSpace on an empty answer", saying(facts.say("answer", facts.say("empty"))), "BackSpace")
    answer = roman(number)
    for i, letter in enumerate(answer.lower()):
        if i == len(answer) - 1:
            ear.conceals(answer, since, f"the last key of the answer to {number}")
        ear.hear(f"key {letter}", saying(facts.say("answer", answer[:i + 1])), letter)
    ear.hear(f"Return: the answer {answer or 'leer'}", saying(facts.say("right", 60)), "Return")

    # Three games lost in a row, each with three wrong answers; after each,
    # Return opens the game-over window, which must be said as it becomes
    # active, and Return there starts a new game.
    for game, scores in enumerate(((35, 10, -15), (25, 0, -25), (25, 0, -25)), 1):
        for points in scores:
            number, since = new_number(ear)
            solution = roman(number)
            wrong = wrong_letter(number).lower()
            ear.hear(f"key {wrong}, a wrong answer", saying(facts.say("answer", wrong.upper())), wrong)
            ear.conceals(solution, since, f"the verdict on a wrong answer to {number}")
            verdict = facts.verdict(solution, points, lost=points < 0)
            ear.hear("Return: the verdict", saying(verdict), "Return")

        ear.hear(f"Return: the game-over window ({game})",
                 saying(GAME_OVER.said), "Return")
        if game == 1:
            ear.hear("Tab", saying(GAME_OVER.control("Ende")["said"]), "Tab")
            ear.hear("Shift+Tab", saying(GAME_OVER.control("Neues Spiel")["said"]), "Shift_L", "Tab")
        ear.hear("Return: a new game", saying(EXERCISE.said), "Return")
    new_number(ear)


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["chromium"], ["firefox"]):
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    engine = (sys.argv[3:] or ["chromium"])[0]
    began = time.monotonic()
    # Ended from outside, it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    processes = Processes()
    tmp = tempfile.mkdtemp(prefix="rz-web-screenreader-")
    server = ear = None
    status = 0
    opened = contextlib.ExitStack()
    try:
        site = unpack(the_zip(sys.argv[1]), pathlib.Path(tmp) / "site")
        keys = keys_to_the_game(pathlib.Path(sys.argv[2]), site)
        env = start_session(processes, tmp)
        orca = Orca(processes, env, tmp)
        server = Server(site)
        try:
            # With a window on the session's screen: Orca hears no headless browser.
            driver = opened.enter_context(browser(engine, {}, env=env, headless=False))
        except Exception as error:
            raise SetupFailed(f"{engine} did not start: {error}")
        keyboard = Keyboard(env["DISPLAY"])
        keyboard.focus()
        ear = Ear(orca, keyboard)
        print(f"== the game by ear, Orca and {driver.engine} {version(engine)} ready after "
              f"{time.monotonic() - began:.1f} s")
        if driver.engine == "Firefox ESR":
            # A driver's page leaves Firefox's keyboard in the address bar,
            # where a pupil types the address: then the page has it.
            keyboard.type(server.url)
            keyboard.press("Return")
        else:
            driver.get(server.url)
        ear.hear("Orca: the page has loaded", r"Finished loading Römische Zahlen\.?", message=False)
        ear.step = "the game's first frame"
        first_frame(driver)
        play(ear, driver, keys)
        print(f"== played by ear: Orca said {ear.heard} of the game's messages ({len(ear.said())} "
              f"utterances in all); {time.monotonic() - began:.1f} s")
    except (SetupFailed, OSError) as failure:
        print(f"web-screenreader: cannot set up the session: {failure}", file=sys.stderr)
        status = 2
    except CheckFailed as failure:
        print(f"web-screenreader: FAILED at {ear.step if ear else 'the start'}: {failure}", file=sys.stderr)
        if ear:
            print("Orca's last words:\n  " + "\n  ".join(ear.said()[-15:]), file=sys.stderr)
        status = 1
    finally:
        with contextlib.suppress(Exception):
            opened.close()
        if server:
            server.stop()
        processes.end_all()
        shutil.rmtree(tmp, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
