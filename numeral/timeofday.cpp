// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timeofday.h"

#include <QLocale>
#include <QTime>

namespace {

// Removes the time-zone fields ("t", "tt", ...) of a QTime format outside
// quoted literals, and the blanks they leave behind.
QString WithoutTimeZone(const QString &format)
{
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    return out.simplified();
}

} // namespace

QString TimeOfDayText(const QLocale &locale, const QTime &time)
{
    return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString SystemTimeOfDay::TimeText() const
{
    return TimeOfDayText(QLocale::system(), QTime::currentTime());
}
