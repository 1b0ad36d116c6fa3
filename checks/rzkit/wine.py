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
"""

import glob
import os
import shutil
import subprocess
import sys

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


def main(arguments):
    if len(arguments) != 2 or arguments[0] != "prepare":
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    prefix = Prefix(arguments[1])
    prefix.gather_fonts()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
