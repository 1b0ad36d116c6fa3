// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangereading.h"

#include <QRegularExpression>

namespace {

// One end: its number, or the reason it cannot be used.
std::optional<int> ReadEnd(const QString &text, const QString &name, QString &problem)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(text).hasMatch()) {
        problem = QString::fromUtf8(rangetexts::kNotWhole).arg(text, name);
        return std::nullopt;
    }
    bool fits = false;
    const long long value = text.toLongLong(&fits);
    if (!fits || value < NumberRange::kLowest || value > NumberRange::kHighest) {
        problem = QString::fromUtf8(rangetexts::kOutside)
                      .arg(text, name)
                      .arg(NumberRange::kLowest)
                      .arg(NumberRange::kHighest);
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

RangeReading ReadRange(const RangeSettings &settings, const QString &vonName, const QString &bisName)
{
    RangeReading reading;
    NumberRange range;
    if (settings.von) {
        const std::optional<int> von = ReadEnd(*settings.von, vonName, reading.problem);
        if (!von)
            return reading;
        range.von = *von;
    }
    if (settings.bis) {
        const std::optional<int> bis = ReadEnd(*settings.bis, bisName, reading.problem);
        if (!bis)
            return reading;
        range.bis = *bis;
    }
    if (range.von > range.bis) {
        reading.problem =
            QString::fromUtf8(rangetexts::kVonAboveBis).arg(vonName).arg(range.von).arg(bisName).arg(range.bis);
        return reading;
    }
    reading.range = range;
    return reading;
}

QString RangeLine(const NumberRange &range)
{
    return QString::fromUtf8(rangetexts::kLine).arg(range.von).arg(range.bis);
}
