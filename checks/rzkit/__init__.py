# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The kit the checks share: processes of a session of their own and the
display, buses and screen reader it starts (session, orca); a web server
and a browser (browser); a Wine prefix (wine); the Roman numerals known
independently of the program (roman); and the game's own facts, as the
build wrote them (facts).

Check scripts import it by its plain name; CTest puts this folder on
PYTHONPATH, and a script run by hand puts it there itself."""


class CheckFailed(Exception):
    """What the check looks for did not hold: the program is at fault."""


class SetupFailed(Exception):
    """The check could not set up what it needs: the machine is at fault."""
