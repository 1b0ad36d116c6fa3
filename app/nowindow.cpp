// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program always has a screen (Windows, a web page), the guard
// has nothing to do: the start where no window can be shown is a Linux
// desktop's (nowindow_linux.cpp).

#include "nowindow.h"

NoWindowGuard::NoWindowGuard(int /*argc*/, char ** /*argv*/)
{
}

bool NoWindowGuard::Started()
{
    return true;
}

NoWindowGuard::~NoWindowGuard() = default;
