// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressreading.h"

#include "directionreading.h"
#include "rangereading.h"

AddressReading ReadAddress(const AddressSettings &address)
{
    const RangeReading range =
        ReadRange(RangeSettings{address.von, address.bis}, QStringLiteral("von"), QStringLiteral("bis"));
    const DirectionReading direction = ReadDirection(address.richtung, QStringLiteral("richtung"));
    AddressReading reading;
    reading.settings = GameSettings{range.range, direction.direction};
    reading.problem = !range.problem.isEmpty() || !direction.problem.isEmpty();
    if (!range.problem.isEmpty())
        reading.line = QString::fromUtf8(rangetexts::kAddressProblem).arg(range.problem, RangeLine(NumberRange()));
    else if (!range.range.IsWhole())
        reading.line = RangeLine(range.range);
    if (!direction.problem.isEmpty()) {
        // Two sentences where the range line comes first.
        if (!reading.line.isEmpty())
            reading.line += reading.line.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
        reading.line += QString::fromUtf8(directiontexts::kAddressProblem).arg(direction.problem);
    }
    return reading;
}
