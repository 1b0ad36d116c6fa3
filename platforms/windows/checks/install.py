#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the Windows Installer package under Wine, as a school's IT would.

In a Wine prefix of its own (and a home folder of its own, which Wine links
the user's desktop to), with msiexec and no question (/qn):

  1. a package cut short: msiexec fails with an error status, and nothing
     is installed;
  2. a range or direction the game would refuse (BIS=4000, VON=-1, ...,
     RICHTUNG=links): msiexec fails with 1603, and nothing is installed;
  3. the package: the zip's files, byte for byte, in
     C:\\Program Files\\Römische Zahlen\\, the Start-menu shortcut to the game
     with the game's folder as working folder and no arguments, the
     Start-menu shortcut to the handbook, the uninstall entry (name,
     version, publisher, language, the game's icon), no desktop shortcut,
     and nothing written anywhere else;
  4. the installed game, started by its Start-menu shortcut, opens its window
     on Windows' own platform, opens no socket, and ends with status 0 on
     "Ende" (game.py);
  5. a package of a higher version, built here, replaces it, given VON=5
     and RICHTUNG=roemisch-arabisch: one entry is left, of the new version,
     the files are in place, and the shortcut starts the game with --von 5
     --richtung roemisch-arabisch; the older package then refuses
     to replace the newer one;
  6. removing it leaves nothing behind: every file, folder and registry value
     is as before the first install;
  7. with DESKTOPSHORTCUT=1 and BIS=100 the desktop has a shortcut to the
     game too, both shortcuts start it with --bis 100 (a teacher's range),
     and removing the package removes it;
  8. the values at the edges the game takes (VON=0 BIS=0, VON=3999
     BIS=3999, the direction in capitals) are installed, as the
     shortcut's arguments, and removed.

Wine files the shortcuts "for all users" under the user's own folders; the
check accepts either place and says which it found. It ends only the Wine
processes of its own prefix and the X server it started.

usage: install.py <Windows build folder>
"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

import pylnk

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "checks"))  # the kit, run by hand
from rzkit import SetupFailed, wine  # noqa: E402
from rzkit.session import Processes, start_display  # noqa: E402

NAME = "Römische Zahlen"
PUBLISHER = "The Römische Zahlen developers"
INSTALL_DIR = "Program Files/" + NAME
INSTALL_PATH = "C:\\" + INSTALL_DIR.replace("/", "\\")
SHORTCUT = NAME + ".lnk"
HANDBOOK_SHORTCUT = NAME + " – Handbuch.lnk"
# Values the game refuses at its start, each refused by the package too.
BAD_VALUES = (["BIS=4000"], ["VON=-1"], ["VON=zehn"], ["BIS=1.5"], ["VON=7", "BIS=3"], ["RICHTUNG=links"])
# Values at the edges of what it takes.
GOOD_EDGES = (["VON=0", "BIS=0"], ["VON=3999", "BIS=3999", "RICHTUNG=ROEMISCH-ARABISCH"])

# Windows Installer's own records of what it installed; the package itself
# writes nothing into the registry.
INSTALLER_KEYS = (
    "Software\\Classes\\Installer\\",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\",
)
# Set up anew by Wine itself whenever a program starts to draw: the device
# classes of the display and the monitor, with the driver's date.
VOLATILE_KEYS = ("System\\CurrentControlSet\\Control\\Class\\",)
# msiexec's own scratch files; the check's own folders.
SCRATCH = re.compile(r"^drive_c/users/[^/]+/Temp/|^drive_c/windows/temp/|^home/\.cache/")

failures = []
passed = 0


def check(condition, what):
    global passed
    print(("  ok    " if condition else "  FAIL  ") + what, flush=True)
    if condition:
        passed += 1
    else:
        failures.append(what)
    return condition


def part(title):
    print("-- " + title, flush=True)


class Abort(Exception):
    pass


def windows_path(path):
    """Wine's drive Z: is the root of the Linux file system."""
    return "Z:" + path.replace("/", "\\")


# ---------------------------------------------------------------- the registry

def unescape(text):
    """A string of Wine's registry files: \\\\, \\", \\xHHHH, \\n, \\r, \\t, \\0."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c != "\\" or i + 1 == len(text):
            out.append(c)
            i += 1
            continue
        n = text[i + 1]
        if n == "x":
            digits = re.match(r"[0-9a-fA-F]{1,4}", text[i + 2:])
            out.append(chr(int(digits.group(0), 16)))
            i += 2 + len(digits.group(0))
            continue
        out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(n, n))
        i += 2
    return "".join(out)


def read_registry(path):
    """{key: {value name: value}} of a registry file of Wine: strings as text,
    other values as written."""
    keys = {}
    values = None
    pending = ""
    with open(path, encoding="utf-8", errors="surrogateescape") as registry:
        for line in registry:
            line = pending + line.rstrip("\n")
            if line.endswith("\\") and not line.endswith("\\\\"):
                pending = line[:-1]
                continue
            pending = ""
            if line.startswith("["):
                name = line[1:line.rindex("]")]
                values = keys.setdefault(unescape(name), {})
            elif values is not None and (line.startswith('"') or line.startswith("@")):
                match = re.match(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$', line)
                if not match:
                    continue
                name = "" if match.group(1) == "@" else unescape(match.group(1)[1:-1])
                data = match.group(2)
                text = re.match(r'^(?:str\(\d+\):)?"(.*)"$', data)
                values[name] = unescape(text.group(1)) if text else data
    return keys


# ------------------------------------------------------------------- the Wine prefix

class Prefix(wine.Prefix):
    """The check's own prefix, with a home folder of its own, which Wine
    links the user's desktop to."""

    def __init__(self, work):
        self.home = os.path.join(work, "home")
        os.makedirs(self.home)
        super().__init__(os.path.join(work, "prefix"), home=self.home)
        users = [u for u in os.listdir(os.path.join(self.root, "drive_c/users")) if u != "Public"]
        self.user = users[0]

    def msiexec(self, *arguments):
        """msiexec's whole exit status: Wine passes only its low byte on as the
        status of a process, but cmd reads the whole of it."""
        line = "start /wait msiexec " + " ".join(arguments) + " & echo msiexec-status !errorlevel!"
        out = self.wine("cmd", "/v:on", "/c", line).stdout
        self.settle()
        match = re.search(r"msiexec-status (-?\d+)", out)
        if not match:
            raise Abort("msiexec gave no status: " + out)
        return int(match.group(1))

    def snapshot(self):
        """Every file and folder of drive C: and of the home folder, and every
        registry value."""
        tree = {}
        for top in ("drive_c", "home"):
            base = self.root if top == "drive_c" else os.path.dirname(self.home)
            for folder, folders, files in os.walk(os.path.join(base, top)):
                for name in folders + files:
                    full = os.path.join(folder, name)
                    relative = os.path.relpath(full, base)
                    if SCRATCH.match(relative + "/"):
                        continue
                    if os.path.islink(full):
                        tree[relative] = "-> " + os.readlink(full)
                    elif os.path.isdir(full):
                        tree[relative] = "folder"
                    else:
                        tree[relative] = os.path.getsize(full)
        registry = {}
        for hive in ("system", "user", "userdef"):
            for key, values in read_registry(self.path(hive + ".reg")).items():
                if (key + "\\").startswith(VOLATILE_KEYS):
                    continue
                for name, value in values.items():
                    registry[(hive, key, name)] = value
                registry[(hive, key, None)] = "key"
        return tree, registry

    def shortcut_places(self, folder, name=SHORTCUT):
        """Where a shortcut of a Start-menu or desktop folder for all users
        may be: Windows' place for all users, and the user's, where Wine
        files it."""
        user = "drive_c/users/" + self.user
        if folder == "programs":
            return ["drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/" + name,
                    user + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/" + name]
        return ["drive_c/users/Public/Desktop/" + name, user + "/Desktop/" + name]

    def find_shortcut(self, folder, name=SHORTCUT):
        return [p for p in self.shortcut_places(folder, name) if os.path.exists(self.path(p))]


def differences(before, after):
    """The names whose value is new, gone or changed."""
    return sorted((n for n in set(before) | set(after) if before.get(n) != after.get(n)), key=str)


def describe(names, before, after):
    def show(name):
        change = "%s -> %s" % (str(before.get(name, "(none)"))[:40], str(after.get(name, "(none)"))[:40])
        if isinstance(name, tuple):
            hive, key, value = name
            name = "%s.reg [%s]%s" % (hive, key, "" if value is None else ' "%s"' % value)
        return "%s: %s" % (name, change)
    return "; ".join(show(n) for n in names[:8]) + (" ..." if len(names) > 8 else "")


def records_kept(names, before, after):
    """Windows Installer keeps the keys and the folder of its records once it
    has made them (on Windows they are there from the start): made by the
    first install and empty now, they are no leftover of the package."""
    def empty_record(name):
        if name in before:
            return False
        if isinstance(name, tuple):
            hive, key, value = name
            return value is None and (key + "\\").startswith(INSTALLER_KEYS[:2]) and not any(
                n[0] == hive and ((n[1] == key and n[2] is not None) or n[1].startswith(key + "\\"))
                for n in after)
        return name == "drive_c/windows/Installer" and not any(n.startswith(name + "/") for n in after)
    return [n for n in names if not empty_record(n)]


def nothing_left(prefix, before, what):
    tree, registry = prefix.snapshot()
    files = records_kept(differences(before[0], tree), before[0], tree)
    values = records_kept(differences(before[1], registry), before[1], registry)
    check(not files, "%s: every file and folder as before%s" % (what, "; not: " + describe(files, before[0], tree) if files else ""))
    check(not values, "%s: every registry value as before%s" % (what, "; not: " + describe(values, before[1], registry) if values else ""))


# ------------------------------------------------------------------ the package

def package_properties(msi):
    out = subprocess.run(["msiinfo", "export", msi, "Property"], stdout=subprocess.PIPE, check=True,
                         text=True).stdout
    return dict(line.split("\t", 1) for line in out.splitlines()[3:] if "\t" in line)


def packed(guid):
    """A product code as Windows Installer writes it in registry key names."""
    g = guid.strip("{}").replace("-", "")
    swap = lambda s: "".join(s[i + 1] + s[i] for i in range(0, len(s), 2))
    return (g[0:8][::-1] + g[8:12][::-1] + g[12:16][::-1] + swap(g[16:20]) + swap(g[20:32])).upper()


def uninstall_entries(prefix):
    registry = read_registry(prefix.path("system.reg"))
    base = INSTALLER_KEYS[2]
    return {key[len(base):]: values for key, values in registry.items()
            if key.startswith(base) and values.get("DisplayName") == NAME}


def read_shortcut(prefix, place):
    """A shortcut's target, arguments and working folder."""
    link = pylnk.file()
    link.open(prefix.path(place))
    try:
        return link.local_path, link.command_line_arguments or "", (link.working_directory or "").rstrip("\\")
    finally:
        link.close()


def check_arguments(shortcut, arguments):
    given = shortcut[1]
    check(given == arguments, "with the arguments %s" % (given or "(none)"))


def check_installed(prefix, zip_files, icon, code, version, arguments=""):
    installed = {}
    top = prefix.path("drive_c/" + INSTALL_DIR)
    for folder, _, files in os.walk(top):
        for name in files:
            full = os.path.join(folder, name)
            with open(full, "rb") as f:
                installed[os.path.relpath(full, top)] = f.read()
    missing = sorted(set(zip_files) - set(installed))
    extra = sorted(set(installed) - set(zip_files))
    changed = sorted(n for n in set(zip_files) & set(installed) if zip_files[n] != installed[n])
    check(not missing and not extra and not changed,
          "the zip's %d files, byte for byte, in C:\\%s\\%s%s%s" % (
              len(zip_files), INSTALL_DIR.replace("/", "\\"),
              "; missing: " + ", ".join(missing) if missing else "",
              "; not in the zip: " + ", ".join(extra) if extra else "",
              "; other bytes: " + ", ".join(changed) if changed else ""))

    shortcuts = prefix.find_shortcut("programs")
    if check(len(shortcuts) == 1, "one Start-menu shortcut %s: %s" % (SHORTCUT, ", ".join(shortcuts) or "none")):
        link = read_shortcut(prefix, shortcuts[0])
        target = INSTALL_PATH + "\\roemische-zahlen.exe"
        check(link[0] == target, "it starts %s" % link[0])
        check(link[2] == INSTALL_PATH, "in the folder %s" % link[2])
        check_arguments(link, arguments)
    handbook = prefix.find_shortcut("programs", HANDBOOK_SHORTCUT)
    if check(len(handbook) == 1, "one Start-menu shortcut %s: %s" % (HANDBOOK_SHORTCUT, ", ".join(handbook) or "none")):
        target = INSTALL_PATH + "\\Handbuch.html"
        opened = read_shortcut(prefix, handbook[0])[0]
        check(opened == target, "it opens %s" % opened)
    check(not prefix.find_shortcut("desktop"), "no desktop shortcut without DESKTOPSHORTCUT=1")

    entries = uninstall_entries(prefix)
    check(list(entries) == [code], "one uninstall entry, %s: %s" % (code, ", ".join(entries) or "none"))
    entry = entries.get(code, {})
    check(entry.get("DisplayVersion") == version, "version %s" % entry.get("DisplayVersion"))
    check(entry.get("Publisher") == PUBLISHER, "publisher %s" % entry.get("Publisher"))
    check(entry.get("Language") == "dword:00000407", "language German (Germany): %s" % entry.get("Language"))
    check(entry.get("WindowsInstaller") == "dword:00000001" and
          entry.get("UninstallString", "").lower() == ("msiexec.exe /x" + code).lower(),
          "removed by msiexec: %s" % entry.get("UninstallString"))
    # Windows writes the icon to DisplayIcon, Wine only to the product's own key.
    registry = read_registry(prefix.path("system.reg"))
    product = registry.get("Software\\Classes\\Installer\\Products\\" + packed(code), {})
    icon_path = entry.get("DisplayIcon") or product.get("ProductIcon", "")
    icon_file = prefix.path("drive_c/" + icon_path[3:].replace("\\", "/")) if icon_path.startswith("C:\\") else ""
    with open(icon, "rb") as f:
        game_icon = f.read()
    same = bool(icon_file) and os.path.isfile(icon_file) and open(icon_file, "rb").read() == game_icon
    check(same, "the game's icon: %s" % (icon_path or "none"))


def check_written(prefix, before):
    """Nothing written but the game's folder, the shortcut and Windows
    Installer's records."""
    tree, registry = prefix.snapshot()
    allowed = re.compile(r"^drive_c/(%s(/|$)|windows/Installer(/|$))" % re.escape(INSTALL_DIR))
    shortcuts = set(prefix.shortcut_places("programs") + prefix.shortcut_places("programs", HANDBOOK_SHORTCUT))
    stray = [n for n in differences(before[0], tree) if not allowed.match(n) and n not in shortcuts]
    check(not stray, "no file written anywhere else%s" % ("; but: " + describe(stray, before[0], tree) if stray else ""))
    values = [n for n in differences(before[1], registry)
              if not (n[1] + "\\").startswith(INSTALLER_KEYS)]
    check(not values, "no registry value but Windows Installer's records%s" % (
        "; but: " + describe(values, before[1], registry) if values else ""))


def main():
    build = os.path.abspath(sys.argv[1])
    packages = glob.glob(os.path.join(build, "roemische-zahlen-*-x64.msi"))
    zips = glob.glob(os.path.join(build, "roemische-zahlen-*-windows-x64.zip"))
    if len(packages) != 1 or len(zips) != 1:
        print("windows-install: no one package and one zip in " + build, file=sys.stderr)
        return 1
    icon = os.path.join(build, "platforms", "windows", "roemische-zahlen.ico")
    with zipfile.ZipFile(zips[0]) as archive:
        top = os.path.splitext(os.path.basename(zips[0]))[0] + "/"
        zip_files = {n[len(top):]: archive.read(n) for n in archive.namelist()
                     if n.startswith(top) and not n.endswith("/")}

    work = tempfile.mkdtemp(prefix="rz-install-")
    display = Processes()
    prefix = None
    try:
        # Packages without spaces in their path, for cmd's command line.
        msi = os.path.join(work, os.path.basename(packages[0]))
        shutil.copy(packages[0], msi)
        properties = package_properties(msi)
        version, code = properties["ProductVersion"], properties["ProductCode"]
        major, minor = version.split(".")
        higher_version = "%s.%02d" % (major, int(minor) + 1)

        print("Windows Installer package %s, version %s, in a Wine prefix of its own" % (packages[0], version))
        prefix = Prefix(work)
        before = prefix.snapshot()

        part("a package cut short")
        damaged = os.path.join(work, "beschaedigt.msi")
        with open(msi, "rb") as f, open(damaged, "wb") as cut:
            cut.write(f.read()[:os.path.getsize(msi) // 2])
        status = prefix.msiexec("/i", windows_path(damaged), "/qn")
        # 1620: the package cannot be opened (Windows); Wine says 1627.
        check(status in (1620, 1627), "msiexec /i fails with status %d (1620 on Windows, 1627 under Wine)" % status)
        nothing_left(prefix, before, "nothing installed")

        part("values the game would refuse")
        for values in BAD_VALUES:
            status = prefix.msiexec("/i", windows_path(msi), "/qn", *values)
            check(status == 1603, "%s: msiexec /i fails with status %d (1603)" % (" ".join(values), status))
        nothing_left(prefix, before, "nothing installed")

        part("installing: msiexec /i %s /qn" % os.path.basename(msi))
        status = prefix.msiexec("/i", windows_path(msi), "/qn")
        if not check(status == 0, "status %d" % status):
            raise Abort("the package did not install")
        check_installed(prefix, zip_files, icon, code, version)
        check_written(prefix, before)

        part("the installed game, started by its Start-menu shortcut")
        # An X display of its own, and the kit and the facts for the game's check.
        env = dict(prefix.env, PYTHONPATH=os.environ.get("PYTHONPATH", ""), RZ_FACTS=os.environ.get("RZ_FACTS", ""))
        start_display(display, env)
        shortcuts = prefix.find_shortcut("programs")
        shortcut = "C:\\" + shortcuts[0][len("drive_c/"):].replace("/", "\\") if shortcuts else "(none)"
        game = subprocess.run([os.path.join(HERE, "game.py"), "start", "/wait", shortcut], env=env)
        if not check(game.returncode == 0, "opened its window and ended with status 0 on \"Ende\""):
            # What still runs of the game is ended with the prefix's server.
            prefix.end()

        part("a higher version, %s, replaces it, with VON=5 RICHTUNG=roemisch-arabisch" % higher_version)
        higher = os.path.join(work, "roemische-zahlen-%s-x64.msi" % higher_version)
        subprocess.run(["cmake", "-DZIP=" + zips[0], "-DICON=" + icon, "-DVERSION=" + higher_version,
                        "-DOUTPUT=" + higher,
                        "-DWORK=" + os.path.join(work, "higher"), "-P",
                        os.path.join(HERE, "..", "msi.cmake")], check=True, stdout=subprocess.DEVNULL)
        higher_code = package_properties(higher)["ProductCode"]
        check(higher_code != code, "a product code of its own: %s" % higher_code)
        status = prefix.msiexec("/i", windows_path(higher), "/qn", "VON=5", "RICHTUNG=roemisch-arabisch")
        check(status == 0, "status %d" % status)
        check_installed(prefix, zip_files, icon, higher_code, higher_version,
                        "--von 5 --richtung roemisch-arabisch")

        part("the older version does not replace the newer one")
        status = prefix.msiexec("/i", windows_path(msi), "/qn")
        check(status == 1603, "msiexec /i %s fails with status %d (1603)" % (os.path.basename(msi), status))
        entries = uninstall_entries(prefix)
        check(list(entries) == [higher_code], "the newer one is left: %s" % ", ".join(
            "%s %s" % (c, v.get("DisplayVersion")) for c, v in entries.items()))

        part("removing: msiexec /x %s /qn" % os.path.basename(higher))
        status = prefix.msiexec("/x", windows_path(higher), "/qn")
        check(status == 0, "status %d" % status)
        nothing_left(prefix, before, "nothing left")

        part("with DESKTOPSHORTCUT=1 and BIS=100")
        status = prefix.msiexec("/i", windows_path(msi), "/qn", "DESKTOPSHORTCUT=1", "BIS=100")
        check(status == 0, "status %d" % status)
        desktop = prefix.find_shortcut("desktop")
        if check(len(desktop) == 1, "one desktop shortcut: %s" % (", ".join(desktop) or "none")):
            link = read_shortcut(prefix, desktop[0])
            check(link[0] == INSTALL_PATH + "\\roemische-zahlen.exe",
                  "it starts %s" % link[0])
            check_arguments(link, "--bis 100")
        programs = prefix.find_shortcut("programs")
        if check(len(programs) == 1, "and the Start-menu shortcut"):
            check_arguments(read_shortcut(prefix, programs[0]), "--bis 100")
        status = prefix.msiexec("/x", windows_path(msi), "/qn")
        check(status == 0, "msiexec /x: status %d" % status)
        nothing_left(prefix, before, "nothing left")

        part("values at the edges the game takes")
        for values in GOOD_EDGES:
            status = prefix.msiexec("/i", windows_path(msi), "/qn", *values)
            check(status == 0, "%s: status %d" % (" ".join(values), status))
            programs = prefix.find_shortcut("programs")
            if check(len(programs) == 1, "the Start-menu shortcut"):
                check_arguments(read_shortcut(prefix, programs[0]),
                                " ".join("--" + name.lower() + " " + value
                                         for name, value in (v.split("=") for v in values)))
            check(prefix.msiexec("/x", windows_path(msi), "/qn") == 0, "removed")
        nothing_left(prefix, before, "nothing left")
    except (Abort, SetupFailed) as error:
        failures.append(str(error))
        print("windows-install: " + str(error), file=sys.stderr)
    finally:
        if prefix:
            prefix.end()
        display.end_all()
        shutil.rmtree(work, ignore_errors=True)

    if failures:
        print("windows-install: %d of %d checks failed" % (len(failures), len(failures) + passed), file=sys.stderr)
        return 1
    print("windows-install: %d checks passed" % passed)
    return 0


if __name__ == "__main__":
    sys.exit(main())
