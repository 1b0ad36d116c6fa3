// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// What the program tells the platform about itself: its name, its version
// ("1.00"), the id of its desktop entry and its icon, which both windows
// show. Called once at start-up, after the application object is made and
// before the first window.
void IdentifyProgram();

// The program's icon: images drawn from its SVG at build time, read when
// a size is first asked for.
QIcon ProgramIcon();
