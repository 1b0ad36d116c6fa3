// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the game says to the learner's screen reader, as templates: %1 and
// %2 are filled in as it is said (speech.cpp). Kept in one table, so that
// the checks that listen to a screen reader take the same texts (the build
// writes them out for them, checks/facts.cpp).

#include <array>
#include <utility>

namespace spoken {

inline constexpr const char *kNewNumber = "Neue Zahl: %1";
inline constexpr const char *kAnswer = "Antwort: %1";
// An empty box (0 has no Roman numeral, an answer may be empty).
inline constexpr const char *kEmpty = "leer";
inline constexpr const char *kRight = "Richtig. %1 Punkte.";
inline constexpr const char *kWrong = "Falsch. Lösung: %1. %2 Punkte.";
inline constexpr const char *kLost = "Falsch. Lösung: %1. Verloren: %2 Punkte. Weiter mit der Eingabetaste.";
inline constexpr const char *kLostKey = "Verloren. Weiter mit der Eingabetaste.";
inline constexpr const char *kArabicAsked = "Gefragt ist die arabische Zahl.";
inline constexpr const char *kRomanAsked = "Gefragt ist die römische Zahl.";

// Every template, by the name the checks know it by.
inline constexpr std::array<std::pair<const char *, const char *>, 9> kAll{{
    {"newNumber", kNewNumber},
    {"answer", kAnswer},
    {"empty", kEmpty},
    {"right", kRight},
    {"wrong", kWrong},
    {"lost", kLost},
    {"lostKey", kLostKey},
    {"arabicAsked", kArabicAsked},
    {"romanAsked", kRomanAsked},
}};

} // namespace spoken
