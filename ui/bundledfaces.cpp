// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundledfaces.h"

const QStringList &BundledFaces()
{
    static const QStringList none = QStringList();
    return none;
}
