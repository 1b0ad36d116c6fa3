// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamesettings.h"

#include <optional>

// The command line, read before the application object exists, so that none
// of its answers needs a display: --help and --version are answered on the
// standard output (exit status 0), anything else the program does not take
// is refused on the standard error with a one-line reason and the usage
// (exit status 2). Qt's own options (-platform, -style, -reverse, ...) are
// accepted and left to the application object. The game itself takes the
// range of its numbers: --von N and --bis N, each a whole number from 0 to
// 3999, von not above bis; and the direction each game starts in:
// --richtung arabisch-roemisch or roemisch-arabisch. A value it cannot use
// is refused as a wrong option is.
//
// Returns the exit status when the command line has been answered, nothing
// when the game is to start, with `settings` set to what was given (the
// whole range and the window's own direction where nothing is). A command
// line without arguments is not read.
std::optional<int> AnswerCommandLine(int argc, char **argv, GameSettings &settings);
