// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeral.h"

#include <cstdint>

// The direction every game starts in: the exercise window's own start
// (Arabic to Roman), or Roman to Arabic, selected after it as the learner
// would select it.
enum class Direction : std::uint8_t { ArabicToRoman, RomanToArabic };

// What a teacher sets for a class: the range of the numbers and the
// direction each game starts in.
struct GameSettings {
    NumberRange range;
    Direction direction = Direction::ArabicToRoman;
};
