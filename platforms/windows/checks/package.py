#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Windows zip as a school gets it, and the executable in it;
and the Windows Installer package as its IT gets it.

The zip: under 15 MB, one folder with the game, LIESMICH.txt, the
handbook, the licences of the game and of Qt, and the game's source. The
executable: a 64-bit (PE32+, x86-64) Windows GUI program, stripped (no
symbol table, no debugging sections), that imports only DLLs every Windows
has (no Qt, C++ runtime, libgcc or winpthread DLL) and no HTTP library
(WinINet, WinHTTP, urlmon: neither imported, nor delay-loaded, nor named
for loading later), with the icon and the version resource 1.0.0.0, shown
as "1.00", in German (Germany).

The package, as msiinfo and msiextract read it: for 64-bit Windows, German,
per machine, the game's name, version and publisher, the fixed upgrade code,
the game's icon for the list of installed apps, the Start-menu shortcuts to
the game and to the handbook, the desktop shortcut that only
DESKTOPSHORTCUT=1 brings, and the zip's
files, byte for byte, in C:\\Program Files\\Römische Zahlen\\. (The install
check under Wine is install.py.)

usage: package.py <zip> [<msi>]
"""

import io
import os
import struct
import subprocess
import sys
import tempfile
import zipfile

import pefile

MAX_ZIP_BYTES = 15_000_000

# DLLs that are part of every Windows 10 and 11; the game may import these
# and nothing else. api-ms-win-* are Windows' own API sets.
SYSTEM_DLLS = {
    "advapi32.dll", "authz.dll", "bcrypt.dll", "comctl32.dll", "comdlg32.dll",
    "crypt32.dll", "d2d1.dll", "d3d11.dll", "d3d9.dll", "dwmapi.dll",
    "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll",
    "msvcrt.dll", "mpr.dll", "netapi32.dll", "ntdll.dll", "ole32.dll",
    "oleaut32.dll", "setupapi.dll", "shcore.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll", "version.dll",
    "winmm.dll", "winspool.drv", "ws2_32.dll", "wtsapi32.dll",
}

# What a program would fetch web pages or files from the network with.
HTTP_DLLS = ("wininet.dll", "winhttp.dll", "urlmon.dll")

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
LANG_GERMAN_GERMANY = 0x0407

failures = []


def check(condition, what):
    print(("  ok    " if condition else "  FAIL  ") + what)
    if not condition:
        failures.append(what)


def resources(pe, kind):
    """(id, language, bytes) of every resource of the kind."""
    found = []
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != kind:
            continue
        for name in entry.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found.append((name.id, language.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


def section_names(pe, data):
    """The names of the sections, the long ones ("/4") read from the string
    table after the symbol table, which stripping leaves for them."""
    strings = pe.FILE_HEADER.PointerToSymbolTable + pe.FILE_HEADER.NumberOfSymbols * 18
    names = []
    for section in pe.sections:
        name = section.Name.rstrip(b"\0")
        if name.startswith(b"/") and name[1:].isdigit():
            start = strings + int(name[1:])
            name = data[start:data.index(b"\0", start)]
        names.append(name.decode(errors="replace"))
    return names


def check_executable(data):
    pe = pefile.PE(data=data)
    check(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "x86-64 code")
    check(pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS, "PE32+ (64-bit) executable")
    check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
          "a GUI program (no console window)")
    debugging = [name for name in section_names(pe, data) if name.startswith(".debug")]
    check(pe.FILE_HEADER.NumberOfSymbols == 0 and not debugging,
          "stripped: %d symbols%s" % (pe.FILE_HEADER.NumberOfSymbols,
                                      "; debugging sections " + ", ".join(debugging) if debugging else ""))

    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    foreign = [dll for dll in imports if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    check(not foreign, "imports only Windows' own DLLs: " + ", ".join(imports)
          + ("; not Windows': " + ", ".join(foreign) if foreign else ""))
    delayed = [entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    lowered = data.lower()
    http = [dll for dll in HTTP_DLLS if dll in imports + delayed or dll.encode() in lowered
            or dll.encode("utf-16-le") in lowered]
    check(not http, "no HTTP library imported, delay-loaded or named: "
          + (", ".join(http) if http else "none of " + ", ".join(HTTP_DLLS)))

    # The spoken messages' UI Automation notification is looked up by name
    # when first needed (the imports above hold no uiautomationcore.dll).
    check(b"UiaRaiseNotificationEvent\0" in data and b"UiaHostProviderFromHwnd\0" in data
          and "uiautomationcore.dll".encode("utf-16-le") in data,
          "looks UiaRaiseNotificationEvent and UiaHostProviderFromHwnd up in uiautomationcore.dll")

    check(hasattr(pe, "VS_FIXEDFILEINFO") and hasattr(pe, "FileInfo"), "a version resource")
    if not hasattr(pe, "VS_FIXEDFILEINFO") or not hasattr(pe, "FileInfo"):
        return
    fixed = pe.VS_FIXEDFILEINFO[0]
    file_version = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                    fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    product_version = (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
                       fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF)
    check(file_version == (1, 0, 0, 0), "file version %d.%d.%d.%d" % file_version)
    check(product_version == (1, 0, 0, 0), "product version %d.%d.%d.%d" % product_version)

    strings = {}
    translations = []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings[table.LangID.decode().lower()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translation = var.entry.get(b"Translation", "")
                translations.append(translation.decode() if isinstance(translation, bytes) else translation)
    german = strings.get("040704b0", {})
    check(german.get("FileVersion") == "1.00" and german.get("ProductVersion") == "1.00",
          'version shown as "1.00" in the German (Germany) strings: %s' % german)
    check(german.get("ProductName") == "Römische Zahlen", "product name " + repr(german.get("ProductName")))
    check(any(t.startswith("0x0407") for t in translations), "translation German (Germany): %s" % translations)

    versions = resources(pe, RT_VERSION)
    groups = resources(pe, RT_GROUP_ICON)
    icons = {icon_id: blob for icon_id, _, blob in resources(pe, RT_ICON)}
    languages = {language for _, language, _ in versions + groups}
    check(languages == {LANG_GERMAN_GERMANY}, "resources in German (Germany): %s" % sorted(hex(x) for x in languages))

    check(len(groups) >= 1, "an icon")
    if groups:
        blob = groups[0][2]
        _, kind, count = struct.unpack_from("<HHH", blob, 0)
        sizes = []
        complete = kind == 1
        for i in range(count):
            width, height, _, _, _, _, size, icon_id = struct.unpack_from("<BBBBHHIH", blob, 6 + 14 * i)
            sizes.append(width or 256)
            complete = complete and icon_id in icons and len(icons[icon_id]) == size
        check(complete and {16, 32, 48, 256} <= set(sizes),
              "the icon has its images, %d sizes: %s" % (count, sorted(sizes)))


# The package's properties as every version has them: what the list of
# installed apps shows, and what ties the versions together.
MSI_PROPERTIES = {
    "ProductName": "Römische Zahlen",
    "Manufacturer": "The Römische Zahlen developers",
    "ProductLanguage": "1031",
    "ALLUSERS": "1",
    "UpgradeCode": "{1B5013D4-E922-44CF-863C-9D83F26EDB1E}",
    "ARPPRODUCTICON": "roemische-zahlen.ico",
}


def msi_table(msi, table):
    """The rows of a table of the package, each a list of its columns. The
    data of a binary column msiinfo writes into files where it runs: into a
    folder that is removed again."""
    with tempfile.TemporaryDirectory() as scratch:
        out = subprocess.run(["msiinfo", "export", os.path.abspath(msi), table], stdout=subprocess.PIPE,
                             check=True, cwd=scratch).stdout
    return [line.split("\t") for line in out.decode().splitlines()[3:]]


def check_msi(msi, zip_files):
    print("Windows Installer package " + msi)
    # The summary's strings are in the package's code page, Windows-1252.
    summary = subprocess.run(["msiinfo", "suminfo", msi], stdout=subprocess.PIPE, check=True).stdout
    summary = dict(line.split(": ", 1) for line in summary.decode("cp1252").splitlines() if ": " in line)
    check(summary.get("Template") == "x64;1031", "for 64-bit Windows, German: %s" % summary.get("Template"))
    check(summary.get("Author") == MSI_PROPERTIES["Manufacturer"], "author %s" % summary.get("Author"))

    properties = dict(row[:2] for row in msi_table(msi, "Property") if len(row) >= 2)
    for name, value in MSI_PROPERTIES.items():
        check(properties.get(name) == value, "%s %s" % (name, properties.get(name)))
    check(properties.get("ProductVersion") == "1.00", "ProductVersion %s" % properties.get("ProductVersion"))
    icons = [row[0] for row in msi_table(msi, "Icon")]
    check(icons == ["roemische-zahlen.ico"], "the icon of the list of installed apps: %s" % icons)

    shortcuts = {row[0]: row for row in msi_table(msi, "Shortcut")}
    features = {row[0]: row for row in msi_table(msi, "Feature")}
    files = {row[0]: row[2].split("|")[-1] for row in msi_table(msi, "File")}
    feature_of = {row[1]: row[0] for row in msi_table(msi, "FeatureComponents")}
    start = shortcuts.get("StartMenu", [""] * 12)
    check(start[1:3] == ["ProgramMenuFolder", "Römische Zahlen"] and start[4] == "[#Game]" and start[11] == "INSTALLDIR",
          "Start-menu shortcut \"Römische Zahlen\" to the game, in its folder")
    handbook = shortcuts.get("Handbook", [""] * 12)
    check(handbook[1:3] == ["ProgramMenuFolder", "Römische Zahlen – Handbuch"] and handbook[4] == "[#Handbook]"
          and files.get("Handbook") == "Handbuch.html",
          "Start-menu shortcut \"Römische Zahlen – Handbuch\" to Handbuch.html")
    desktop = shortcuts.get("Desktop", [""] * 12)
    desktop_level = features.get(feature_of.get(desktop[3]), [""] * 6)[5]
    actions = {row[0]: row for row in msi_table(msi, "CustomAction")}
    sequence = {row[0]: row[1] for row in msi_table(msi, "InstallExecuteSequence")}
    raises = [a for a, row in actions.items() if row[2:4] == ["INSTALLLEVEL", desktop_level]]
    check(desktop[1] == "DesktopFolder" and desktop[4] == "[#Game]" and desktop_level not in ("", "1")
          and any(sequence.get(a) == "DESKTOPSHORTCUT=1" for a in raises),
          "desktop shortcut only with DESKTOPSHORTCUT=1 (its feature's level %s)" % desktop_level)

    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["msiextract", "-C", out, os.path.abspath(msi)], stdout=subprocess.DEVNULL, check=True)
        top = os.path.join(out, "Römische Zahlen")
        packed = {}
        for folder, _, files in os.walk(top):
            for name in files:
                with open(os.path.join(folder, name), "rb") as f:
                    packed[os.path.relpath(os.path.join(folder, name), top)] = f.read()
        folders = set(os.listdir(out))
    check(folders == {"Römische Zahlen"} and packed == zip_files,
          "the zip's %d files, byte for byte, in the folder Römische Zahlen (%d packed)" % (
              len(zip_files), len(packed)))


def main():
    path = sys.argv[1]
    print("Windows package " + path)
    size = os.path.getsize(path)
    check(size < MAX_ZIP_BYTES, "zip of %.1f MB (under %d MB)" % (size / 1e6, MAX_ZIP_BYTES // 1_000_000))

    with zipfile.ZipFile(path) as archive:
        names = archive.namelist()
        top = os.path.splitext(os.path.basename(path))[0] + "/"
        check(all(name.startswith(top) for name in names), "everything in the folder " + top)
        wanted = ["roemische-zahlen.exe", "LIESMICH.txt", "Handbuch.html", "Lizenzen/GPL-3.0-or-later.txt",
                  "Lizenzen/Qt/LGPL-3.0-only.txt", "Lizenzen/Qt/GPL-3.0-only.txt"]
        for name in wanted:
            check(top + name in names, name)
        sources = [n for n in names if n.startswith(top) and n.endswith("-quelltext.zip")]
        check(len(sources) == 1, "the game's source")
        if sources:
            with zipfile.ZipFile(io.BytesIO(archive.read(sources[0]))) as source:
                inner = source.namelist()
                check(any(n.endswith("/CMakeLists.txt") for n in inner)
                      and any(n.endswith("/exercise/answercheck.cpp") for n in inner),
                      "the source holds the build files and the program (%d files)" % len(inner))
        if top + "LIESMICH.txt" in names:
            text = archive.read(top + "LIESMICH.txt")
            check(text.startswith(b"\xef\xbb\xbf") and b"\r\n" in text and b"\n" not in text.replace(b"\r\n", b""),
                  "LIESMICH.txt in UTF-8 with Windows line ends")
        exe = top + "roemische-zahlen.exe"
        if exe in names:
            data = archive.read(exe)
            print("  executable of %.1f MB" % (len(data) / 1e6))
            check_executable(data)
        zip_files = {n[len(top):]: archive.read(n) for n in names if n.startswith(top) and not n.endswith("/")}

    if len(sys.argv) > 2:
        check_msi(sys.argv[2], zip_files)

    if failures:
        print("%d of the checks failed" % len(failures), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
