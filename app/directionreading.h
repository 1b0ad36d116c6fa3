// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamesettings.h"

#include <QString>

#include <optional>
#include <utility>

// The texts of the direction, %1 and %2 filled in as named.
namespace directiontexts {
// The two values a teacher writes.
inline constexpr char kArabicToRoman[] = "arabisch-roemisch";
inline constexpr char kRomanToArabic[] = "roemisch-arabisch";
// A value that is no direction: the value, the setting.
inline constexpr char kUnknown[] =
    "„%1“ für %2 ist keine Richtung; möglich sind arabisch-roemisch und roemisch-arabisch";
// A page's address with a direction that cannot be used: the reason.
inline constexpr char kAddressProblem[] =
    "Die Adresse gibt die Richtung falsch an: %1. Das Spiel beginnt darum mit „Arabisch nach Römisch“.";
// Every text by a name of its own, for the checks.
inline constexpr std::pair<const char *, const char *> kAll[] = {
    {"arabicToRoman", kArabicToRoman}, {"romanToArabic", kRomanToArabic},
    {"unknown", kUnknown}, {"addressProblem", kAddressProblem}};
} // namespace directiontexts

// What became of the direction as given (missing where it was not): the
// direction, or, where the value is none, the default direction and the
// reason in German, naming the value and the setting as the caller calls it
// ("--richtung" on the command line, "richtung" in a page's address). Case
// does not matter, and "ö" may stand for "oe".
struct DirectionReading {
    Direction direction = Direction::ArabicToRoman;
    QString problem;
};

DirectionReading ReadDirection(const std::optional<QString> &given, const QString &name);
