// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLocale;
class QTime;

// The current time of day as text in the user's time format.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual QString TimeText() const = 0;
};

// The user's time format with seconds: the locale's long time format without
// its time-zone name (the zone is no part of the time of day).
QString TimeOfDayText(const QLocale &locale, const QTime &time);

class SystemTimeOfDay final : public TimeOfDay {
public:
    QString TimeText() const override;
};
