// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Römische Zahlen: start-up. Answers --help and --version, then loads the
// exercise window and runs until the program is ended through "Ende" or a
// window's frame.

#include "startup.h"

int main(int argc, char *argv[])
{
    return RunProgram(argc, argv);
}
