# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's facts as the build asked them of the program (checks/facts.cpp
writes facts.json; CTest names it in RZ_FACTS): its two windows with their
places, names and controls, and the messages it says to a screen reader.
The checks take them from here instead of copying them."""

import json
import os
import pathlib

from . import SetupFailed

_facts = None


def _load():
    global _facts
    if _facts is None:
        path = os.environ.get("RZ_FACTS")
        if not path or not pathlib.Path(path).is_file():
            raise SetupFailed(f"no facts of the program (RZ_FACTS is {path!r}): build first, and run the "
                              "check through ctest or ./dev")
        _facts = json.loads(pathlib.Path(path).read_text(encoding="utf-8"))
    return _facts


class Window:
    """A window as it is loaded: title, screen reader name, what a screen
    reader says as it becomes active, and its place (in twips)."""

    def __init__(self, layout_name):
        self.facts = _load()["windows"][layout_name]
        self.title = self.facts["title"]
        self.name = self.facts["name"]
        self.said = self.facts["said"]
        self.place = tuple(self.facts[k] for k in ("left", "top", "width", "height"))

    def control(self, caption=None, layout_name=None):
        """A control's facts, found by its caption or its layout name."""
        for control in self.facts["controls"]:
            if control["caption"] == caption or control["layoutName"] == layout_name:
                return control
        raise KeyError(caption or layout_name)

    def place_of(self, caption=None, layout_name=None):
        """A control's place and size in the window, in twips."""
        control = self.control(caption, layout_name)
        return tuple(control[k] for k in ("left", "top", "width", "height"))


def exercise():
    return Window("Form1")


def game_over():
    return Window("Form2")


def _filled(text, parts):
    for number, part in enumerate(parts, 1):
        text = text.replace(f"%{number}", str(part))
    return text


def say(key, *parts):
    """A message of the game, its template filled in with the parts."""
    return _filled(_load()["said"][key], parts)


def range_text(key, *parts):
    """A text of the range of the numbers (the line a page shows, the
    reasons a value cannot be used), its template filled in."""
    return _filled(_load()["range"][key], parts)


def direction_text(key, *parts):
    """A text of the direction every game starts in (the two values, the
    reasons a value cannot be used), its template filled in."""
    return _filled(_load()["direction"][key], parts)


def verdict(solution, points, lost=False):
    """What the game says of a wrong answer: the solution ("leer" for the
    empty one of 0) and the points after it."""
    return say("lost" if lost else "wrong", solution or say("empty"), points)
