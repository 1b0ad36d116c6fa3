// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a desktop: the windows go where their layout puts them.

#include "platform.h"

#include <QCoreApplication>
#include <QWidget>

void PrepareForPlatform()
{
}

void AdaptToPlatform()
{
}

GameSettings SettingsOnPlatform(const GameSettings &fromCommandLine)
{
    return fromCommandLine;
}

void PresentWindow(QWidget *window)
{
    window->show();
}

void EndOnPlatform(int exitCode)
{
    QCoreApplication::exit(exitCode);
}
