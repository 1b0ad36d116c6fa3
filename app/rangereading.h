// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeral.h"

#include <QString>

#include <optional>
#include <utility>

// The texts of the range, %1 to %4 filled in as named.
namespace rangetexts {
// The range: von, bis.
inline constexpr char kLine[] = "Zahlen von %1 bis %2";
// A value that is not a whole number: the value, the setting.
inline constexpr char kNotWhole[] = "„%1“ für %2 ist keine ganze Zahl";
// A whole number outside 0 to 3999: the value, the setting, 0, 3999.
inline constexpr char kOutside[] = "%1 für %2 liegt nicht zwischen %3 und %4";
// von above bis: von's name and value, bis's name and value.
inline constexpr char kVonAboveBis[] = "%1 %2 ist größer als %3 %4";
// A page's address with a range that cannot be used: the reason, the line
// of the whole range.
inline constexpr char kAddressProblem[] = "Die Adresse gibt den Bereich falsch an: %1. Das Spiel fragt darum %2.";
// Every text by a name of its own, for the checks.
inline constexpr std::pair<const char *, const char *> kAll[] = {
    {"line", kLine}, {"notWhole", kNotWhole}, {"outside", kOutside},
    {"vonAboveBis", kVonAboveBis}, {"addressProblem", kAddressProblem}};
} // namespace rangetexts

// The range a teacher sets, as given: the texts of `von` and `bis`, each
// missing where it was not given (that end stays at 0 or 3999).
struct RangeSettings {
    std::optional<QString> von;
    std::optional<QString> bis;
};

// What became of the settings: the range, or, where a value cannot be used,
// the whole range and the reason in German, naming the value and the setting
// as the caller calls it ("--von" on the command line, "von" in a page's
// address).
struct RangeReading {
    NumberRange range;
    QString problem;
};

RangeReading ReadRange(const RangeSettings &settings, const QString &vonName, const QString &bisName);

// The range in one short German line: "Zahlen von 1 bis 100".
QString RangeLine(const NumberRange &range);
