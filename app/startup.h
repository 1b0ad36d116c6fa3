// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class Program;

// Runs the program: the command line (see commandline.h), the application
// object, what the program tells the desktop about itself, the exercise
// window, the event loop. Returns the exit status. `started`, when given, is
// called once the exercise window has been shown (the start-up benchmark and
// the memory-check game hook in there).
int RunProgram(int &argc, char **argv, const std::function<void(Program &)> &started = {});
