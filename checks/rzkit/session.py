# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop session of the check's own: an X server on a display number it
picks itself (Xvfb), a D-Bus session bus, the accessibility bus and its
registry; and the processes a check starts, which it ends again, by their
ids, with whatever they started in turn.

As a command, it runs a command on a display of its own, passes on its exit
status, and ends the display:

    python3 -m rzkit.session -- COMMAND [ARGUMENT ...]
"""

import ctypes
import os
import signal
import subprocess
import sys
import time

from . import SetupFailed

STEP_TIMEOUT = 20.0  # seconds for any one thing to happen


def poll(condition, what, failure=None, timeout=STEP_TIMEOUT):
    """Waits for the condition to give something true, and gives it; raises
    the failure (CheckFailed unless given) when it does not in time."""
    from . import CheckFailed
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise (failure or CheckFailed)("timed out waiting for " + what)


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

    @staticmethod
    def _alive(pid):
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


def _told(processes, args, env, what):
    """Starts a server that tells, on a pipe, where it can be reached, and
    gives what it told."""
    read, write = os.pipe()
    processes.start([arg.format(fd=write) for arg in args], env, pass_fds=(write,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    data = b""
    while not data.endswith(b"\n"):
        chunk = os.read(read, 256)
        if not chunk:
            break
        data += chunk
    os.close(read)
    told = data.decode().strip()
    if not told:
        raise SetupFailed(what + " did not start")
    return told


def start_display(processes, env, size=(1024, 768)):
    """An X server of the session's own, 1024 x 768 or the size given, on a
    display number it picks itself. Sets DISPLAY in env."""
    env["DISPLAY"] = ":" + _told(processes, ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "%dx%dx24" % size,
                                             "-nolisten", "tcp"], env, "Xvfb")
    return env["DISPLAY"]


def session_environment(tmp):
    """The environment of a session in the folder: nothing of the caller's
    desktop, its buses, Qt settings or XDG folders."""
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("DBUS_", "AT_SPI_", "WAYLAND_", "QT_", "XDG_")) and key != "DISPLAY"}
    env.update({"HOME": tmp, "XDG_RUNTIME_DIR": tmp, "XDG_CONFIG_HOME": os.path.join(tmp, "config"),
                "GSETTINGS_BACKEND": "memory", "LANG": "C.UTF-8"})
    os.chmod(tmp, 0o700)
    return env


def start_session(processes, tmp):
    """A display, a D-Bus session bus, the accessibility bus and its
    registry, as a desktop has them; gives the session's environment."""
    env = session_environment(tmp)
    start_display(processes, env)
    env["DBUS_SESSION_BUS_ADDRESS"] = _told(
        processes, ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], env, "the D-Bus session bus")

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


def main(arguments):
    if arguments[:1] != ["--"] or len(arguments) < 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    processes = Processes()
    try:
        env = dict(os.environ)
        start_display(processes, env)
        # Ended from outside, it still ends what it started.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
        return subprocess.run(arguments[1:], env=env).returncode
    except SetupFailed as failure:
        print(f"rzkit.session: {failure}", file=sys.stderr)
        return 2
    finally:
        processes.end_all()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
