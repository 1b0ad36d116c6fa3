// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directionreading.h"

DirectionReading ReadDirection(const std::optional<QString> &given, const QString &name)
{
    DirectionReading reading;
    if (!given)
        return reading;
    QString value = given->toLower();
    value.replace(QChar(0x00F6), QLatin1String("oe"));
    if (value == QLatin1String(directiontexts::kRomanToArabic))
        reading.direction = Direction::RomanToArabic;
    else if (value != QLatin1String(directiontexts::kArabicToRoman))
        reading.problem = QString::fromUtf8(directiontexts::kUnknown).arg(*given, name);
    return reading;
}
