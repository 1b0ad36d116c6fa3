// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamesettings.h"

class QWidget;

// What differs where the program runs, in one place. On a desktop
// (platform.cpp) the windows are the desktop's own and the program ends by
// leaving its event loop. In a web page (platform_web.cpp) the page is the
// screen: the main window fills it, scaled to fit, a message window stands
// in front of it, and the page takes over when the program ends.

// Called before the application object is made.
void PrepareForPlatform();

// Called once the application object exists, before any window is shown.
void AdaptToPlatform();

// The range of the numbers asked and the direction each game starts in,
// from the command line's: on a desktop those; in a web page the ones the
// page's address sets, where the page is told of the range (or of why the
// address's range or direction cannot be used).
GameSettings SettingsOnPlatform(const GameSettings &fromCommandLine);

// Shows one of the program's top-level windows.
void PresentWindow(QWidget *window);

// Ends the running program with the exit status.
void EndOnPlatform(int exitCode);
