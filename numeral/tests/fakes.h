// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stand-ins for the generator and the clock, so tests decide what is drawn,
// and an independent Roman conversion to check the program's against.

#include "randomsource.h"
#include "timeofday.h"

#include <QString>

#include <cmath>
#include <deque>
#include <utility>

// A generator value that the draw turns into the given number 0 to 3999.
inline float ValueForNumber(int number)
{
    return number >= 3999 ? std::nextafter(1.0f, 0.0f) : static_cast<float>(number / 3999.0);
}

// Hands out the numbers queued in `numbers`, one per advancing call; when
// the queue is empty, the last number again.
class ScriptedRandom final : public RandomSource {
public:
    void Randomize() override {}
    float Rnd(long long arg) override
    {
        if (arg > 0 && !numbers.empty()) {
            last = numbers.front();
            numbers.pop_front();
        }
        return ValueForNumber(last);
    }
    std::deque<int> numbers;
    int last = 0;
};

// The Roman numeral of n by the greedy table of values, worked out apart
// from the program's conversion, which goes by the characters of the digit
// text.
inline QString RomanByTable(int n)
{
    static const std::pair<int, const char *> table[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
        {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString roman;
    for (const auto &[value, letters] : table) {
        while (n >= value) {
            roman += QLatin1String(letters);
            n -= value;
        }
    }
    return roman;
}

class FixedClock final : public TimeOfDay {
public:
    QString TimeText() const override { return text; }
    QString text = QStringLiteral("14:05:33");
};
