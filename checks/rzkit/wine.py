# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A Wine prefix for the Windows version: made with wineboot, with Wine's own
fonts where Windows keeps its fonts (Debian installs them where this Wine
does not look for them), so that the game's windows find Tahoma and MS Sans
Serif as on Windows.

As a command, it makes the project's prefix for the test suite, once, and
gathers the machine's fonts anew into one folder of it, for Qt's offscreen
platform under Wine, which reads its fonts from one folder with its own font
engine (the suite has the machine's fonts, as on Linux):

    python3 -m rzkit.wine prepare PREFIX

and runs a command that runs a Windows program under Wine (wine-run and
the program, say) with Wine's trace of Winsock, and fails if the program,
named by its file name, opens a socket (no_socket()):

    python3 -m rzkit.wine no-socket PROGRAM.exe COMMAND...
"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


class Prefix:
    """A Wine prefix in the folder, made if it is not there yet; Wine's
    processes in it see no display but the one given them."""

    def __init__(self, root, home=None):
        self.root = root
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("XDG_", "QT_")) and k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(WINEPREFIX=root, WINEDEBUG="-all", WINEDLLOVERRIDES="winemenubuilder.exe=d")
        if home:
            self.env["HOME"] = home
        if not os.path.isfile(self.path("system.reg")):
            self.wine("wineboot", "--init")
            self.settle()
            # Wine's first start after making the prefix still changes a few
            # of its own values (the network cards): done before anything
            # looks at the prefix.
            self.wine("cmd", "/c", "exit")
            self.settle()
        fonts = self.path("drive_c/windows/Fonts")
        for font in glob.glob("/usr/share/wine/fonts/*"):
            link = os.path.join(fonts, os.path.basename(font))
            if os.path.lexists(link):
                os.remove(link)
            os.symlink(font, link)

    def path(self, relative):
        return os.path.join(self.root, relative)

    def wine(self, *arguments, timeout=300):
        return subprocess.run([WINE, *arguments], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=timeout, text=True,
                              encoding="utf-8", errors="replace")

    def settle(self):
        """Waits for Wine to end, which writes the registry to its files."""
        subprocess.run([WINESERVER, "--wait"], env=self.env, timeout=120)

    def end(self):
        """Ends every process of this prefix."""
        subprocess.run([WINESERVER, "--kill"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run([WINESERVER, "--wait"], env=self.env, timeout=60)

    def gather_fonts(self):
        """The machine's font files, linked into one folder of the prefix."""
        folder = self.path("offscreen-fonts")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        listed = subprocess.run(["fc-list", "--format", "%{file}\n"], stdout=subprocess.PIPE, text=True,
                                check=True).stdout
        for font in sorted(set(listed.split())):
            if font.endswith((".ttf", ".otf", ".ttc")):
                link = os.path.join(folder, os.path.basename(font))
                if not os.path.lexists(link):
                    os.symlink(font, link)


# Wine's trace of the DLLs each process loads and of Winsock, each line
# with the process's id: 002c:0030:trace:loaddll:build_module Loaded
# L"Z:\\...\\roemische-zahlen.exe" at ..., and 002c:0030:trace:winsock:
# WSASocketW created 0x30 (every socket is made there) or connect socket 0x30.
SOCKET_TRACE = "-all,+pid,+loaddll,+winsock"
_LOADED = re.compile(r'^([0-9a-f]+):[0-9a-f]+:trace:loaddll:\w+ Loaded L".*\\([^\\"]+)" at ')
_SOCKET = re.compile(r"^([0-9a-f]+):[0-9a-f]+:trace:winsock:(WSASocketW created|connect|WSAConnect)\b")
TRACED = re.compile(r"^[0-9a-f]+:[0-9a-f]+:trace:")


def no_socket(trace, program):
    """Whether the trace (SOCKET_TRACE) shows the program (its file name)
    open no socket, and what it shows. Only the program's own processes
    count, not Wine's; one of them must be in the trace, or it was off."""
    loaded = [match.groups() for match in map(_LOADED.match, trace) if match]
    ours = {pid for pid, name in loaded if name.lower() == program.lower()}
    if not ours:
        return False, "Wine's trace shows no process of %s" % program
    opened = [line for line in trace if (match := _SOCKET.match(line)) and match.group(1) in ours]
    if opened:
        return False, "%s opened a socket:\n%s" % (program, "".join(opened[:10]).rstrip())
    # Qt imports Winsock whether or not a program opens a socket.
    winsock = any(pid in ours and name.lower() == "ws2_32.dll" for pid, name in loaded)
    return True, "%s opened no socket (Winsock %s)" % (program, "loaded" if winsock else "not loaded")


def run_without_socket(program, command):
    """Runs the command with the trace, passing on what it writes to its
    standard error but the trace; its status, or 1 for a socket."""
    env = dict(os.environ, WINEDEBUG=SOCKET_TRACE)
    with tempfile.TemporaryFile(mode="w+", encoding="utf-8", errors="replace") as errors:
        status = subprocess.run(command, env=env, stderr=errors, check=False).returncode
        errors.seek(0)
        trace = errors.readlines()
    sys.stderr.write("".join(line for line in trace if not TRACED.match(line)))
    if status != 0:
        return status
    passed, shown = no_socket(trace, program)
    print("   " + shown, file=sys.stdout if passed else sys.stderr)
    return 0 if passed else 1


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "prepare":
        prefix = Prefix(arguments[1])
        prefix.gather_fonts()
        return 0
    if len(arguments) >= 3 and arguments[0] == "no-socket":
        return run_without_socket(arguments[1], arguments[2:])
    print("\n".join(line.strip() for line in __doc__.splitlines() if "python3 -m" in line), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
