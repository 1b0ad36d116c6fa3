# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Roman numeral of 0 to 3999, written here independently of the
program, as the checks' oracle."""

import re

_LETTERS = ((1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"),
            (50, "L"), (40, "XL"), (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I"))


def roman(n):
    """The Roman numeral of n; 0 has none (the empty text)."""
    out = ""
    for value, letters in _LETTERS:
        while n >= value:
            out += letters
            n -= value
    return out


def from_roman(numeral):
    """The number of a Roman numeral as roman() writes it."""
    return _NUMBERS[numeral]


def wrong_letter(n):
    """A one-letter answer that is wrong for n."""
    return "V" if roman(n) == "I" else "I"


def occurrences(numeral, text):
    """How often the numeral stands in the text as a word of its own."""
    return len(re.findall(rf"(?<![A-Za-z]){numeral}(?![A-Za-z])", text)) if numeral else 0


_NUMBERS = {roman(n): n for n in range(4000)}
