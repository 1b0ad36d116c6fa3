// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The faces the program brings along, of the classic sans widths, made
// known to Qt on the first call. On a desktop there are none: the system's
// fonts serve. Where the program runs in a web page there are no system
// fonts, and it brings its own (bundledfaces_web.cpp).
const QStringList &BundledFaces();

// In a web page: the first of them becomes the application's face, so that
// what Qt draws itself (a window's title bar) is drawn in it too.
void UseBundledFaceByDefault();
