// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layoutwindow.h"

#include "accessible.h"

LayoutWindow::LayoutWindow(Kind kind) : kind_(kind)
{
    InstallAccessibleInterfaces();
}
