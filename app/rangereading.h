// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeral.h"

#include <QString>

#include <optional>

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
