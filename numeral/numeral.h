// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class RandomSource;
class TimeOfDay;

// The numbers a draw may give, ends included: whole numbers with
// 0 <= von <= bis <= 3999. The default is every number the game knows.
struct NumberRange {
    static constexpr int kLowest = 0;
    static constexpr int kHighest = 3999;
    int von = kLowest;
    int bis = kHighest;

    bool IsWhole() const { return von == kLowest && bis == kHighest; }
};

// Draws the number of each exercise. The generator and the clock come in from
// outside, so a test can fix both.
class NumeralEngine {
public:
    NumeralEngine(RandomSource &random, const TimeOfDay &clock, NumberRange range = {});

    // A new number from the range, 0 to 3999 by default. Reseeds the
    // generator every time; the last two characters of the time of day
    // decide whether it advances. The generator's value r gives
    // von + floor((bis - von) r + 0.5): the ends come up half as often as
    // each number between them.
    int DrawNumber();

private:
    RandomSource &random_;
    const TimeOfDay &clock_;
    NumberRange range_;
};

// The number 0 to 3999 as four characters: "0000" followed by the number
// with one leading blank, last four kept (12 gives "0 12").
QString PaddedDigits(int number);

// The Roman numeral of a four-character digit text, built from the
// characters of the text ("0 12" gives "XII", "00 0" the empty text).
QString ToRoman(const QString &digits);

// The lenient reading of a text as a number: blanks are ignored wherever
// they stand, an optional sign may lead, reading stops at the first other
// character, and a text that does not begin with a number reads as 0.
// Results beyond the range of the type are held at its ends.
long long LenientNumber(const QString &text);

// A number as the program shows it: one leading blank when it is not
// negative, a minus sign and no blank when it is.
QString NumberText(long long number);
