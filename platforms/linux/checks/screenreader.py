#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game played by keyboard under the Orca screen reader.

    checks/screenreader.py [--sockets] PROGRAM

Starts a session of its own: an X server (Xvfb), a D-Bus session bus, the
accessibility bus (at-spi-bus-launcher) and its registry, Orca with speech
and braille off but with its debug log, which records everything Orca would
say, and then the program with Qt's AT-SPI bridge switched on. It plays one
game on the keyboard: a right answer typed key by key, a wrong answer with a
key that does nothing, wrong answers into the lost state, Return through the
game-over window to a new game. The numbers drawn are read from the window
over AT-SPI.

It fails unless, at every step, the program's announcement arrives on the
AT-SPI bus with the expected German text, by the way the program's Qt sends
it (before Qt 6.8 a notification shown, from 6.8 on an announcement event;
the other way fails), and Orca speaks that text; unless Orca speaks the game-over message; and unless, while the
solution box is hidden, neither its readable text nor any event nor any
announcement carries the solution. It also checks what the windows tell a
screen reader: roles, names and labels.

With --sockets the program runs under strace, and the check fails unless
every socket it opened in the whole game is a local (Unix) one: the game
sends nothing anywhere, not even a name to a name server.

Like a window manager, it gives the keyboard to each window the program
shows. It ends only the processes it started, by their ids, with whatever
they started in turn. Prints the steps and what Orca said; exits with 0 when
everything held, 1 when not, 2 when the session could not be set up.
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "checks"))  # the kit, run by hand
from rzkit import CheckFailed, SetupFailed, facts  # noqa: E402
from rzkit.orca import Orca  # noqa: E402
from rzkit.roman import roman  # noqa: E402
from rzkit.session import Processes, poll, start_session  # noqa: E402

APP = "roemische-zahlen"


def words(text):
    return set(re.findall(r"\w+", text or ""))


def role_of(obj):
    """The name of an object's role as AT-SPI 2.46 (Debian 12) gives it;
    later versions call the push button a "button"."""
    name = obj.getRoleName()
    return "push button" if name == "button" else name


def button(name):
    """What Orca says of a button as the focus reaches it: Orca 43 calls it a
    push button, Orca 48 a button."""
    return (name + " push button", name + " button")


# ---- the program over AT-SPI ----------------------------------------------

class Game:
    def __init__(self, processes, env, program, orca, sockets=None):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.orca = orca
        self.events = []          # (type, role, name, detail1, text) from the program
        self.announcements = []   # texts announced, by either way
        self.ways = set()         # the ways they came: "a notification", "an announcement event"
        pyatspi.Registry.registerEventListener(
            self._event, "object:state-changed", "object:text-changed", "object:property-change",
            "object:children-changed", "object:announcement", "focus:", "window:")
        # What the program prints (Qt's bridge complains when the screen
        # reader is slow to answer a key) is shown only if the check fails.
        self.output = os.path.join(os.path.dirname(orca.log), "program.log")
        with open(self.output, "w") as output:
            command = [program]
            if sockets:
                command = ["strace", "-f", "-qqq", "-e", "signal=none", "-e", "trace=socket,socketpair",
                           "-o", sockets] + command
            self.process = processes.start(command, dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                           QT_QPA_PLATFORM="xcb"),
                                           stdout=output, stderr=subprocess.STDOUT)
        from Xlib import display as xdisplay
        self.x = xdisplay.Display(env["DISPLAY"])

    # -- events

    def _event(self, event):
        try:
            if event.host_application is None or event.host_application.name != APP:
                return
            source = event.source
            role, name = role_of(source), source.name
        except Exception:  # an object gone already
            return
        text = event.any_data if isinstance(event.any_data, str) else ""
        self.events.append((event.type, role, name, event.detail1, text))
        # Before Qt 6.8 an announcement is a notification that is shown,
        # holding a label with the text; from 6.8 on it is an event of its own.
        if event.type == "object:state-changed:showing" and event.detail1 and role == "notification":
            labels = [source.getChildAtIndex(i) for i in range(source.childCount)]
            self._announced("a notification", role, name, " ".join(label.name for label in labels if label))
        elif event.type == "object:announcement":
            self._announced("an announcement event", role, name, text)

    def _announced(self, way, role, name, text):
        self.ways.add(way)
        self.announcements.append(text)
        self.events.append(("announcement", role, name, 1, text))

    def expected_way(self):
        """How the program's Qt announces: by the Qt version it tells AT-SPI."""
        version = self.application().get_toolkit_version()
        numbers = tuple(int(part) for part in re.findall(r"\d+", version)[:2])
        if len(numbers) != 2:
            raise CheckFailed("the program tells no Qt version: %r" % version)
        return version, ("an announcement event" if numbers >= (6, 8) else "a notification")

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    def wait(self, condition, what):
        def pumped():
            self.pump()
            return condition()
        return poll(pumped, what)

    # -- the windows

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP:
                return app
        return None

    def window(self, name, showing=True):
        app = self.application()
        if app is None:
            return None
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name == name and (not showing or self.showing(window)):
                return window
        return None

    def showing(self, obj):
        return obj.getState().contains(self.pyatspi.STATE_SHOWING)

    def control(self, window, role, name):
        for i in range(window.childCount):
            child = window.getChildAtIndex(i)
            if child is not None and role_of(child) == role and child.name == name:
                return child
        raise CheckFailed("no %s %r in %r" % (role, name, window.name))

    def text(self, obj):
        text = obj.queryText()
        return text.getText(0, text.characterCount)

    def related(self, obj, relation):
        names = []
        for rel in obj.getRelationSet():
            if rel.getRelationType() == relation:
                names += [rel.getTarget(i).name for i in range(rel.getNTargets())]
        return sorted(names)

    def give_keyboard(self, title, name):
        """What a window manager does for a window just shown."""
        from Xlib import X
        def viewable():
            for window in self.x.screen().root.query_tree().children:
                try:
                    if window.get_wm_name() == title and window.get_attributes().map_state == X.IsViewable:
                        return window
                except Exception:
                    pass
            return None
        target = self.wait(viewable, "the window %r on the screen" % title)
        target.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        self.wait(lambda: self.window(name) is not None
                  and self.window(name).getState().contains(self.pyatspi.STATE_ACTIVE),
                  "the window %r to be active" % name)

    # -- playing

    KEYSYMS = {"Return": 0xff0d, "Tab": 0xff09, "BackSpace": 0xff08}

    def press(self, key):
        keysym = self.KEYSYMS.get(key, ord(key.lower()) if len(key) == 1 else None)
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)

    def expect(self, key, said):
        """Presses a key and waits for its announcement, on the bus and from
        Orca. Returns the events since the key."""
        first = len(self.events)
        self.orca.mark()
        self.press(key)
        self.wait(lambda: said in self.announcements[self.count_before(first):],
                  "the announcement %r after %s; announced: %r"
                  % (said, key, self.announcements[self.count_before(first):]))
        self.orca.wait_to_say(said)
        print("  %-9s -> %s" % (key, said))
        return self.events[first:]

    def count_before(self, first):
        return sum(1 for event in self.events[:first] if event[0] == "announcement")


# ---- the checks -----------------------------------------------------------

EXERCISE = facts.exercise()
GAME_OVER = facts.game_over()


def named(layout_name):
    """The name a screen reader gives a control of the exercise window."""
    return EXERCISE.control(layout_name=layout_name)["name"]


def check_structure(game):
    """Roles, names and labels of the exercise window, on the real bus: each
    box is named by the label above it, both option buttons by the
    direction label."""
    pyatspi = game.pyatspi
    frame = game.window(EXERCISE.name)
    if role_of(frame) != "frame":
        raise CheckFailed("the exercise window is a %r, not a frame" % role_of(frame))
    for label, box in (("Label1", "Text2"), ("Label2", "Text3"), ("Label3", "Text6"), ("Label4", "Text4")):
        label, box = named(label), named(box)
        if game.related(game.control(frame, "text", box), pyatspi.RELATION_LABELLED_BY) != [label]:
            raise CheckFailed("the box %r is not labelled by %r" % (box, label))
        if game.related(game.control(frame, "label", label), pyatspi.RELATION_LABEL_FOR) != [box]:
            raise CheckFailed("the label %r is not the label for %r" % (label, box))
    options = [named("Option1"), named("Option2")]
    direction = named("Label5")
    for option in options:
        if game.related(game.control(frame, "radio button", option),
                        pyatspi.RELATION_LABELLED_BY) != [direction]:
            raise CheckFailed("the option button %r is not labelled by the direction label" % option)
    if game.related(game.control(frame, "label", direction), pyatspi.RELATION_LABEL_FOR) != options:
        raise CheckFailed("the direction label is not the label for both option buttons")
    game.control(frame, "push button", named("Command22"))
    print("  roles, names and labels as a screen reader needs them")


class Hidden:
    """Watches the solution box while it is hidden: nothing may carry the
    solution, neither its readable text nor an event nor an announcement."""

    def __init__(self, game, solution, first):
        self.game, self.solution, self.first = game, solution, first
        self.box = game.control(game.window(EXERCISE.name), "text", named("Text6"))

    def holds(self, typed=None):
        """Checks the box, the events into it and every event and
        announcement up to the learner's first key (typed: the number of
        events then), after which the learner's own answer may well be the
        solution."""
        game = self.game
        game.pump()
        if game.showing(self.box):
            raise CheckFailed("the solution box is showing during an exercise")
        if game.text(self.box):
            raise CheckFailed("the hidden solution box reads %r" % game.text(self.box))
        for index, (kind, role, name, _, text) in enumerate(game.events[self.first:], self.first):
            if kind.startswith("object:text-changed:insert") and name == named("Text6") and text.strip():
                raise CheckFailed("an event carries %r into the hidden solution box" % text)
            # What was deleted was shown before; what the learner typed is
            # the learner's.
            if kind.startswith("object:text-changed:delete") or (typed is not None and index >= typed):
                continue
            if self.solution and self.solution in words(text):
                raise CheckFailed("the event %s from %s %r carries the hidden solution %r: %r"
                                  % (kind, role, name, self.solution, text))


def new_number(game, points):
    """Return asks a new number; the question is read from the window."""
    game.orca.mark()
    first = len(game.events)
    game.press("Return")
    frame = game.window(EXERCISE.name)
    box = game.control(frame, "text", named("Text2"))
    game.wait(lambda: game.count_before(len(game.events)) > game.count_before(first),
              "the announcement of a new number")
    digits = game.text(box)
    if not re.fullmatch(r"[0-9 ]{4}", digits):
        raise CheckFailed("the question box reads %r" % digits)
    n = int(digits.replace(" ", ""))
    said = facts.say("newNumber", n)
    announced = game.announcements[game.count_before(first):]
    if announced != [said]:
        raise CheckFailed("after Return: announced %r, expected %r" % (announced, [said]))
    game.orca.wait_to_say(said)
    print("  %-9s -> %s" % ("Return", said))
    return n, Hidden(game, roman(n), first)


def verdict(n, answer, points):
    solution = roman(n)
    if answer == solution:
        return facts.say("right", points + 10), points + 10
    points -= 25
    return facts.verdict(solution, points, lost=points < 0), points


def play(game):
    orca = game.orca
    game.wait(lambda: game.window(EXERCISE.name), "the exercise window")
    game.give_keyboard(EXERCISE.title, EXERCISE.name)
    orca.wait_to_say(button(named("Command1")))
    check_structure(game)
    points = 50

    print("A right answer, typed key by key:")
    n, hidden = new_number(game, points)
    hidden.holds()
    answer = ""
    typed = len(game.events)
    for letter in roman(n):
        answer += letter
        game.expect(letter, facts.say("answer", answer))
        hidden.holds(typed)
    said, points = verdict(n, answer, points)
    game.expect("Return", said)

    print("A wrong answer, with a key that does nothing:")
    n, hidden = new_number(game, points)
    game.expect("5", facts.say("romanAsked"))
    hidden.holds()
    said, points = verdict(n, "", points)
    events = game.expect("Return", said)
    if roman(n):
        box = hidden.box
        if not game.showing(box) or game.text(box) != roman(n):
            raise CheckFailed("after a wrong answer the solution box shows %r" % game.text(box))
        shown = [i for i, e in enumerate(events)
                 if e[0] == "object:state-changed:showing" and e[2] == named("Text6")]
        filled = [i for i, e in enumerate(events) if e[0].startswith("object:text-changed:insert")
                  and e[2] == named("Text6") and e[4].strip()]
        if not shown or not filled or filled[0] < shown[0]:
            raise CheckFailed("the solution came before its box was shown: %r" % events)

    print("Wrong answers until the game is lost:")
    for _ in range(12):
        if points < 0:
            break
        n, hidden = new_number(game, points)
        hidden.holds()
        said, points = verdict(n, "", points)
        game.expect("Return", said)
    if points >= 0:
        raise CheckFailed("the game was not lost")
    orca.wait_to_say(button(named("Command22")))
    game.expect("x", facts.say("lostKey"))

    print("Return presses the lost button; the game-over window:")
    orca.mark()
    game.press("Return")
    dialog = game.wait(lambda: game.window(GAME_OVER.name), "the game-over window")
    if role_of(dialog) != "dialog":
        raise CheckFailed("the game-over window is a %r, not a dialog" % role_of(dialog))
    lost_message = GAME_OVER.control(layout_name="Label1")["caption"]
    message = game.control(dialog, "label", lost_message)
    if message.getRelationSet():
        raise CheckFailed("the game-over message is tied to a control, so it is no dialog message")
    game.give_keyboard(GAME_OVER.title, GAME_OVER.name)
    orca.wait_to_say(lost_message, whole=False)
    orca.wait_to_say(button(GAME_OVER.control(layout_name="Command1")["name"]))
    print("  %-9s -> %s" % ("Return", "game-over window: " + lost_message))

    print("Return presses Neues Spiel; a new game:")
    orca.mark()
    game.press("Return")
    game.wait(lambda: game.window(GAME_OVER.name) is None and game.window(EXERCISE.name) is not None
              and game.window(EXERCISE.name).getState().contains(game.pyatspi.STATE_ACTIVE),
              "the new exercise window to be active")
    orca.wait_to_say(button(named("Command1")))
    frame = game.window(EXERCISE.name)
    if game.text(game.control(frame, "text", named("Text4"))) != "50":
        raise CheckFailed("the new game does not start with 50 points")
    n, hidden = new_number(game, 50)
    hidden.holds()

    version, way = game.expected_way()
    if game.ways != {way}:
        raise CheckFailed("with Qt %s every announcement should come as %s; they came as %s"
                          % (version, way, " and ".join(sorted(game.ways)) or "nothing"))
    print("Every announcement came as %s (Qt %s)." % (way, version))


def check_sockets(trace):
    """Every socket of the program's trace a local one; and some there, or
    the trace did not see the program (its X connection is one)."""
    with open(trace) as lines:
        opened = [line.strip() for line in lines if re.search(r"\bsocket(pair)?\(", line)]
    if not opened:
        raise CheckFailed("the trace shows no socket at all, not even the display's: %s" % trace)
    others = [line for line in opened if not re.search(r"\bsocket(pair)?\(AF_(UNIX|LOCAL),", line)]
    if others:
        raise CheckFailed("the program opened sockets that are not local:\n  " + "\n  ".join(others))
    print("The program opened %d sockets, all of them local (Unix) sockets." % len(opened))


def main():
    arguments = sys.argv[1:]
    sockets = arguments[:1] == ["--sockets"]
    if sockets:
        arguments = arguments[1:]
    if len(arguments) != 1:
        print("usage: screenreader.py [--sockets] PROGRAM", file=sys.stderr)
        return 2
    program = os.path.abspath(arguments[0])
    processes = Processes()
    status = 0
    orca = game = None
    with tempfile.TemporaryDirectory(prefix="rz-screenreader-") as tmp:
        try:
            env = start_session(processes, tmp)
            for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
                os.environ[key] = env[key]
            os.environ.pop("AT_SPI_BUS_ADDRESS", None)
            orca = Orca(processes, env, tmp)
            trace = os.path.join(tmp, "sockets.trace") if sockets else None
            game = Game(processes, env, program, orca, trace)
            play(game)
            processes.end_all()
            if trace:
                check_sockets(trace)
            print("Orca said:")
            for utterance in orca.said():
                print("  " + utterance)
            print("screen reader check passed")
        except SetupFailed as failure:
            print("screenreader: cannot set up the session: %s" % failure, file=sys.stderr)
            status = 2
        except CheckFailed as failure:
            print("screenreader: FAILED: %s" % failure, file=sys.stderr)
            if orca:
                print("Orca said: %r" % orca.said(), file=sys.stderr)
            if game:
                with open(game.output, errors="replace") as output:
                    print("The program printed:\n" + output.read(), file=sys.stderr)
            status = 1
        finally:
            processes.end_all()
    return status


if __name__ == "__main__":
    sys.exit(main())
