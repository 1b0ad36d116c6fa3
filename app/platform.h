// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

// Shows one of the program's top-level windows.
void PresentWindow(QWidget *window);

// Ends the running program with the exit status.
void EndOnPlatform(int exitCode);
