// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeral.h"

#include "randomsource.h"
#include "timeofday.h"

#include <cmath>
#include <limits>

NumeralEngine::NumeralEngine(RandomSource &random, const TimeOfDay &clock, NumberRange range)
    : random_(random), clock_(clock), range_(range)
{
}

int NumeralEngine::DrawNumber()
{
    random_.Randomize();
    const long long argument = LenientNumber(clock_.TimeText().right(2));
    const float r = random_.Rnd(argument);
    const double span = range_.bis - range_.von;
    return range_.von + static_cast<int>(std::floor((span * static_cast<double>(r)) + 0.5));
}

QString PaddedDigits(int number)
{
    return (QStringLiteral("0000") + NumberText(number)).right(4);
}

namespace {

// The letters of one decimal place: for the digit d (1 to 9), with one, five
// and ten as the place's letters. Digit 0 or anything else gives nothing.
QString PlaceLetters(int d, QChar one, QChar five, QChar ten)
{
    switch (d) {
    case 1: return QString(one);
    case 2: return QString(2, one);
    case 3: return QString(3, one);
    case 4: return QString(one) + five;
    case 5: return QString(five);
    case 6: return QString(five) + one;
    case 7: return QString(five) + QString(2, one);
    case 8: return QString(five) + QString(3, one);
    case 9: return QString(one) + ten;
    default: return QString();
    }
}

// A position compared as a character with the digits "1" to "9": the digit's
// value, or 0 for "0", a blank or anything else.
int DigitOfCharacter(QChar c)
{
    return (c >= QLatin1Char('1') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
}

} // namespace

QString ToRoman(const QString &digits)
{
    const QString p = digits.leftJustified(4, QLatin1Char(' '), true);
    QString roman;
    // Thousands: only "1", "2" and "3" count.
    const int thousands = DigitOfCharacter(p.at(0));
    if (thousands <= 3)
        roman += QString(thousands, QLatin1Char('M'));
    roman += PlaceLetters(DigitOfCharacter(p.at(1)), QLatin1Char('C'), QLatin1Char('D'), QLatin1Char('M'));
    roman += PlaceLetters(DigitOfCharacter(p.at(2)), QLatin1Char('X'), QLatin1Char('L'), QLatin1Char('C'));
    // Units: the last position read as a number.
    const long long units = LenientNumber(p.mid(3, 1));
    roman += PlaceLetters(units >= 1 && units <= 9 ? static_cast<int>(units) : 0,
                          QLatin1Char('I'), QLatin1Char('V'), QLatin1Char('X'));
    return roman;
}

long long LenientNumber(const QString &text)
{
    constexpr long long kMax = std::numeric_limits<long long>::max();
    bool negative = false;
    bool signSeen = false;
    long long value = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        if (!signSeen && value == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            negative = c == QLatin1Char('-');
            signSeen = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        signSeen = true; // a sign after the first digit ends the number
        const int d = c.unicode() - '0';
        value = value > (kMax - d) / 10 ? kMax : (value * 10) + d;
    }
    return negative ? -value : value;
}

QString NumberText(long long number)
{
    const QString digits = QString::number(number);
    return number < 0 ? digits : QLatin1Char(' ') + digits;
}
