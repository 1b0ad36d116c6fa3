// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "    VERLOREN !!!": on to the game-over window; this window is unloaded.

#include "form1.h"

#include "windowhost.h"

void Form1::Command22_Click()
{
    host_.ShowGameOver();
    setEnabled(false);
    host_.UnloadExercise();
    // The window is on its way out: nothing of it is touched after this.
}
