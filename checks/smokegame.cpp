// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The short game (shortgame.h) in a program started as the real one starts:
// made for running the whole program under a memory checker.
//
// Prints nothing and exits with 0 when every step went as the game's rules
// say; otherwise names the step that went wrong and exits with 1.

#include "shortgame.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    // Only "Ende" leaves the event loop, and a step that never comes ends
    // the run by the game's own time limit.
    return RunProgram(argc, argv, [](Program & /*program*/) { PlayShortGame(); });
}
