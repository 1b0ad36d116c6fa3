// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeral.h"

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

// The range of the numbers asked, from the command line's range: on a
// desktop that one; in a web page the one the page's address sets, which
// the page is told of (or of why it cannot be used).
NumberRange RangeOnPlatform(const NumberRange &fromCommandLine);

// Shows one of the program's top-level windows.
void PresentWindow(QWidget *window);

// Ends the running program with the exit status.
void EndOnPlatform(int exitCode);
