# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Orca screen reader in a session of the check's own (session.py),
with everything it says logged.

Orca is started by its own launcher, /usr/bin/orca, with the launcher's own
options: the debug log, which records everything Orca says, braille off,
and preferences of this session. Speech stays on, since Orca 48 says an
announcement only then, but finds no synthesizer, and Orca logs what it
would have said. Three names of the launcher script are replaced for a
session of its own: it does not look for other Orcas of the same user
(this session has its own display and buses; any other Orca on the machine
is another session's), nor name its process "orca" (so that no other
session takes it for one of its own), and it writes the log line by line,
so that the log can be read while Orca runs. Orca's own modules are not
touched: they differ between its versions (43 in Debian 12, 48 in 13)."""

import os
import re
import subprocess

from . import CheckFailed, SetupFailed
from .session import poll

LAUNCHER = """
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
LISTENING = re.compile(r"ORCA: Starting (registry|Atspi main event loop)")


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
        self.process = processes.start(["/usr/bin/python3", "-c", LAUNCHER, self.log, prefs], env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll(lambda: LISTENING.search(self._read()), "Orca to start", SetupFailed)
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
