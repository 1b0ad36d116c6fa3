#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game played by keyboard under the Orca screen reader.

    checks/screenreader.py PROGRAM

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

Like a window manager, it gives the keyboard to each window the program
shows. It ends only the processes it started, by their ids, with whatever
they started in turn. Prints the steps and what Orca said; exits with 0 when
everything held, 1 when not, 2 when the session could not be set up.
"""

import ctypes
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

STEP_TIMEOUT = 20.0  # seconds for any one thing to happen
APP = "roemische-zahlen"
EXERCISE = "Römische Zahlen – Übung"
GAME_OVER = "Römische Zahlen – Spiel verloren"
EXERCISE_TITLE = "Mathematik"
GAME_OVER_TITLE = "Mathematik in der ZEL:"
LOST_MESSAGE = "Du hast leider verloren!"

# Orca started by its own launcher, /usr/bin/orca, with the launcher's own
# options: the debug log, which records everything Orca says, braille off,
# and preferences of this session. Speech stays on, since Orca 48 says an
# announcement only then, but finds no synthesizer (see Orca below), and
# Orca logs what it says without one. Three names of the launcher script are
# replaced for a session of its own: it does not look for other
# Orcas of the same user (this session has its own display and buses; any
# other Orca on the machine is another session's), nor name its process
# "orca" (so that no other session takes it for one of its own), and it
# writes the log line by line, so that the log can be read while Orca runs.
# Orca's own modules are not touched: they differ between its versions.
ORCA_LAUNCHER = """
import functools, importlib.machinery, importlib.util, sys
loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
launcher = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(launcher)
launcher.otherOrcas = lambda: []
launcher.setProcessName = lambda name: False
launcher.open = functools.partial(open, buffering=1)
sys.argv = ["orca", "--debug-file", sys.argv[1], "--user-prefs", sys.argv[2], "--disable", "braille"]
sys.exit(launcher.main())
"""
# What Orca logs once it listens to the accessibility bus (Orca 43, 48).
ORCA_LISTENING = re.compile(r"ORCA: Starting (registry|Atspi main event loop)")


class CheckFailed(Exception):
    pass


class SetupFailed(Exception):
    pass


def roman(n):
    """The Roman numeral of 0 to 3999; 0 has none."""
    out = ""
    for value, letters in ((1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"),
                           (90, "XC"), (50, "L"), (40, "XL"), (10, "X"), (9, "IX"), (5, "V"),
                           (4, "IV"), (1, "I")):
        while n >= value:
            out += letters
            n -= value
    return out


def words(text):
    return set(re.findall(r"\w+", text or ""))


# ---- processes ------------------------------------------------------------

class Processes:
    """The processes of the session: started here, ended here by id."""

    def __init__(self):
        self.started = []
        # Orphans of our processes (the accessibility bus of the launcher, a
        # service the bus starts) become our children, so we can end them.
        try:
            ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
        except (OSError, AttributeError):
            pass

    def start(self, args, env, **kwargs):
        process = subprocess.Popen(args, env=env, **kwargs)
        self.started.append(process)
        return process

    @staticmethod
    def _children(pid):
        found = []
        try:
            for task in os.listdir("/proc/%d/task" % pid):
                with open("/proc/%d/task/%s/children" % (pid, task)) as f:
                    found += [int(c) for c in f.read().split()]
        except OSError:
            pass
        return found

    def _ours(self):
        """Every living process we started, and all their descendants."""
        pids, todo = [], [p.pid for p in self.started if p.poll() is None]
        todo += self._children(os.getpid())
        while todo:
            pid = todo.pop()
            if pid in pids or pid == os.getpid():
                continue
            pids.append(pid)
            todo += self._children(pid)
        return pids

    def end(self, process, grace=3.0):
        """Ends one process we started, and what it started, by their ids."""
        victims = [process.pid] if process.poll() is None else []
        todo = list(victims)
        while todo:
            for child in self._children(todo.pop()):
                victims.append(child)
                todo.append(child)
        self._kill(victims, grace)

    def end_all(self):
        for process in reversed(self.started):
            self.end(process)
        self._kill(self._ours(), 3.0)
        self._reap()

    def _kill(self, pids, grace):
        for pid in pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline and any(self._alive(pid) for pid in pids):
            self._reap()
            time.sleep(0.05)
        for pid in pids:
            if self._alive(pid):
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        self._reap()

    def _alive(self, pid):
        try:
            with open("/proc/%d/stat" % pid) as f:
                return f.read().split(")")[-1].split()[0] != "Z"
        except OSError:
            return False

    def _reap(self):
        for process in self.started:
            process.poll()
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid == 0:
                return


# ---- the session ----------------------------------------------------------

def read_line_from(fd):
    data = b""
    while not data.endswith(b"\n"):
        chunk = os.read(fd, 256)
        if not chunk:
            break
        data += chunk
    os.close(fd)
    return data.decode().strip()


def start_session(processes, tmp):
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("DBUS_", "AT_SPI_", "WAYLAND_", "QT_", "XDG_"))}
    env.update({"HOME": tmp, "XDG_RUNTIME_DIR": tmp, "XDG_CONFIG_HOME": os.path.join(tmp, "config"),
                "GSETTINGS_BACKEND": "memory", "LANG": "C.UTF-8"})
    os.chmod(tmp, 0o700)

    read, write = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                    env, pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    display = read_line_from(read)
    if not display:
        raise SetupFailed("Xvfb did not start")
    env["DISPLAY"] = ":" + display

    read, write = os.pipe()
    processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write], env,
                    pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(read)
    if not env["DBUS_SESSION_BUS_ADDRESS"]:
        raise SetupFailed("the D-Bus session bus did not start")

    from gi.repository import Gio, GLib

    def bus(address):
        return Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    def owned(connection, name):
        reply = connection.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                     "NameHasOwner", GLib.Variant("(s)", (name,)), None, 0, -1, None)
        return reply.unpack()[0]

    session = bus(env["DBUS_SESSION_BUS_ADDRESS"])
    processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                    stderr=subprocess.DEVNULL)
    poll(lambda: owned(session, "org.a11y.Bus"), "the accessibility bus launcher", SetupFailed)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None, 0,
                              -1, None)
    # Everyone finds the accessibility bus as on a desktop, through the
    # session bus (Qt 6.4 does not get going when AT_SPI_BUS_ADDRESS is set).
    a11y_address = reply.unpack()[0]
    processes.start(["/usr/libexec/at-spi2-registryd"], env, stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
    a11y = bus(a11y_address)
    poll(lambda: owned(a11y, "org.a11y.atspi.Registry"), "the accessibility registry", SetupFailed)
    return env


def poll(condition, what, failure=CheckFailed, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise failure("timed out waiting for " + what)


# ---- Orca -----------------------------------------------------------------

class Orca:
    def __init__(self, processes, env, tmp):
        self.log = os.path.join(tmp, "orca-debug.log")
        prefs = os.path.join(tmp, "orca")
        os.makedirs(prefs)
        # Orca's speech client finds no speech dispatcher at an address of
        # this session and starts none: nothing is spoken aloud on the
        # machine, and Orca logs what it would have said.
        env = dict(env, SPEECHD_ADDRESS="unix_socket:" + os.path.join(tmp, "no-speech-dispatcher"),
                   SPEECHD_CMD="/bin/false")
        self.process = processes.start(["/usr/bin/python3", "-c", ORCA_LAUNCHER, self.log, prefs], env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll(lambda: ORCA_LISTENING.search(self._read()), "Orca to start", SetupFailed)
        self.mark()

    def _read(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def said(self):
        """Everything Orca said, in order."""
        return re.findall(r"SPEECH OUTPUT: '(.*?)'", self._read())

    def mark(self):
        self.seen = len(self.said())

    def wait_to_say(self, text, whole=True):
        """Waits until Orca says the text (a whole utterance, or within one)
        after the last mark; text may also be a tuple of texts, any of which
        will do."""
        texts = text if isinstance(text, tuple) else (text,)
        def spoken():
            for utterance in self.said()[self.seen:]:
                # Orca ends an utterance with a full stop where it pauses.
                for one in texts:
                    if (utterance.rstrip(".") == one.rstrip(".")) if whole else one in utterance:
                        return True
            return False
        poll(spoken, "Orca to say %r; it said %r" % (text, self.said()[self.seen:]))
        # An announcement is said as it is, not as a "notification".
        if "notification" in (utterance.rstrip(". ") for utterance in self.said()[self.seen:]):
            raise CheckFailed("Orca calls the announcement a notification: %r" % self.said()[self.seen:])


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
    def __init__(self, processes, env, program, orca):
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
            self.process = processes.start([program], dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
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

def check_structure(game):
    """Roles, names and labels of the exercise window, on the real bus."""
    pyatspi = game.pyatspi
    frame = game.window(EXERCISE)
    if role_of(frame) != "frame":
        raise CheckFailed("the exercise window is a %r, not a frame" % role_of(frame))
    for label, box in (("Arabisch:", "Arabische Zahl"), ("Römisch:", "Römische Zahl"),
                       ("Lösung", "Lösung"), ("PUNKTE:", "Punkte")):
        if game.related(game.control(frame, "text", box), pyatspi.RELATION_LABELLED_BY) != [label]:
            raise CheckFailed("the box %r is not labelled by %r" % (box, label))
        if game.related(game.control(frame, "label", label), pyatspi.RELATION_LABEL_FOR) != [box]:
            raise CheckFailed("the label %r is not the label for %r" % (label, box))
    options = ["Arabisch nach Römisch", "Römisch nach Arabisch"]
    for option in options:
        if game.related(game.control(frame, "radio button", option),
                        pyatspi.RELATION_LABELLED_BY) != ["PROGRAMM - ART:"]:
            raise CheckFailed("the option button %r is not labelled by the direction label" % option)
    if game.related(game.control(frame, "label", "PROGRAMM - ART:"), pyatspi.RELATION_LABEL_FOR) != options:
        raise CheckFailed("the direction label is not the label for both option buttons")
    game.control(frame, "push button", "Verloren – weiter")
    print("  roles, names and labels as a screen reader needs them")


class Hidden:
    """Watches the solution box while it is hidden: nothing may carry the
    solution, neither its readable text nor an event nor an announcement."""

    def __init__(self, game, solution, first):
        self.game, self.solution, self.first = game, solution, first
        self.box = game.control(game.window(EXERCISE), "text", "Lösung")

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
            if kind.startswith("object:text-changed:insert") and name == "Lösung" and text.strip():
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
    frame = game.window(EXERCISE)
    box = game.control(frame, "text", "Arabische Zahl")
    game.wait(lambda: game.count_before(len(game.events)) > game.count_before(first),
              "the announcement of a new number")
    digits = game.text(box)
    if not re.fullmatch(r"[0-9 ]{4}", digits):
        raise CheckFailed("the question box reads %r" % digits)
    n = int(digits.replace(" ", ""))
    said = "Neue Zahl: %d" % n
    announced = game.announcements[game.count_before(first):]
    if announced != [said]:
        raise CheckFailed("after Return: announced %r, expected %r" % (announced, [said]))
    game.orca.wait_to_say(said)
    print("  %-9s -> %s" % ("Return", said))
    return n, Hidden(game, roman(n), first)


def verdict(n, answer, points):
    solution = roman(n)
    if answer == solution:
        return "Richtig. %d Punkte." % (points + 10), points + 10
    points -= 25
    if points < 0:
        return ("Falsch. Lösung: %s. Verloren: %d Punkte. Weiter mit der Eingabetaste."
                % (solution or "leer", points)), points
    return "Falsch. Lösung: %s. %d Punkte." % (solution or "leer", points), points


def play(game):
    orca = game.orca
    game.wait(lambda: game.window(EXERCISE), "the exercise window")
    game.give_keyboard(EXERCISE_TITLE, EXERCISE)
    orca.wait_to_say(button("Neue Zahl"))
    check_structure(game)
    points = 50

    print("A right answer, typed key by key:")
    n, hidden = new_number(game, points)
    hidden.holds()
    answer = ""
    typed = len(game.events)
    for letter in roman(n):
        answer += letter
        game.expect(letter, "Antwort: " + answer)
        hidden.holds(typed)
    said, points = verdict(n, answer, points)
    game.expect("Return", said)

    print("A wrong answer, with a key that does nothing:")
    n, hidden = new_number(game, points)
    game.expect("5", "Gefragt ist die römische Zahl.")
    hidden.holds()
    said, points = verdict(n, "", points)
    events = game.expect("Return", said)
    if roman(n):
        box = hidden.box
        if not game.showing(box) or game.text(box) != roman(n):
            raise CheckFailed("after a wrong answer the solution box shows %r" % game.text(box))
        shown = [i for i, e in enumerate(events) if e[0] == "object:state-changed:showing" and e[2] == "Lösung"]
        filled = [i for i, e in enumerate(events) if e[0].startswith("object:text-changed:insert")
                  and e[2] == "Lösung" and e[4].strip()]
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
    orca.wait_to_say(button("Verloren – weiter"))
    game.expect("x", "Verloren. Weiter mit der Eingabetaste.")

    print("Return presses the lost button; the game-over window:")
    orca.mark()
    game.press("Return")
    dialog = game.wait(lambda: game.window(GAME_OVER), "the game-over window")
    if role_of(dialog) != "dialog":
        raise CheckFailed("the game-over window is a %r, not a dialog" % role_of(dialog))
    message = game.control(dialog, "label", LOST_MESSAGE)
    if message.getRelationSet():
        raise CheckFailed("the game-over message is tied to a control, so it is no dialog message")
    game.give_keyboard(GAME_OVER_TITLE, GAME_OVER)
    orca.wait_to_say(LOST_MESSAGE, whole=False)
    orca.wait_to_say(button("Neues Spiel"))
    print("  %-9s -> %s" % ("Return", "game-over window: " + LOST_MESSAGE))

    print("Return presses Neues Spiel; a new game:")
    orca.mark()
    game.press("Return")
    game.wait(lambda: game.window(GAME_OVER) is None and game.window(EXERCISE) is not None
              and game.window(EXERCISE).getState().contains(game.pyatspi.STATE_ACTIVE),
              "the new exercise window to be active")
    orca.wait_to_say(button("Neue Zahl"))
    frame = game.window(EXERCISE)
    if game.text(game.control(frame, "text", "Punkte")) != "50":
        raise CheckFailed("the new game does not start with 50 points")
    n, hidden = new_number(game, 50)
    hidden.holds()

    version, way = game.expected_way()
    if game.ways != {way}:
        raise CheckFailed("with Qt %s every announcement should come as %s; they came as %s"
                          % (version, way, " and ".join(sorted(game.ways)) or "nothing"))
    print("Every announcement came as %s (Qt %s)." % (way, version))


def main():
    if len(sys.argv) != 2:
        print("usage: checks/screenreader.py PROGRAM", file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
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
            game = Game(processes, env, program, orca)
            play(game)
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
